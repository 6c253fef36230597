// Reading catalogue records as text: repeated values share one text, empty
// fields stay empty, and a record's texts survive reading the next one.
#include "CatalogueFixture.h"

#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "storage/CatalogueReader.h"
#include "tree/TTree.h"

#include <stdexcept>

namespace qbx::test {
namespace {

TEST_F(CatalogueTest, ReaderSharesRepeatedValuesAndKeepsEarlierTexts)
{
    const QString path =
        Write("cat.db", {{"Диск", "Игры\\setup.exe", "Фирма", "Игра", "1.0", 2048.9, "х"},
                         {"Диск", "Игры\\readme.txt", "", "", "", 0, ""},
                         {"Диск", "Игры\\play.exe", "Фирма", "Игра", "1.1", 7, "х"},
                         {"Другой", "", "Фирма", "", "", 0, ""}});
    engine::Table table;
    table.Open(path.toStdString(), engine::OpenMode::Shared);
    TCatalogueReader reader(table);

    ASSERT_TRUE(table.First());
    const TCatalogueRecord first = reader.Read();
    EXPECT_EQ(first.Path, "Игры\\setup.exe");
    EXPECT_EQ(first.Size, 2048);
    ASSERT_TRUE(table.Next());
    const TCatalogueRecord second = reader.Read();
    EXPECT_EQ(second.Path, "Игры\\readme.txt");
    EXPECT_TRUE(second.Producer.isEmpty());
    EXPECT_TRUE(second.Version.isEmpty());
    EXPECT_EQ(first.Path, "Игры\\setup.exe") << "kept by the caller while the next was read";
    ASSERT_TRUE(table.Next());
    const TCatalogueRecord third = reader.Read();
    EXPECT_EQ(third.Path, "Игры\\play.exe");
    EXPECT_EQ(third.Version, "1.1");
    // Across the empty values of the record between them.
    EXPECT_EQ(third.Producer.constData(), first.Producer.constData());
    EXPECT_EQ(third.Product.constData(), first.Product.constData());
    EXPECT_EQ(third.Label.constData(), first.Label.constData());
    ASSERT_TRUE(table.Next());
    const TCatalogueRecord fourth = reader.Read();
    EXPECT_EQ(fourth.Label, "Другой");
    EXPECT_TRUE(fourth.Path.isEmpty());
    EXPECT_EQ(fourth.Producer, "Фирма");
    EXPECT_FALSE(table.Next());
}

// Answers every conflict with "complement all" and counts the questions.
class CountingPrompt : public IConflictPrompt {
public:
    int asked = 0;
    QStringList paths;
    TConflictAnswer AskConflict(const QString &path) override
    {
        ++asked;
        paths.append(path);
        return ConflictComplementAll;
    }
};

// Records over several of the reading thread's batches: discs of their own,
// folders, an unlabelled record, Cyrillic in every case, repeated and
// changing descriptions, and a duplicate that makes a conflict.
QList<Rec> ManyRecords()
{
    QList<Rec> records;
    records.append({"", "Без метки\\файл.txt", "", "", "", 3, ""});
    for (int d = 0; d < 3; ++d) {
        const QString label = QStringLiteral("Диск %1").arg(d);
        records.append({label, "", "", "", "", 0, "метка"});
        for (int i = 0; i < 2000; ++i) {
            const QString folder = QStringLiteral("Папка%1\\").arg(i / 100);
            if (i % 100 == 0)
                records.append({label, folder, "", "", "", 0, ""});
            const QString producer = i % 7 == 0 ? QStringLiteral("Фирма%1").arg(i % 3) : QString();
            records.append({label, folder + QStringLiteral("Файл_%1.ТХТ").arg(i), producer,
                            i % 5 == 0 ? "Продукт" : "", "", double(i), ""});
        }
    }
    records.append({"Диск 1", "ПАПКА3\\файл_300.тхт", "Другая", "", "", 1, "поздно"});
    return records;
}

TEST_F(CatalogueTest, ThreadedLoadBuildsTheTreeRecordByRecordInsertionBuilds)
{
    const QString path = Write("many.db", ManyRecords());
    CountingPrompt prompt;

    TTree expected;
    TConflictAnswers expectedAnswers;
    TCatalogueTree byRecord(expected, expectedAnswers, prompt);
    {
        engine::Table table;
        table.Open(path.toStdString(), engine::OpenMode::Shared);
        TCatalogueReader reader(table);
        for (bool more = table.First(); more; more = table.Next()) {
            const TCatalogueRecord &r = reader.Read();
            byRecord.InsertItem(r.Label, r.Path, r.Producer, r.Product, r.Version, r.Size,
                                r.Description, false);
        }
    }
    ASSERT_EQ(prompt.asked, 1);
    EXPECT_EQ(prompt.paths.value(0), "Диск 1\\ПАПКА3\\файл_300.тхт");

    TTree loaded;
    TConflictAnswers answers;
    TCatalogueTree catalogue(loaded, answers, prompt);
    uint32_t count = 0;
    int steps = 0;
    EXPECT_TRUE(ReadCatalogueTable(
        path, catalogue, [&](uint32_t n) { count = n; },
        [&] {
            ++steps;
            return true;
        }));
    EXPECT_EQ(count, uint32_t(ManyRecords().size()));
    EXPECT_EQ(steps, ManyRecords().size());
    EXPECT_EQ(prompt.asked, 2) << "the load asks about the same conflict once";
    EXPECT_EQ(TreeLines(loaded, KindAndDescription), TreeLines(expected, KindAndDescription));
    EXPECT_NE(NodeAt(loaded, "Без метки\\файл.txt"), nullptr);
}

TEST_F(CatalogueTest, StopInALaterBatchKeepsExactlyTheRecordsBeforeIt)
{
    QList<Rec> records;
    for (int i = 0; i < 12000; ++i)
        records.append({"CD", QStringLiteral("f%1.txt").arg(i, 5, 10, QLatin1Char('0')), "", "", "",
                        double(i + 1), ""});
    const QString path = Write("stop.db", records);
    CountingPrompt prompt;
    // Stopping while the reading thread waits for room, and at once, and
    // after the last record; each time the thread is ended and joined.
    for (const int stopAt : {1, 2345, 12000}) {
        TTree tree;
        TConflictAnswers answers;
        TCatalogueTree catalogue(tree, answers, prompt);
        int steps = 0;
        EXPECT_FALSE(ReadCatalogueTable(path, catalogue, {}, [&] { return ++steps < stopAt; }));
        EXPECT_EQ(steps, stopAt);
        ASSERT_EQ(tree.Root()->ChildCount(), 1);
        const TTreeNode *disc = tree.Root()->Child(0);
        ASSERT_EQ(disc->ChildCount(), stopAt);
        EXPECT_EQ(disc->Child(stopAt - 1)->Text(),
                  QStringLiteral("f%1.txt").arg(stopAt - 1, 5, 10, QLatin1Char('0')));
        EXPECT_EQ(disc->Child(stopAt - 1)->Description()->Size, stopAt);
    }
    EXPECT_EQ(prompt.asked, 0);
}

TEST_F(CatalogueTest, ExceptionFromAnInsertionEndsTheReadingThread)
{
    QList<Rec> records;
    for (int i = 0; i < 9000; ++i)
        records.append({"CD", QStringLiteral("f%1.txt").arg(i), "", "", "", 0, ""});
    records.append({"CD", "f7.txt", "", "", "", 0, ""});
    const QString path = Write("throw.db", records);
    class ThrowingPrompt : public IConflictPrompt {
    public:
        TConflictAnswer AskConflict(const QString &) override
        {
            throw std::runtime_error("no answer");
        }
    } prompt;
    TTree tree;
    TConflictAnswers answers;
    TCatalogueTree catalogue(tree, answers, prompt);
    EXPECT_THROW(ReadCatalogueTable(path, catalogue, {}, {}), std::runtime_error);
    EXPECT_EQ(tree.Root()->Child(0)->ChildCount(), 9000);
}

} // namespace
} // namespace qbx::test
