#pragma once

#include "engine/FieldCodec.h"
#include "engine/TableHeader.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace qbx {

// One field of a catalogue table.
struct TCatalogueField {
    const char *name;       // field name in the table (ASCII)
    engine::FieldKind type; // String or Float
    int size;               // characters of a string field; 0 for numbers
    QString displayName;    // caption in the description pane and query editor
};

// Positions of the fields in a catalogue record.
enum TCatalogueFieldIndex : int {
    CfLabel = 0,
    CfPath,
    CfProducer,
    CfProduct,
    CfVersion,
    CfByteSize,
    CfDescription,
    CfCount
};

// The seven fields of a catalogue table, in table order.
const std::array<TCatalogueField, CfCount> &CatalogueFields();

// The field descriptors a catalogue table is created with; `integerSize`
// gives the old format, whose ByteSize is a long integer.
std::vector<engine::FieldDef> CatalogueFieldDefs(bool integerSize = false);

// Catalogue tables use the largest blocks, which hold the most records.
inline constexpr uint8_t kCatalogueBlockKiB = 32;

// ByteSize is stored as a floating-point number: every size up to 2^53 is
// exact. Reading truncates towards zero (1.9 gives 1); values outside the
// range of qint64, and NaN, give the nearest representable size or 0.
double ByteSizeToField(qint64 size);
qint64 ByteSizeFromField(double value);

} // namespace qbx
