// A save writes each record straight into its place in the block being
// filled; the file must hold exactly the bytes that encoding the record's
// values with the table's Append gives.

#include "saving/SavingFixture.h"

#include "engine/Table.h"
#include "storage/CatalogueWriter.h"
#include "tree/TFoundRecord.h"

#include <QFile>

using namespace qbx;
using namespace qbx::test;

namespace {

struct NeverStop : IWriteProgress {
    bool Stopped() override { return false; }
    void Step() override {}
};

// Each record's values appended (and encoded) by the table.
class AppendValues final : public IRecordTarget {
public:
    explicit AppendValues(engine::Table &table) : table_(table) {}
    void Put(std::span<const engine::Value> values) override { table_.Append(values); }

private:
    engine::Table &table_;
};

// The table's blocks (everything after its header) and its record count.
QByteArray BlocksOf(const QString &path, uint32_t &records)
{
    engine::Table t;
    t.Open(path.toStdString());
    records = t.RecordCount();
    const qsizetype header = t.Header().headerSize;
    t.Close();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().mid(header) : QByteArray();
}

TEST_F(SavingTest, RecordsWrittenInPlaceAreTheBytesTheirValuesEncodeTo)
{
    // Texts short, exactly at and past their fields, Cyrillic and characters
    // the code page lacks, a folder whose path fills its field (its "\" is
    // cut), sizes zero, huge and negative; enough records for many blocks.
    QList<Rec> records;
    for (int i = 0; i < 3000; ++i)
        records.append({"ДИСК" + QString::number(i % 3),
                        QString("папка%1\\файл%2.txt").arg(i % 11).arg(i), i % 2 ? "Фирма" : "",
                        QString(64, QChar(u'п')), "1.0", i % 5 ? double(i) * 1e9 : -1.0,
                        QString(i % 65, QChar(u'о'))});
    records.append({"ДИСК0", "описанная папка\\", "P", "", "", 0, "с описанием"});
    OpenChanged(Write("cat.db", records));
    TTreeNode *disc = mainTree.Root()->Child(0);
    TTreeNode *deep = mainTree.AddChild(disc, QString(254, QChar(u'ж')), ImageFolder);
    mainTree.AddChild(deep, "ещё.txt", ImageFile);
    mainTree.AddChild(disc, QString(255, QChar(u'ш')), ImageFolder); // empty: a record of its own
    mainTree.AddChild(disc, QString(300, QChar(u'x')) + "日本", ImageFile);
    mainTree.AddChild(disc, "日本€.txt", ImageFile);
    TTreeNode *group = searchTree.AddChild(searchTree.Root(), "Фирма", ImageFolder);
    for (int i = 0; i < 500; ++i)
        searchTree.SetFoundRecord(
            searchTree.AddChild(group, QString::number(i), ImageFile),
            std::make_unique<TFoundRecord>(
                TFoundRecord::Make("ДИСК", QString(i % 300, QChar(u'ф')) + "日", "Фирма",
                                   QString(70, QChar(u'q')), "", i * 7, i % 2 ? "" : "описание")));

    NeverStop progress;
    for (const auto &[source, root] : {std::pair{TRecordSource::Catalogue, mainTree.Root()},
                                       std::pair{TRecordSource::Results, searchTree.Root()}}) {
        SCOPED_TRACE(int(source));
        const QString inPlace = PathOf("in-place.db"), encoded = PathOf("encoded.db");
        ASSERT_TRUE(WriteCatalogueFile(root, source, inPlace, progress).Ok());
        engine::Table::Create(encoded.toStdString(), CatalogueFieldDefs(),
                              {kCatalogueBlockKiB, ""});
        {
            engine::Table t;
            t.Open(encoded.toStdString(), engine::OpenMode::Exclusive);
            t.StartBulkAppend();
            AppendValues target(t);
            ASSERT_TRUE(WalkTreeRecords(root, source, target, progress));
            t.Flush();
        }
        uint32_t inPlaceRecords = 0, encodedRecords = 0;
        const QByteArray a = BlocksOf(inPlace, inPlaceRecords);
        const QByteArray b = BlocksOf(encoded, encodedRecords);
        EXPECT_EQ(inPlaceRecords, encodedRecords);
        EXPECT_GT(inPlaceRecords, source == TRecordSource::Catalogue ? 3000u : 499u);
        ASSERT_EQ(a.size(), b.size());
        EXPECT_TRUE(a == b) << "the blocks differ";
    }
}

} // namespace
