// A search of unsaved changes reads the records from the tree instead of a
// file. Whatever the condition, it must find exactly what the same
// statement finds in the tree saved to a table: the same rows, in the same
// order, byte for byte.
#include "engine/Error.h"
#include "engine/Query.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/ConflictPrompt.h"
#include "platform/EngineFileName.h"
#include "search/QueryCondition.h"
#include "search/SearchConditions.h"
#include "storage/CatalogueWriter.h"
#include "storage/TreeRecords.h"
#include "tree/TCatalogueTree.h"
#include "tree/TItemDescription.h"
#include "tree/TTree.h"
#include "tree/TTreeNode.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace qbx;

namespace {

class KeepBoth : public IConflictPrompt {
public:
    TConflictAnswer AskConflict(const QString &) override { return ConflictKeepAll; }
};

class NoStop : public IWriteProgress {
public:
    bool Stopped() override { return false; }
    void Step() override {}
};

// Every row of an open query as its bytes, in order.
std::vector<std::string> Rows(engine::Query &query)
{
    std::vector<std::string> rows;
    for (bool row = query.First(); row; row = query.Next())
        rows.emplace_back(reinterpret_cast<const char *>(query.RecordData()), query.RecordSize());
    return rows;
}

class SearchOverTreeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TConflictAnswers answers;
    KeepBoth prompt;
    TTree tree;
    TCatalogueTree catalogue{tree, answers, prompt};
    // How many records the last search over the tree withheld before matching.
    uint32_t withheld = 0;

    // A catalogue with Latin and Cyrillic names in both cases, folders,
    // archives, descriptions and sizes, then edited as a user would.
    void Fill()
    {
        static const char16_t *const words[] = {u"Фото", u"фото",  u"ФОТО",  u"Ёлка",
                                                u"ёлка", u"data",  u"Data",  u"READ_ME",
                                                u"100%", u"отчёт", u"Setup", u"a_b"};
        static const char16_t *const ext[] = {u".txt", u".TXT", u".mp3", u".Зип", u".zip", u""};
        std::mt19937 rng(7);
        const auto word = [&] { return QString::fromUtf16(words[rng() % std::size(words)]); };
        for (int disc = 0; disc < 4; ++disc) {
            const QString label =
                QString::fromUtf16(disc % 2 ? u"Диск_" : u"cd_") + QString::number(disc);
            catalogue.InsertItem(label, QString(), QString(), QString(), QString(), 0, QString(),
                                 false);
            for (int i = 0; i < 150; ++i) {
                QString path;
                const int depth = int(rng() % 3);
                for (int d = 0; d < depth; ++d)
                    path += word() + QString::number(rng() % 3) + u'\\';
                const bool folder = rng() % 6 == 0;
                if (!folder)
                    path += word() + QString::number(i) + QString::fromUtf16(ext[rng() % 6]);
                const bool described = rng() % 4 == 0;
                catalogue.InsertItem(
                    label, path, described ? word() : QString(),
                    described && rng() % 2 ? word() : QString(),
                    described ? QStringLiteral("1.0") : QString(),
                    rng() % 5 == 0 ? 0 : int64_t(rng() % 100000),
                    described && rng() % 2 ? word() + QStringLiteral(" песня") : QString(), folder);
            }
        }
        // Edits: a new disc, a rename, a deletion.
        catalogue.InsertItem(QStringLiteral("Новый"), QStringLiteral("Фото\\new.TXT"),
                             QStringLiteral("Мелодия"), QString(), QString(), 4096,
                             QStringLiteral("ёлка"), false);
        tree.SetText(tree.Root()->Child(0)->Child(0), QStringLiteral("Переименован.txt"));
        catalogue.DeleteNode(tree.Root()->Child(1)->Child(2));
    }

    // The rows the condition finds in the tree saved to a file, and over
    // the tree's own records.
    // Gives the number of rows found.
    size_t ExpectSameRows(const QString &condition)
    {
        SCOPED_TRACE(condition.toStdString());
        const QString file = dir.filePath(QStringLiteral("saved.db"));
        const std::optional<std::string> statement = SearchStatement(file, condition);
        if (!statement) {
            ADD_FAILURE() << "no statement";
            return 0;
        }
        engine::Query saved, unsaved;
        try {
            saved.Open(*statement);
        } catch (const engine::Error &e) {
            ADD_FAILURE() << e.what();
            return 0;
        }
        TTreeRecordFeed feed(tree.Root(), TRecordSource::Catalogue);
        unsaved.Open(*statement, feed.Fields(), feed);
        withheld = feed.Withheld();
        EXPECT_EQ(unsaved.Fields().size(), saved.Fields().size());
        EXPECT_EQ(unsaved.RecordSize(), saved.RecordSize());
        EXPECT_EQ(unsaved.ScannedCount(), saved.ScannedCount());
        const std::vector<std::string> rows = Rows(saved);
        EXPECT_EQ(Rows(unsaved), rows);
        return rows.size();
    }
};

TEST_F(SearchOverTreeTest, EveryKindOfConditionFindsWhatTheSavedTreeGives)
{
    Fill();
    NoStop progress;
    const QString file = dir.filePath(QStringLiteral("saved.db"));
    ASSERT_TRUE(WriteCatalogueFile(tree.Root(), TRecordSource::Catalogue, file, progress).Ok());

    const auto global = [](const char *text, bool substring, bool ignoreCase) {
        return GlobalSearchCondition(QString::fromUtf8(text), substring, ignoreCase);
    };
    const auto field = [](const char *name, bool extension, const char *text, bool ignoreCase) {
        return FieldSearchCondition(QString::fromLatin1(name), extension, QString::fromUtf8(text),
                                    true, ignoreCase);
    };
    const QStringList conditions = {
        global("txt", true, true),
        global("фото", true, true),
        global("фото", true, false),
        global("ЁЛКА", true, true),
        global("4096", false, true),
        global("100%", true, true),
        global("a_b", true, true),
        global("f?to*", false, true),
        field("Label", false, "диск", true),
        field("Label", false, "CD", false),
        field("Path", true, "txt", true),
        field("Path", true, "зип", true),
        field("Path", false, "read_me", false),
        field("Producer", false, "ёлка", true),
        field("Product", false, "DATA", true),
        field("Version", false, "1.0", false),
        field("Description", false, "песня", true),
        SizeExactCondition(4096),
        SizeRangeCondition(1000, 50000),
        SizeRangeCondition(0, 0),
        QueryCondition(
            QStringLiteral(
                R"(((UPPER (Path) LIKE "%ФОТО%") AND (NOT ((ByteSize > 100) OR (Producer IS NULL)))) OR ((Label = "cd_0") AND ((Description LIKE "%песня") OR (Version >= "1"))))"),
            true, true, true),
        QueryCondition(
            QStringLiteral(R"((Path LIKE "%!_%" ESCAPE "!") AND (NOT (Path LIKE "%\")))"), true,
            false, true),
        QueryCondition(QStringLiteral(R"((Path LIKE "_о%") OR (UPPER (Path) LIKE "Ё%"))"), true,
                       true, false),
        QStringLiteral(R"((Label LIKE "%"))") + KindFilter(false, true, false),
    };
    int finding = 0;
    for (const QString &condition : conditions)
        finding += ExpectSameRows(condition) > 0 ? 1 : 0;
    EXPECT_GE(finding, conditions.size() - 3) << "the conditions find rows to compare";
}

TEST_F(SearchOverTreeTest, RecordsWithheldBeforeMatchingAreOnlyThoseTheConditionRefuses)
{
    Fill();
    // A disc whose name alone holds a text; a described folder whose name
    // holds one above items that do not; names with characters the code
    // page lacks; a text only a description holds; Ё, Е and their cases.
    const auto add = [&](const char16_t *label, const char16_t *path, const char16_t *producer,
                         const char16_t *description, bool folder) {
        catalogue.InsertItem(QString::fromUtf16(label), QString::fromUtf16(path),
                             QString::fromUtf16(producer), QString(), QString(), 10,
                             QString::fromUtf16(description), folder);
    };
    add(u"МЕТКА_особая", u"обычная\\x.bin", u"", u"", false);
    add(u"МЕТКА_особая", u"обычная\\y.bin", u"", u"", false);
    add(u"cd_0", u"Архив_txt_папка\\", u"Фирма", u"", true);
    add(u"cd_0", u"Архив_txt_папка\\вложенная\\", u"", u"папка", true);
    add(u"cd_0", u"Архив_txt_папка\\вложенная\\z.bin", u"", u"", false);
    add(u"cd_0", u"знаки\\✓ галочка.bin", u"", u"Особый ✓", false);
    add(u"cd_0", u"Ёжик\\ЁЖИК.dat", u"", u"", false);
    add(u"cd_0", u"ежик.dat", u"Ёжик", u"", false);
    NoStop progress;
    const QString file = dir.filePath(QStringLiteral("saved.db"));
    ASSERT_TRUE(WriteCatalogueFile(tree.Root(), TRecordSource::Catalogue, file, progress).Ok());

    const auto global = [](const char16_t *text, bool ignoreCase) {
        return GlobalSearchCondition(QString::fromUtf16(text), true, ignoreCase);
    };
    // Conditions whose every match needs a text: records are withheld.
    for (const QString &condition : {
             global(u"метка", true),
             global(u"txt", true),
             global(u"ёжик", true),
             global(u"ежик", true),
             global(u"Ёжик", false),
             global(u"особый", true),
             global(u"фирма", true),
             FieldSearchCondition(QStringLiteral("Path"), false, QStringLiteral("метка"), true,
                                  true),
             FieldSearchCondition(QStringLiteral("Description"), false, QStringLiteral("папка"),
                                  true, false),
             QStringLiteral(R"((UPPER (Path) LIKE "%ПАПКА\ВЛОЖЕННАЯ%"))"),
             QStringLiteral(R"((Path LIKE "%папка\"))"),
             QStringLiteral(R"((Path LIKE "%?%"))"),
             QStringLiteral(R"((Path LIKE "%txt%") AND (ByteSize > 100))"),
             QStringLiteral(R"((Label LIKE "cd%") AND (UPPER (Description) LIKE "%ПЕСНЯ%"))"),
         }) {
        ExpectSameRows(condition);
        EXPECT_GT(withheld, 0u) << condition.toStdString();
    }
    // Conditions a record can meet without the text: nothing is withheld.
    for (const QString &condition : {
             global(u"a_b", true),
             QStringLiteral(R"((Path LIKE "%!_%" ESCAPE "!"))"),
             QStringLiteral(R"((Path LIKE "_о%"))"),
             QStringLiteral(R"((Path NOT LIKE "%txt%"))"),
             QStringLiteral(R"((UPPER (Path) LIKE "%TXT%") OR (ByteSize = 4096))"),
             QStringLiteral(R"((NOT (Path LIKE "%txt%")) OR (Label LIKE "%cd%"))"),
         }) {
        EXPECT_GT(ExpectSameRows(condition), 0u);
        EXPECT_EQ(withheld, 0u) << condition.toStdString();
    }
}

TEST_F(SearchOverTreeTest, TextsAtAndPastTheirFieldsEdgesAreCutAsTheSaveCutsThem)
{
    // Deep folders whose paths reach and pass the path field (folders end
    // with "\\", which fits only below the field's size), a long disc name,
    // texts past their fields and characters the code page has not.
    catalogue.InsertItem(QStringLiteral("Очень_длинное_имя_диска_ДЛИННЕЕ_32"), QString(), QString(),
                         QString(), QString(), 0, QString(), false);
    TTreeNode *folder = tree.Root()->Child(0);
    for (int depth = 0; depth < 40; ++depth) {
        // 10 characters a level with the slash: paths of 249 to 259 bytes
        // end near the field's 255 in every position.
        const QString name = QStringLiteral("Папка%1").arg(depth, 4, 10, QLatin1Char('0'));
        folder = tree.AddChild(folder, name, ImageFolder);
        for (int cut = 0; cut < 3; ++cut)
            tree.AddChild(folder, name.left(cut + 1) + QStringLiteral("✓😀"), ImageFolder);
        TTreeNode *file = tree.AddChild(folder, QStringLiteral("файл.TXT"), ImageFile);
        auto description = std::make_unique<TItemDescription>();
        description->Producer = QString(70, u'Ж') + QStringLiteral("txt");
        description->Product = QStringLiteral("txt") + QString(70, u'ю');
        description->Version = QStringLiteral("1.0.0.0.0.0.0.0.txt");
        description->Description = QStringLiteral("Ёлка ✓ песня ") + QString(60, u'я');
        description->Size = int64_t(depth) << 40;
        tree.SetDescription(file, std::move(description));
    }
    NoStop progress;
    const QString file = dir.filePath(QStringLiteral("saved.db"));
    ASSERT_TRUE(WriteCatalogueFile(tree.Root(), TRecordSource::Catalogue, file, progress).Ok());
    for (const QString &condition :
         {GlobalSearchCondition(QStringLiteral("txt"), true, true),
          GlobalSearchCondition(QStringLiteral("?"), true, true),
          QStringLiteral(R"((Path LIKE "%\"))"), QStringLiteral(R"((Label LIKE "Очень%"))"),
          QStringLiteral(R"((Label LIKE "%ДЛИНН%"))"), SizeRangeCondition(1, int64_t(1) << 50)})
        EXPECT_GT(ExpectSameRows(condition), 0u);
}

TEST_F(SearchOverTreeTest, AnEmptyTreeAndAWrongConditionBehaveAsTheirFiles)
{
    NoStop progress;
    const QString file = dir.filePath(QStringLiteral("saved.db"));
    ASSERT_TRUE(WriteCatalogueFile(tree.Root(), TRecordSource::Catalogue, file, progress).Ok());
    ExpectSameRows(QStringLiteral(R"((Label LIKE "%"))"));

    // A condition the engine refuses is refused over the tree as well, and
    // leaves the query closed.
    Fill();
    const std::string statement = *SearchStatement(file, QStringLiteral("(Nothing = 1)"));
    engine::Query query;
    TTreeRecordFeed feed(tree.Root(), TRecordSource::Catalogue);
    EXPECT_THROW(query.Open(statement, feed.Fields(), feed), engine::Error);
    EXPECT_FALSE(query.IsOpen());
}

// Fills a tree in bulk, as loading a catalogue does: each folder holds its
// children in the order they came until somebody looks at it. Names repeat
// exactly in places (two items "keep both" left side by side), some folders
// have descriptions of their own (their rows come before their contents')
// and one folder is looked at half way, so that it holds a sorted part and
// an unsorted one.
void FillInBulk(TTree &tree)
{
    std::mt19937 rng(11);
    static const char16_t *const words[] = {u"Фото", u"фото",    u"data", u"Data", u"ёлка",
                                            u"Елка", u"read_me", u"a_b",  u"z",    u"Я"};
    const auto name = [&](int i) {
        return QString::fromUtf16(words[rng() % std::size(words)]) + QString::number(i % 7);
    };
    const auto describe = [&](TTreeNode *node, int64_t size) {
        auto d = std::make_unique<TItemDescription>();
        d->Size = size;
        d->Description = QStringLiteral("txt %1").arg(size);
        tree.SetDescription(node, std::move(d));
    };
    std::vector<TTreeNode *> folders;
    {
        TTreeUpdate update(tree);
        for (int disc = 5; disc >= 0; --disc) {
            TTreeNode *d =
                tree.AddChild(tree.Root(), QStringLiteral("Диск %1").arg(disc), ImageDisc);
            folders.push_back(d);
            for (int i = 0; i < 400; ++i) {
                TTreeNode *parent = folders[rng() % folders.size()];
                if (rng() % 5 == 0) {
                    TTreeNode *f = tree.AddChild(parent, name(i), ImageFolder);
                    if (rng() % 3 == 0)
                        describe(f, i);
                    folders.push_back(f);
                } else {
                    const QString file =
                        name(i) + (rng() % 2 ? QStringLiteral(".txt") : QStringLiteral(".TXT"));
                    describe(tree.AddChild(parent, file, ImageFile), i);
                    if (rng() % 8 == 0)
                        describe(tree.AddChild(parent, file, ImageFile), 1000 + i);
                }
            }
            folders.resize(1);
            folders[0] = tree.Root();
        }
    }
    TTreeNode *half = tree.Root()->Child(2);
    {
        TTreeUpdate update(tree);
        for (int i = 0; i < 30; ++i)
            describe(tree.AddChild(half, name(i) + QStringLiteral(".txt"), ImageFile), 2000 + i);
    }
}

TEST_F(SearchOverTreeTest, AnUnsortedTreeGivesTheSavedRowsInTheSavedOrder)
{
    // The saved table comes from a twin of the tree, sorted by the save.
    FillInBulk(tree);
    TTree twin;
    FillInBulk(twin);
    NoStop progress;
    const QString file = dir.filePath(QStringLiteral("saved.db"));
    ASSERT_TRUE(WriteCatalogueFile(twin.Root(), TRecordSource::Catalogue, file, progress).Ok());
    const QStringList conditions = {
        QStringLiteral(R"((Label LIKE "%"))"),
        GlobalSearchCondition(QStringLiteral("txt"), true, true),
        GlobalSearchCondition(QStringLiteral("фото"), true, true),
        GlobalSearchCondition(QStringLiteral("data3.txt"), true, false),
        SizeRangeCondition(100, 1200),
        QStringLiteral(R"((Path LIKE "%"))"),
    };
    // Twice: the first search leaves the tree partly sorted.
    for (int round = 0; round < 2; ++round)
        for (const QString &condition : conditions)
            EXPECT_GT(ExpectSameRows(condition), 0u);
}

// A feed that fails part way: the query stays closed and the error comes
// through, whichever side was busy.
class FailingFeed : public engine::RecordFeed {
public:
    explicit FailingFeed(int after) : after_(after) {}
    void Run(engine::RecordSink &sink) override
    {
        for (int i = 0;; ++i) {
            if (i == after_)
                throw engine::Error(engine::ErrIo, "feed failed");
            std::memset(sink.Next(), 'a', 8);
        }
    }

private:
    int after_;
};

TEST(RecordFeedTest, ManyRecordsKeepTheirOrderAndAFailingFeedClosesTheQuery)
{
    // More records than a few batches, numbered: every one matches and the
    // order is the feed's.
    class Numbers : public engine::RecordFeed {
    public:
        void Run(engine::RecordSink &sink) override
        {
            for (int i = 0; i < 100000; ++i) {
                const std::string text = std::to_string(i);
                uint8_t *record = sink.Next();
                std::memset(record, 0, 8);
                std::memcpy(record, text.data(), text.size());
            }
        }
    } numbers;
    const std::vector<engine::FieldDef> fields{engine::FieldDef::Alpha("Name", 8)};
    engine::Query query;
    query.Open(R"(SELECT * FROM "x" WHERE (Name LIKE "%7"))", fields, numbers);
    ASSERT_EQ(query.RecordCount(), 10000u);
    EXPECT_EQ(query.ScannedCount(), 100000u);
    int expected = 7;
    for (bool row = query.First(); row; row = query.Next(), expected += 10)
        ASSERT_EQ(query.ReadText(0), std::to_string(expected));

    // A feed that gives its records backwards and tells where they belong:
    // the rows come in the table's order; a feed that cannot tell fails.
    class Backwards : public engine::RecordFeed {
    public:
        explicit Backwards(bool answers) : answers_(answers) {}
        void Run(engine::RecordSink &sink) override
        {
            for (int i = 999; i >= 0; --i) {
                const std::string text = std::to_string(i);
                uint8_t *record = sink.Next();
                std::memset(record, 0, 8);
                std::memcpy(record, text.data(), text.size());
            }
        }
        bool GivesOutOfOrder() const override { return true; }
        std::vector<uint32_t> TableOrder(const std::vector<uint32_t> &given) override
        {
            std::vector<uint32_t> order;
            for (uint32_t i = uint32_t(given.size()); i-- > 0;)
                order.push_back(i);
            if (!answers_)
                order.pop_back();
            return order;
        }

    private:
        bool answers_;
    };
    Backwards backwards(true);
    query.Open(R"(SELECT * FROM "x" WHERE (Name LIKE "%3"))", fields, backwards);
    ASSERT_EQ(query.RecordCount(), 100u);
    expected = 3;
    for (bool row = query.First(); row; row = query.Next(), expected += 10)
        ASSERT_EQ(query.ReadText(0), std::to_string(expected));
    Backwards wrong(false);
    EXPECT_THROW(query.Open(R"(SELECT * FROM "x")", fields, wrong), engine::Error);
    EXPECT_FALSE(query.IsOpen());

    for (const int after : {0, 5, 50000}) {
        FailingFeed failing(after);
        EXPECT_THROW(query.Open(R"(SELECT * FROM "x")", fields, failing), engine::Error);
        EXPECT_FALSE(query.IsOpen());
    }
}

} // namespace
