#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace qbx {

namespace engine {
class Table;
}

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

private:
    // The last non-empty value of a field.
    struct Field {
        std::string bytes;
        QString text;
    };
    void Decode(size_t field, Field &last, QString &text);

    const engine::Table &table_;
    TCatalogueRecord record_;
    std::array<Field, 5> last_;
};

} // namespace qbx
