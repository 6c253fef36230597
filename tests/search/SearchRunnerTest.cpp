// Running conditions against a real catalogue table or its temporary copy.
#include "search/SearchFixture.h"

#include "engine/Engine.h"
#include "engine/Error.h"
#include "engine/Query.h"
#include "search/SearchConditions.h"
#include "search/SqlErrorText.h"

#include <QRegularExpression>

using namespace qbx;
using namespace qbx::test;

namespace {

const QList<Rec> kKinds = {
    {"CD1", "", "", "", "", 0, ""},
    {"CD1", "Docs\\", "", "", "", 0, ""},
    {"CD1", "Docs\\a.txt", "", "", "", 10, ""},
    {"CD2", "", "", "", "", 0, ""},
    {"CD2", "b.txt", "", "", "", 20, ""},
    {"CD2", "Music\\", "", "", "", 0, ""},
};

const QString kAll = QStringLiteral(R"((Label LIKE "%"))");
const QString kFailed =
    QStringLiteral("В процессе выполнения запроса к базе данных возникла ошибка.");

using SearchRunnerTest = SearchTest;

TEST_F(SearchRunnerTest, EveryKindFilterFindsItsRows)
{
    Open(kKinds);
    struct Case {
        bool discs, folders, files;
        QStringList rows;
    };
    const Case cases[] = {
        {true,
         true,
         true,
         {"CD1|", "CD1|Docs\\", "CD1|Docs\\a.txt", "CD2|", "CD2|b.txt", "CD2|Music\\"}},
        {true, true, false, {"CD1|", "CD1|Docs\\", "CD2|", "CD2|Music\\"}},
        {true, false, true, {"CD1|", "CD1|Docs\\a.txt", "CD2|", "CD2|b.txt"}},
        {true, false, false, {"CD1|", "CD2|"}},
        {false, true, true, {"CD1|Docs\\", "CD1|Docs\\a.txt", "CD2|b.txt", "CD2|Music\\"}},
        {false, true, false, {"CD1|Docs\\", "CD2|Music\\"}},
        {false, false, true, {"CD1|Docs\\a.txt", "CD2|b.txt"}},
        {false, false, false, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FoundPaths(kAll + KindFilter(c.discs, c.folders, c.files)), c.rows)
            << c.discs << c.folders << c.files;

    // The simple searches' texts find what they say.
    const auto field = [](const char *f, const char *t) {
        return FieldCondition(QString::fromLatin1(f), PrepareSearchText(QString::fromUtf8(t), true),
                              true);
    };
    EXPECT_EQ(FoundPaths(field("Path", "*.TXT") + KindFilter(true, false, true)),
              (QStringList{"CD1|Docs\\a.txt", "CD2|b.txt"}));
    EXPECT_EQ(FoundPaths(GlobalCondition(PrepareSearchText("20", true), true)),
              (QStringList{"CD2|b.txt"}));
    EXPECT_EQ(FoundPaths(SizeRangeCondition(5, 15)), (QStringList{"CD1|Docs\\a.txt"}));
    EXPECT_EQ(runner.SearchedTable(), files.Document().FileName) << "the catalogue is searched";
    EXPECT_EQ(copiesWritten, 0) << "no copy without unsaved changes";
    EXPECT_TRUE(commands.Enabled(cmd::OpenDbAction)) << "commands restored";
    EXPECT_EQ(view.status, QString());
}

TEST_F(SearchRunnerTest, EngineErrorsAreReportedInWords)
{
    Open(kKinds);
    EXPECT_EQ(FoundPaths(QStringLiteral("(Label LIKE ")), QStringList{"<closed>"});
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              kFailed + QStringLiteral("\r\n\nОжидалось имя поля, строка или число, а "
                                       "найдено: конец условия."));
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Поиск в базе данных"));
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_FALSE(shell.CommandsFrozen());

    // A file problem is told in words, not in the engine's English.
    ASSERT_TRUE(QFile::remove(files.Document().FileName));
    FoundPaths(QStringLiteral("(Label LIKE '%')"));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[1].text, kFailed + QStringLiteral("\r\n\nФайл не найден."));
}

TEST_F(SearchRunnerTest, EverySyntaxErrorOfTheEngineHasItsWords)
{
    Open(kKinds);
    // One malformed condition for each report of the engine's SQL reader.
    const char *const conditions[] = {
        "Label LIKE",
        "Nope = 1",
        "Label = 'x",
        "ByteSize LIKE \"a\"",
        "UPPER (ByteSize) = \"A\"",
        "Label LIKE Path",
        "Label = 1",
        "(Label = \"a\"))",
        "Label LIKE \"a\" ESCAPE \"ab\"",
        "Label LIKE \"a\" ESCAPE 1",
        "ByteSize = 1e999",
        "ByteSize = 12abc",
        "Label = #",
        "Label = !",
        "Label ~ 1",
        "ByteSize = - Label",
        "T. = 1",
        "UPPER Label = 1",
        "Label IS 1",
        "Label \x01 = 1",
    };
    for (const char *condition : conditions) {
        SCOPED_TRACE(condition);
        try {
            engine::Query q;
            q.Open(*SearchStatement(files.Document().FileName, QString::fromLatin1(condition)));
            ADD_FAILURE() << "no error";
        } catch (const engine::Error &e) {
            ASSERT_EQ(e.code(), engine::ErrSqlSyntax) << e.what();
            const TSqlProblem p = SqlProblem(QString::fromUtf8(e.what()));
            EXPECT_NE(p.text, QStringLiteral("неверное условие")) << e.what();
            EXPECT_GT(p.position, 0);
            static const QRegularExpression english(QStringLiteral("\\b[a-z]{3,}\\b"));
            EXPECT_FALSE(english.match(p.text).hasMatch()) << p.text.toStdString();
        }
    }
    // A report of an unknown form is told as a general one.
    EXPECT_EQ(SqlProblem(QStringLiteral("Something new at position 3.")).text,
              QStringLiteral("неверное условие"));
}

TEST_F(SearchRunnerTest, UnsavedChangesAreSearchedInTheTemporaryCopy)
{
    Open(kKinds);
    copyRecords = {{"NEW", "", "", "", "", 0, ""}, {"NEW", "x.txt", "", "", "", 1, ""}};
    shell.Unsaved().Set(true);
    document.TreeChanged = true;
    EXPECT_EQ(FoundPaths(kAll + KindFilter(false, true, true)), QStringList{"NEW|x.txt"});
    EXPECT_EQ(copiesWritten, 1);
    const QString copy = runner.SearchedTable();
    EXPECT_TRUE(copy.endsWith(QStringLiteral("Qbx1.tmp")));
    // Unchanged since: the copy is not written again.
    EXPECT_EQ(FoundPaths(kAll).size(), 2);
    EXPECT_EQ(copiesWritten, 1);

    // Saved: the catalogue's own file is searched, and the copy is left to
    // its maker (the saving), which still deletes it later.
    shell.Unsaved().Set(false);
    EXPECT_EQ(FoundPaths(kAll).size(), 6);
    EXPECT_EQ(runner.SearchedTable(), files.Document().FileName);
    EXPECT_EQ(searchCopy, copy);

    // A copy that cannot be written is not searched.
    shell.Unsaved().Set(true);
    document.TreeChanged = true;
    copyFails = true;
    EXPECT_EQ(FoundPaths(kAll), QStringList{"<closed>"});
    EXPECT_TRUE(boxes.shown.isEmpty()) << "the failed copy reported itself";
}

TEST_F(SearchRunnerTest, TextTheCatalogueCannotHoldIsRefused)
{
    Open(kKinds);
    EXPECT_EQ(FoundPaths(QStringLiteral(R"((Label LIKE "%漢字%"))")), QStringList{"<closed>"});
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("漢字")))
        << boxes.shown[0].text.toStdString();
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);

    // Accents of letters the catalogue lacks are dropped, as in names.
    EXPECT_EQ(FoundPaths(QStringLiteral(R"((UPPER (Path) LIKE "%MÜSIC%"))")),
              QStringList{"CD2|Music\\"});
}

TEST_F(SearchRunnerTest, PrivateDirectoryFollowsFreeSpace)
{
    FakeDisks d;
    const QString temp = "/tmp/", app = "/opt/q/";
    const QStringList fixed = {"/", "/home/", "/data/", "/big/"};
    d.volume = {{temp, "/"},          {app, "/"},           {"/", "/"},
                {"/home/", "/home/"}, {"/data/", "/data/"}, {"/big/", "/big/"}};
    d.free = {{temp, 100},    {app, 100},       {"/", 100},
              {"/home/", 50}, {"/data/", 5000}, {"/big/", 9000}};
    // Room enough in the temporary folder, or the table's size not known.
    EXPECT_EQ(ChoosePrivateDirectory(90, temp, app, fixed, d.Space()), temp);
    EXPECT_EQ(ChoosePrivateDirectory(-1, temp, app, fixed, d.Space()), temp);
    // Short everywhere but on /data: the volume of both folders is skipped.
    EXPECT_EQ(ChoosePrivateDirectory(1000, temp, app, fixed, d.Space()), "/data/");
    // The program's folder has room.
    d.free[app] = 2000;
    EXPECT_EQ(ChoosePrivateDirectory(1000, temp, app, fixed, d.Space()), app);
    // Nothing has room: the last drive tried.
    d.free[app] = 10;
    EXPECT_EQ(ChoosePrivateDirectory(100000, temp, app, fixed, d.Space()), "/big/");
    // No drive to try: the program's folder stays.
    EXPECT_EQ(ChoosePrivateDirectory(100000, temp, app, {"/"}, d.Space()), app);
    // Free space not known for the temporary folder: no comparison.
    d.free.remove(temp);
    EXPECT_EQ(ChoosePrivateDirectory(100000, temp, app, fixed, d.Space()), temp);

    // The runner hands the choice to the engine.
    Open(kKinds);
    disks.free = {{environment.TempFolder, 1}, {environment.AppFolder, 1 << 30}};
    FoundPaths(kAll);
    EXPECT_EQ(QString::fromStdString(engine::PrivateDirectory()), environment.AppFolder);
}

} // namespace
