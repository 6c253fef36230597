#pragma once

#include "engine/Query.h"
#include "engine/Table.h"
#include "platform/Codec.h"
#include "search/QueryCondition.h"
#include "search/QueryFile.h"
#include "search/QueryTree.h"
#include "desktop/QStringPrinter.h"
#include "storage/CatalogueFields.h"

#include <QStringList>
#include <QTemporaryDir>

namespace qbx::test {

// A small catalogue table in a temporary folder, searched through the
// engine's SQL as a search runs it. Rows are told apart by their Path (the
// disc rows by their label).
class QueryCatalogue {
public:
    struct Row {
        QString label, path, producer;
        double size;
        QString description;
    };

    QueryCatalogue()
    {
        file_ = dir_.filePath(QStringLiteral("cat.db")).toStdString();
        engine::Table::Create(file_, CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
        engine::Table t;
        t.Open(file_, engine::OpenMode::Exclusive);
        const Row rows[] = {
            {"DISK1", "", "", 700000000, "Дистрибутив"},
            {"DISK1", "Soft\\", "", 0, ""},
            {"DISK1", "Soft\\a_b.txt", "Microsoft", 2048, ""},
            {"DISK1", "Soft\\setup.exe", "softland", 104857600, "Установка"},
            {"DISK2", "", "", 0, ""},
            {"DISK2", "Музыка\\", "", 0, ""},
            {"DISK2", "Музыка\\песня.mp3", "Ёлка", 500, "песня"},
            {"DISKX", "big.iso", "", 2147483648.0, ""},
        };
        for (const Row &r : rows) {
            const std::string s[] = {codec::ToCp1251(r.label), codec::ToCp1251(r.path),
                                     codec::ToCp1251(r.producer), codec::ToCp1251(r.description)};
            auto text = [](const std::string &v) {
                return v.empty() ? engine::Value::Null() : engine::Value::Text(v);
            };
            const engine::Value values[] = {text(s[0]),
                                            text(s[1]),
                                            text(s[2]),
                                            engine::Value::Null(),
                                            engine::Value::Null(),
                                            engine::Value::Number(r.size),
                                            text(s[3])};
            t.Append(values);
        }
    }

    // The rows the condition selects: Path, or the label for a disc row.
    QStringList Select(const QString &condition) const
    {
        engine::Query q;
        q.Open("SELECT * FROM \"" + file_ + "\" WHERE " + codec::ToCp1251(condition));
        QStringList out;
        for (bool row = q.First(); row; row = q.Next()) {
            const QString path = codec::FromCp1251(q.ReadText(CfPath));
            out << (path.isEmpty() ? codec::FromCp1251(q.ReadText(CfLabel)) : path);
        }
        return out;
    }

private:
    QTemporaryDir dir_;
    std::string file_;
};

// A validated tree from the text of a query file (lines by "\n", levels by
// tabs); null when the file would be refused.
inline std::unique_ptr<TQueryTree> Tree(const QString &text)
{
    auto tree = ParseQueryText(text);
    if (tree && !ValidateQueryTree(*tree))
        tree.reset();
    return tree;
}

} // namespace qbx::test
