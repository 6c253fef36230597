// Running conditions against a real catalogue table or the unsaved tree.
#include "search/SearchFixture.h"

#include "engine/Engine.h"
#include "engine/Error.h"
#include "engine/FileSystem.h"
#include "engine/Query.h"
#include "platform/EngineFileName.h"
#include "search/SearchConditions.h"
#include "search/SqlErrorText.h"

#include <QDateTime>
#include <QDir>
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

const QString kEveryRow = QStringLiteral(R"((Label LIKE "%"))");
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
        EXPECT_EQ(FoundPaths(kEveryRow + KindFilter(c.discs, c.folders, c.files)), c.rows)
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
    EXPECT_FALSE(modes.CommandsFrozen());

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

TEST_F(SearchRunnerTest, UnsavedChangesAreSearchedInTheTreeWithoutAFile)
{
    OpenChanged(kKinds, [this] {
        catalogue.InsertItem("NEW", "x.txt", "", "", "", 1, "", false);
        catalogue.DeleteNode(mainTree.Root()->Child(0)); // CD1
    });
    const QStringList before = QDir(environment.TempFolder).entryList(QDir::Files);
    EXPECT_EQ(FoundPaths(kEveryRow + KindFilter(false, true, true)),
              (QStringList{"CD2|Music\\", "CD2|b.txt", "NEW|x.txt"}));
    runner.ExecuteSearch(kEveryRow);
    EXPECT_EQ(query.ScannedCount(), 3u) << "the tree's records (discs with items give none)";
    EXPECT_EQ(QDir(environment.TempFolder).entryList(QDir::Files), before) << "no copy written";
    EXPECT_TRUE(modes.Unsaved().Any()) << "a search is no save";

    // Saved: the catalogue's own file is searched, with the same rows.
    modes.Unsaved().Set(false);
    EXPECT_EQ(FoundPaths(kEveryRow).size(), 6);
    EXPECT_EQ(runner.SearchedTable(), files.Document().FileName);
    modes.Unsaved().Set(true);
    EXPECT_EQ(FoundPaths(kEveryRow).size(), 3);
    EXPECT_TRUE(runner.SearchedTable().isEmpty()) << "the tree, not a file";
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SearchRunnerTest, CopiesThatKilledProgramsOfEarlierVersionsLeftGo)
{
    const QString temp = dir.path() + "/temp";
    ASSERT_TRUE(QDir().mkpath(temp));
    environment.TempFolder = temp + '/';
    const auto make = [&](const QString &name, int ageSeconds) {
        QFile f(temp + '/' + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        EXPECT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                  QFileDevice::FileModificationTime));
    };
    make("QbxAb3dE9.tmp", 3600);             // left by a killed program
    make(".QbxAb3dE9.tmp.Zx81Qp.tmp", 3600); // its half-written replacement
    make("QbxFresh1.tmp", 10);               // another program is making it
    make("QbxHeld12.tmp", 3600);             // another program uses it
    make("Qbxnotours.txt", 3600);            // not a copy
    const std::unique_ptr<engine::File> held = engine::SystemFileSystem().Open(
        EngineFileName(temp + "/QbxHeld12.tmp"), false, engine::FileLock::Shared);

    OpenChanged(kKinds, [this] { catalogue.InsertItem("NEW", "", "", "", "", 0, "", false); });
    EXPECT_EQ(FoundPaths(kEveryRow).size(), 4);
    EXPECT_EQ(QDir(temp).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"QbxFresh1.tmp", "QbxHeld12.tmp", "Qbxnotours.txt"}));
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
    FoundPaths(kEveryRow);
    EXPECT_EQ(QString::fromStdString(engine::PrivateDirectory()), environment.AppFolder);
}

} // namespace
