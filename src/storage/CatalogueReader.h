#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace qbx {

namespace engine {
class Table;
}
class TCatalogueTree;

// One record of a catalogue table as text.
struct TCatalogueRecord {
    QString Label;
    QString Path;
    QString Producer;
    QString Product;
    QString Version;
    int64_t Size = 0;
    QString Description;
};

// Turns the records of an open catalogue table into text. A value equal to
// the last non-empty value of the same field is not decoded again but shares
// that text: labels repeat on every record of a disc, producers, products
// and versions over whole folders (with undescribed files between them), and
// a loaded catalogue keeps one copy of each such run instead of one per item.
class TCatalogueReader {
public:
    explicit TCatalogueReader(const engine::Table &table) : table_(table) {}

    // The record under the table's cursor; valid until the next call.
    const TCatalogueRecord &Read();
    // The same, except that Path stays empty: the label and the path are
    // appended to `joined` as the one path the catalogue tree takes
    // (TCatalogueTree::InsertPath), with no string of their own.
    const TCatalogueRecord &ReadJoined(std::u16string &joined);

private:
    // The last non-empty value of a field.
    struct Field {
        std::string bytes;
        QString text;
    };
    void Decode(size_t field, Field &last, QString &text);
    void DecodeDescription();

    const engine::Table &table_;
    TCatalogueRecord record_;
    std::array<Field, 5> last_;
};

// Reads the records of a catalogue table into a catalogue tree, in table
// order. started gets the record count before the first record; step runs
// after each record and ends the reading when it gives false. Gives true
// when the reading went to the end, false when step ended it (even at the
// last record: a record a cancelled conflict kept out was not all taken in).
// Throws engine::Error when the table cannot be read; what was read before
// stays in the tree.
bool ReadCatalogueTable(engine::Table &table, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step);
// The same on the table fileName, opened for it alone (OpenCatalogueTable).
// A table that cannot be opened throws engine::Error with the engine's code;
// a table that is not a catalogue throws it with engine::ErrCorrupt.
bool ReadCatalogueTable(const QString &fileName, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step);

} // namespace qbx
