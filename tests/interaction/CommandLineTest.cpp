// The file named on the command line: which files open, how relative names
// are found in the current folder or the program's folder, and query files.
#include "ModeLogicFixture.h"

#include "interaction/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qbx::test {
namespace {

class CommandLineTest : public ModeLogicTest {
protected:
    QTemporaryDir app;  // the program's folder
    QTemporaryDir work; // the current folder
    QString oldCurrent = QDir::currentPath();

    void TearDown() override { QDir::setCurrent(oldCurrent); }

    static void Touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString AppFolder() const { return app.path() + u'/'; }
};

TEST_F(CommandLineTest, AbsoluteNamesOpenAsGivenAndCdqInAnyCaseIsAQuery)
{
    Touch(work.filePath("Диски.db"));
    Touch(work.filePath("Q.CDQ"));
    Touch(work.filePath("q.Cdq"));

    TCommandLineFile f =
        ResolveCommandLine({work.filePath("Диски.db")}, AppFolder(), QDir::currentPath());
    EXPECT_EQ(f.kind, TCommandLineFile::Catalogue);
    EXPECT_EQ(f.path, work.filePath("Диски.db"));

    f = ResolveCommandLine({work.filePath("Q.CDQ"), work.filePath("Диски.db")}, AppFolder(),
                           QDir::currentPath());
    EXPECT_EQ(f.kind, TCommandLineFile::Query);
    EXPECT_EQ(f.path, work.filePath("Q.CDQ"));
    EXPECT_EQ(ResolveCommandLine({work.filePath("q.Cdq")}, AppFolder(), QDir::currentPath()).kind,
              TCommandLineFile::Query);
}

TEST_F(CommandLineTest, MissingFilesAndFoldersOpenNothing)
{
    EXPECT_EQ(ResolveCommandLine({}, AppFolder(), work.path()).kind, TCommandLineFile::None);
    EXPECT_EQ(ResolveCommandLine({work.filePath("none.db")}, AppFolder(), work.path()).kind,
              TCommandLineFile::None);
    EXPECT_EQ(ResolveCommandLine({work.path()}, AppFolder(), work.path()).kind,
              TCommandLineFile::None);
}

TEST_F(CommandLineTest, RelativeNameIsFoundInTheCurrentFolderFirst)
{
    Touch(work.filePath("cats/a.db"));
    Touch(app.filePath("cats/a.db"));
    const TCommandLineFile f = ResolveCommandLine({"cats/a.db"}, AppFolder(), work.path());
    EXPECT_EQ(f.kind, TCommandLineFile::Catalogue);
    EXPECT_EQ(f.path, work.filePath("cats/a.db"));
    EXPECT_EQ(f.folder, work.filePath("cats"));

    Touch(work.filePath("b.db"));
    EXPECT_EQ(ResolveCommandLine({"./b.db"}, AppFolder(), work.path()).path, work.filePath("b.db"));
}

TEST_F(CommandLineTest, RelativeNameMissingHereIsTakenFromTheProgramFolder)
{
    Touch(app.filePath("cats/c.db"));
    const TCommandLineFile f = ResolveCommandLine({"cats/c.db"}, AppFolder(), work.path());
    EXPECT_EQ(f.kind, TCommandLineFile::Catalogue);
    EXPECT_EQ(f.path, app.filePath("cats/c.db"));
    EXPECT_EQ(f.folder, app.filePath("cats"));
    EXPECT_EQ(ResolveCommandLine({"cats/none.db"}, AppFolder(), work.path()).kind,
              TCommandLineFile::None);
}

TEST_F(CommandLineTest, QueryFileIsHandedToTheQueryEditor)
{
    Touch(app.filePath("q/Поиск.CDQ"));
    environment.AppFolder = AppFolder();
    modes.OpenCommandLine({"q/Поиск.CDQ"}, work.path());
    // The catalogue files take it as a query file (see OpenCatalogueTest).
    EXPECT_EQ(catalogue.opened, QStringList{app.filePath("q/Поиск.CDQ")});
    EXPECT_EQ(QDir::currentPath(), app.filePath("q"));
}

TEST_F(CommandLineTest, CatalogueIsOpenedWithoutTheDialog)
{
    Touch(work.filePath("d.db"));
    modes.OpenCommandLine({work.filePath("d.db")}, work.path());
    EXPECT_EQ(catalogue.opened, QStringList{work.filePath("d.db")});
    EXPECT_FALSE(document.QueryFilePending);
}

} // namespace
} // namespace qbx::test
