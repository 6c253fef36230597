#include "CliFixture.h"

#include "search/SearchConditions.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qbx::test {
namespace {

class CliSearch : public CliTest {
protected:
    QString cat = Write("cat.db", SampleRecords());

    QStringList CoreRows(const QString &condition) const { return CoreSearchRows(cat, condition); }
};

TEST_F(CliSearch, GivesTheRowsOfTheSimpleSearchConditions)
{
    const CliRun global = Run({"search", cat, "doom", "--format", "tsv"});
    EXPECT_EQ(global.status, 0);
    EXPECT_EQ(Lines(global), CoreRows(GlobalSearchCondition("doom", true, true)));
    EXPECT_EQ(Lines(global).size(), 2);

    const CliRun field = Run({"search", cat, "txt", "--field", "ext", "--format=tsv"});
    EXPECT_EQ(Lines(field), CoreRows(FieldSearchCondition("Path", true, "txt", true, true)));
    EXPECT_EQ(Lines(field).size(), 2);

    const CliRun exact = Run({"search", cat, "DISC2", "--field", "label", "--exact", "--case",
                              "--kinds", "discs", "--format", "tsv"});
    EXPECT_EQ(Lines(exact), QStringList{"DISC2\t\t\t\t\t0\t"});

    const CliRun range = Run({"search", cat, "--size-range", "2k", "1M", "--format", "tsv"});
    EXPECT_EQ(Lines(range), CoreRows(SizeRangeCondition(2048, 1048576)));
    EXPECT_EQ(Lines(range).size(), 3);

    const CliRun sql = Run({"search", cat, "--sql", "ByteSize = 100", "--format", "tsv"});
    EXPECT_EQ(Lines(sql), QStringList{"DISC1\tGames\\readme.TXT\t\t\t\t100\t"});
}

TEST_F(CliSearch, AccentedTextFindsTheNamesItWasStoredAs)
{
    const QString music = Write("music.db", {{"CD", "", "", "", "", 0, ""},
                                             {"CD", "Bjork - Joga.mp3", "Bjork", "", "", 5, ""}});
    for (const QStringList &extra : {QStringList{}, QStringList{"--field", "path"},
                                     QStringList{"--field", "producer"}, QStringList{"--case"}}) {
        const CliRun r = Run(QStringList{"search", music, "Björk", "--format", "tsv"} + extra);
        EXPECT_EQ(Lines(r).size(), 1) << extra.join(u' ').toStdString();
    }
    const CliRun exact =
        Run({"search", music, "Björk - Jóga.mp3", "--field", "path", "--exact", "--format", "tsv"});
    EXPECT_EQ(Lines(exact).size(), 1);
}

TEST_F(CliSearch, ControlCharactersOfStoredNamesShowInTextOutput)
{
    // A crafted catalogue: an escape sequence that would clear a terminal,
    // a carriage return that would overwrite the line.
    const QString odd = Write("odd.db", {{"CD", "", "", "", "", 0, ""},
                                         {"CD", "a\x1B[2Jb.txt", "", "", "", 5, ""},
                                         {"CD", "fake\rok.txt", "", "", "", 6, ""}});
    for (const QStringList &args :
         {QStringList{"search", odd, "txt"}, QStringList{"search", odd, "txt", "--view", "list"},
          QStringList{"tree", odd}, QStringList{"dupes", odd, "--min-size", "1"},
          QStringList{"stats", odd}}) {
        const CliRun r = Run(args);
        EXPECT_FALSE(r.out.contains(u'\x1B')) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.out.contains(u'\r')) << args.join(u' ').toStdString();
    }
    EXPECT_TRUE(Run({"search", odd, "txt"}).out.contains(QStringLiteral("a\uFFFD[2Jb.txt")));
    // Data formats keep the data, escaped as the format says.
    const CliRun json = Run({"search", odd, "fake", "--format", "json"});
    EXPECT_TRUE(json.out.contains(QStringLiteral("fake\\rok.txt"))) << json.out.toStdString();
}

TEST_F(CliSearch, TriesYeForYoAndSaysNothingFoundWithStatusOne)
{
    const CliRun yo = Run({"search", cat, "ёлка", "--format", "tsv"});
    EXPECT_EQ(yo.status, 0);
    EXPECT_EQ(Lines(yo).size(), 1);

    const CliRun none = Run({"search", cat, "nothing-like-this"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.isEmpty());
    EXPECT_EQ(Run({"search", cat, "zzz", "--format", "json"}).out, "[]\n");
}

TEST_F(CliSearch, JsonIsAnArrayOfTheSevenFields)
{
    const CliRun r =
        Run({"search", cat, "Doom.exe", "--exact", "--field", "path", "--format", "json"});
    // No match: the path field holds "Games\Doom.exe".
    EXPECT_EQ(r.status, 1);
    const CliRun all = Run({"search", cat, "shooter", "--format", "json"});
    ASSERT_EQ(all.status, 0);
    const QJsonArray rows = QJsonDocument::fromJson(all.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 1);
    const QJsonObject o = rows[0].toObject();
    EXPECT_EQ(o.keys().size(), 7);
    EXPECT_EQ(o["Path"].toString(), "Games\\Doom.exe");
    EXPECT_EQ(o["ByteSize"].toInteger(), 2048);
    EXPECT_EQ(o["Producer"].toString(), "Id");
}

TEST_F(CliSearch, BadInputGivesOneLineAndStatusTwoAndLeavesTheFile)
{
    QFile other(PathOf("notes.db"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a table at all");
    other.close();
    const auto hash = [&] {
        QFile f(cat);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = hash();
    const QList<QStringList> bad = {
        {"search", PathOf("missing.db"), "x"},
        {"search", PathOf("notes.db"), "x"},
        {"search", dir.path(), "x"},
        {"search", cat, "x", "--bogus"},
        {"search", cat, "--sql", "Label LIKE"},
        {"search", cat, "--sql", "NoSuchField = 1"},
        {"search", cat, "--size", "12 parsecs"},
        {"search", cat, "--size-range", "2k", "1k"},
        {"search", cat, "x", "--field", "colour"},
        {"search", cat, "x", "--format", "xml"},
        {"search", cat},
        {"frobnicate"},
        {},
    };
    for (const QStringList &args : bad) {
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("qubrix-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    }
    EXPECT_EQ(hash(), before);
}

TEST_F(CliTest, TsvKeepsOneRecordPerLineWhateverTheDescriptionHolds)
{
    const QString cat = Write("tabs.db", {{"D", "a.txt", "", "", "", 1, "one\ttwo\r\nthree"}});
    const CliRun r = Run({"search", cat, "two", "--format", "tsv"});
    EXPECT_EQ(r.out, "D\ta.txt\t\t\t\t1\tone two  three\n");
}

TEST_F(CliTest, OutputThatCannotBeWrittenIsAnError)
{
    // More than stdio buffers, so the write fails before the final flush.
    QList<Rec> records;
    for (int i = 0; i < 400; ++i)
        records.append(
            {"D", QStringLiteral("folder\\file number %1.txt").arg(i), "", "", "", 1, ""});
    const QString cat = Write("many.db", records);
    for (const char *format : {"tsv", "text"}) {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(QBX_CLI_PATH), {"search", cat, "file", "--format", format});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 2) << format;
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("не удалось вывести"));
    }
}

TEST_F(CliSearch, SqlErrorsPointIntoTheConditionAsTyped)
{
    // The statement around the condition holds the file name: its length
    // must not shift the position the user is shown.
    for (const QStringList &extra : {QStringList(), QStringList{"--kinds", "files"}}) {
        const CliRun r = Run(QStringList{"search", cat, "--sql", "Nope = 1"} + extra);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "qubrix-cli: ошибка в условии --sql в позиции 1: неизвестное поле "
                         "\"Nope\"\n");
    }
    EXPECT_TRUE(
        Run({"search", cat, "--sql", "Label = \"x\" AND Nope = 1"}).err.contains("в позиции 17:"));
    // Told in the program's words, whatever the engine found.
    EXPECT_EQ(Run({"search", cat, "--sql", "Label LIKE"}).err,
              "qubrix-cli: ошибка в условии --sql в позиции 11: ожидалось имя поля, строка или "
              "число, а найдено: конец условия\n");
    EXPECT_EQ(Run({"search", cat, "--sql", "Label = 'x"}).err,
              "qubrix-cli: ошибка в условии --sql в позиции 9: строка не закрыта кавычкой\n");
}

TEST_F(CliSearch, TextOptionsWithoutTextAreRefusedNotIgnored)
{
    for (const QStringList &args :
         {QStringList{"--size", "2k", "--exact"}, QStringList{"--sql", "ByteSize = 2048", "--case"},
          QStringList{"--size-range", "1", "2", "--field", "path"}}) {
        const CliRun r = Run(QStringList{"search", cat} + args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("--field, --case и --exact относятся только к поиску текста"))
            << r.err.toStdString();
    }
}

TEST_F(CliSearch, HelpAndVersion)
{
    const CliRun help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("search"));
    EXPECT_TRUE(help.out.contains("tree"));
    const CliRun version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("qubrix-cli "));
}

} // namespace
} // namespace qbx::test
