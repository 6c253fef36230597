#include "CliFixture.h"

#include "platform/Codec.h"
#include "search/QueryCondition.h"
#include "search/QueryFile.h"
#include "search/QueryTree.h"

#include <QFile>

namespace qbx::test {
namespace {

class CliQuery : public CliTest {
protected:
    QString cat = Write("cat.db", SampleRecords());

    // A query file as the query editor saves it: 1251, tabs, CR LF.
    QString QueryFile(const QString &name, const QString &text)
    {
        QFile f(PathOf(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(codec::ToCp1251Bytes(QString(text).replace("\n", "\r\n"), nullptr));
        return PathOf(name);
    }
};

TEST_F(CliQuery, SavedQueryFindsTheRowsOfItsConditionWithTheKindFilter)
{
    const QString text = "?\n\tИЛИ\n\t\t[Производитель] СОДЕРЖИТ [id]\n\t\t[Размер] >= [1 МБ]\n";
    const QString file = QueryFile("q.cdq", text);
    const CliRun r = Run({"search", cat, "--query", file, "--format", "tsv"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(Lines(r), QStringList({"DISC1\tGames\\Doom.exe\tId\tDoom\t1.9\t2048\tshooter",
                                     "DISC2\tЁлка.txt\t\t\t\t1048576\t"}));
    // The condition the query dialog would run for the same tree.
    const auto tree = ReadQueryFile(file);
    ASSERT_TRUE(tree);
    EXPECT_EQ(Lines(r),
              CoreSearchRows(cat, QueryCondition(BuildCondition(*tree->Top()), true, true, true)));

    const CliRun folders = Run({"search", cat, "--query", file, "--kinds", "discs,folders"});
    EXPECT_EQ(folders.status, 1);
    EXPECT_EQ(folders.out, "");
}

TEST_F(CliQuery, BadQueryFilesAreRefusedWithTheirReason)
{
    const struct {
        QString file;
        QString message;
    } cases[] = {
        {PathOf("missing.cdq"), PathOf("missing.cdq") + ": файл не найден"},
        {QueryFile("two.cdq", "?\nИ\n"), PathOf("two.cdq") +
                                             ": файл сложного запроса недоступен или имеет "
                                             "неверный формат"},
        {QueryFile("bad.cdq", "?\n\t[Цвет] РАВНО [x]\n"),
         PathOf("bad.cdq") + ": файл сложного запроса недоступен или имеет неверный формат"},
        {QueryFile("undefined.cdq", "И\n\t[НЕ ОПРЕДЕЛЕНО]\n\t[Размер] = [1]\n"),
         PathOf("undefined.cdq") + ": в запросе не полностью определено сравнение"},
        {QueryFile("empty.cdq", "?\n\tИ\n\t\tНЕ\n"),
         PathOf("empty.cdq") + ": с логической точки зрения запрос пуст"},
    };
    for (const auto &c : cases) {
        const CliRun r = Run({"search", cat, "--query", c.file});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "qubrix-cli: " + c.message + "\n");
    }
    const QString good = QueryFile("good.cdq", "?\n\t[Размер] = [100]\n");
    EXPECT_EQ(Run({"search", cat, "text", "--query", good}).status, 2);
    EXPECT_EQ(Run({"search", cat, "--sql", "ByteSize = 1", "--query", good}).status, 2);
}

TEST_F(CliQuery, ViewsPrintTheResultTreeOfEachPresentation)
{
    const QStringList search{"search", cat, "doom"};
    EXPECT_EQ(Run(search + QStringList{"--view", "standard"}).out,
              "DISC1\n\tGames\n\t\tDoom.exe  (2.00 кБ)\nDISC2\n\tdoom2.wad  (4.00 кБ)\n");
    EXPECT_EQ(Run(search + QStringList{"--view", "producer"}).out,
              "\n\tdoom2.wad  (4.00 кБ)\nId\n\tDoom.exe  (2.00 кБ)\n");
    EXPECT_EQ(Run(search + QStringList{"--view", "list"}).out,
              "DISC1\\Games\\Doom.exe  (2.00 кБ)\nDISC2\\doom2.wad  (4.00 кБ)\n");
    EXPECT_EQ(Run(search + QStringList{"--view=leaf"}).out,
              "Doom.exe  (2.00 кБ)\ndoom2.wad  (4.00 кБ)\n");

    const CliRun tsv = Run(search + QStringList{"--view", "leaf", "--format", "tsv"});
    EXPECT_EQ(tsv.status, 2);
    EXPECT_EQ(Run(search + QStringList{"--view", "tree"}).status, 2);
}

} // namespace
} // namespace qbx::test
