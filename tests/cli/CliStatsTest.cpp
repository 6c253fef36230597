#include "CliFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qbx::test {
namespace {

// Three discs: folders given by records and folders only implied by paths,
// a folder record carrying a size of its own (not to be counted twice),
// names differing only in case, files of size 0 and without extension.
class CliCatalogueFacts : public CliTest {
protected:
    QString cat = Write("cat.db", {{"DISC1", "", "", "", "", 0, ""},
                                   {"DISC1", "Games\\", "", "", "", 0, ""},
                                   {"DISC1", "Games\\Doom.exe", "Id", "Doom", "1.9", 2048, ""},
                                   {"DISC1", "Games\\readme.TXT", "", "", "", 100, ""},
                                   {"DISC1", "Music\\", "", "", "", 7777, ""},
                                   {"DISC1", "Music\\Rock\\song.mp3", "", "", "", 5000000, ""},
                                   {"DISC2", "doom.EXE", "", "", "", 2048, ""},
                                   {"DISC2", "readme.txt", "", "", "", 100, ""},
                                   {"DISC2", "a\\readme.txt", "", "", "", 100, ""},
                                   {"DISC2", "empty.dat", "", "", "", 0, ""},
                                   {"DISC2", "noext", "", "", "", 10, ""},
                                   {"DISC2", ".hidden", "", "", "", 5, ""},
                                   {"DISC3", "x.bin", "", "", "", 3000, ""},
                                   {"DISC3", "y\\x.BIN", "", "", "", 3000, ""},
                                   {"DISC3", "tiny.txt", "", "", "", 1, ""}});
};

TEST_F(CliCatalogueFacts, StatsCountPerDiscLargestFilesAndExtensions)
{
    const CliRun r = Run({"stats", cat});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Дисков: 3, папок: 5, файлов: 12, размер: 4.78 МБ (5010412 байт)\n"
                     "\n"
                     "Диск   Папок  Файлов   Размер\n"
                     "DISC1      3       3  4.77 МБ\n"
                     "DISC2      1       6  2.21 кБ\n"
                     "DISC3      1       3  5.86 кБ\n"
                     "\n"
                     "  Размер  Самые большие файлы\n"
                     " 4.77 МБ  DISC1\\Music\\Rock\\song.mp3\n"
                     " 2.93 кБ  DISC3\\y\\x.BIN\n"
                     " 2.93 кБ  DISC3\\x.bin\n"
                     " 2.00 кБ  DISC1\\Games\\Doom.exe\n"
                     " 2.00 кБ  DISC2\\doom.EXE\n"
                     "100 байт  DISC1\\Games\\readme.TXT\n"
                     "100 байт  DISC2\\a\\readme.txt\n"
                     "100 байт  DISC2\\readme.txt\n"
                     " 10 байт  DISC2\\noext\n"
                     "  5 байт  DISC2\\.hidden\n"
                     "\n"
                     "Расширение  Файлов    Размер\n"
                     ".mp3             1   4.77 МБ\n"
                     ".bin             2   5.86 кБ\n"
                     ".exe             2   4.00 кБ\n"
                     ".txt             4  301 байт\n"
                     "(нет)            2   15 байт\n"
                     ".dat             1    0 байт\n");
}

TEST_F(CliCatalogueFacts, StatsForScriptsInTsvAndJson)
{
    const CliRun tsv = Run({"stats", cat, "--format", "tsv"});
    EXPECT_EQ(tsv.status, 0);
    const QStringList lines = tsv.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 3 + 10 + 6);
    EXPECT_EQ(lines[0], "total\t3\t5\t12\t5010412");
    EXPECT_EQ(lines[2], "disc\tDISC2\t1\t6\t2263");
    EXPECT_EQ(lines[4], "largest\tDISC1\tMusic\\Rock\\song.mp3\t5000000");
    EXPECT_EQ(lines[18], "extension\t\t2\t15");

    const CliRun json = Run({"stats", cat, "--format=json"});
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(o["total"]["discs"].toInt(), 3);
    EXPECT_EQ(o["total"]["bytes"].toInteger(), 5010412);
    EXPECT_EQ(o["discs"][2]["label"].toString(), "DISC3");
    EXPECT_EQ(o["largest"].toArray().size(), 10);
    EXPECT_EQ(o["largest"][1]["Path"].toString(), "y\\x.BIN");
    EXPECT_EQ(o["extensions"][3]["files"].toInt(), 4);
}

TEST_F(CliCatalogueFacts, DupesGroupSameNameAndSizeByWastedBytes)
{
    const CliRun r = Run({"dupes", cat});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "x.BIN: 2 × 2.93 кБ, лишние 2.93 кБ\n"
                     "  DISC3\\y\\x.BIN\n"
                     "  DISC3\\x.bin\n"
                     "\n"
                     "Doom.exe: 2 × 2.00 кБ, лишние 2.00 кБ\n"
                     "  DISC1\\Games\\Doom.exe\n"
                     "  DISC2\\doom.EXE\n"
                     "\n"
                     "readme.TXT: 3 × 100 байт, лишние 200 байт\n"
                     "  DISC1\\Games\\readme.TXT\n"
                     "  DISC2\\a\\readme.txt\n"
                     "  DISC2\\readme.txt\n"
                     "\n"
                     "Групп: 3, лишние: 5.13 кБ (5248 байт)\n");

    // Only copies on two discs or more; only files of 1 kB and more.
    const CliRun across =
        Run({"dupes", cat, "--across-discs", "--min-size", "1k", "--format", "tsv"});
    EXPECT_EQ(across.status, 0);
    EXPECT_EQ(across.out, "1\t2048\tDISC1\tGames\\Doom.exe\n"
                          "1\t2048\tDISC2\tdoom.EXE\n");

    const CliRun json = Run({"dupes", cat, "--min-size", "3000", "--format", "json"});
    const QJsonArray groups = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0]["copies"].toInt(), 2);
    EXPECT_EQ(groups[0]["wasted"].toInteger(), 3000);
    EXPECT_EQ(groups[0]["files"][1]["Path"].toString(), "x.bin");

    const CliRun none = Run({"dupes", cat, "--min-size", "1G"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "Групп: 0, лишние: 0 байт (0 байт)\n");
}

TEST_F(CliTest, StatsAndDupesOfAnEmptyCatalogue)
{
    const QString cat = Write("empty.db", {});
    const CliRun stats = Run({"stats", cat});
    EXPECT_EQ(stats.status, 0);
    EXPECT_EQ(stats.out, "Дисков: 0, папок: 0, файлов: 0, размер: 0 байт (0 байт)\n");
    EXPECT_EQ(Run({"dupes", cat, "--format", "json"}).out, "[]\n");
}

TEST_F(CliTest, StatsOfHugeSizesHoldAtTheLargestSize)
{
    const QString cat = Write(
        "huge.db", {{"A", "f.iso", "", "", "", 6e18, ""}, {"B", "g.iso", "", "", "", 6e18, ""}});
    const CliRun tsv = Run({"stats", cat, "--format", "tsv"});
    EXPECT_EQ(tsv.status, 0);
    const QStringList lines = tsv.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], "total\t2\t0\t2\t9223372036854775807");
    EXPECT_TRUE(lines.contains("extension\t.iso\t2\t9223372036854775807"));
}

} // namespace
} // namespace qbx::test
