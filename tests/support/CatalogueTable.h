#pragma once

#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"

#include <QList>
#include <QString>

#include <string>

namespace qbx::test {

// One catalogue record as text.
struct Rec {
    QString label, path, producer, product, version;
    double size;
    QString description;
};

// Writes a catalogue table of these records (current format unless
// integerSize), replacing any file.
inline void WriteCatalogueTable(const QString &path, const QList<Rec> &records,
                                bool integerSize = false, const std::string &driver = "ancyrr")
{
    engine::Table::Create(path.toStdString(), CatalogueFieldDefs(integerSize),
                          {kCatalogueBlockKiB, driver});
    engine::Table t;
    t.Open(path.toStdString(), engine::OpenMode::Exclusive);
    for (const Rec &r : records) {
        // Value::Text refers to the bytes: they live until Append.
        const std::string s[] = {codec::ToCp1251(r.label),    codec::ToCp1251(r.path),
                                 codec::ToCp1251(r.producer), codec::ToCp1251(r.product),
                                 codec::ToCp1251(r.version),  codec::ToCp1251(r.description)};
        auto text = [](const std::string &v) {
            return v.empty() ? engine::Value::Null() : engine::Value::Text(v);
        };
        const engine::Value values[] = {text(s[0]), text(s[1]), text(s[2]),
                                        text(s[3]), text(s[4]), engine::Value::Number(r.size),
                                        text(s[5])};
        t.Append(values);
    }
}

} // namespace qbx::test
