// The program installed into a temporary prefix: where its files lie, and
// that the installed program starts and finds its help file.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "options/TOptions.h"
#include "platform/AppPaths.h"
#include "interaction/CommandTable.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace qbx::test {
namespace {

class InstallTest : public ::testing::Test {
protected:
    // One installation for all tests of the suite.
    static void SetUpTestSuite()
    {
        prefix_ = new QTemporaryDir;
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(QBX_CMAKE_COMMAND),
                      {"--install", QStringLiteral(QBX_BUILD_DIR), "--prefix", prefix_->path()});
        install.waitForFinished(120000);
        installLog_ = new QString(QString::fromLocal8Bit(install.readAll()));
        installed_ = install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
    }
    static void TearDownTestSuite()
    {
        delete prefix_;
        delete installLog_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << installLog_->toStdString(); }

    static QString Path(const QString &relative) { return prefix_->path() + "/" + relative; }

    static inline QTemporaryDir *prefix_ = nullptr;
    static inline QString *installLog_ = nullptr;
    static inline bool installed_ = false;
};

TEST_F(InstallTest, FilesFollowTheLinuxLayout)
{
    for (const char *file :
         {"bin/qubrix", "bin/qbx-table", "share/qubrix/qubrix.qch",
          "share/applications/qubrix.desktop", "share/mime/packages/qubrix.xml",
          "share/metainfo/com.tolvenar.qubrix.metainfo.xml",
          "share/icons/hicolor/48x48/apps/qubrix.png",
          "share/icons/hicolor/32x32/mimetypes/application-x-qubrix-catalogue.png",
          "share/man/man1/qubrix.1.gz", "share/man/man1/qbx-table.1.gz",
          "share/doc/qubrix/copyright", "bin/qubrix-cli", "share/man/man1/qubrix-cli.1.gz",
          "share/bash-completion/completions/qubrix-cli", "share/man/ru/man1/qubrix.1.gz", "share/man/ru/man1/qubrix-cli.1.gz",
          "share/qubrix/translations/qubrix_en.qm", "share/qubrix/qubrix_en.qch"})
        EXPECT_TRUE(QFileInfo(Path(file)).isFile()) << file;
    EXPECT_TRUE(QFileInfo(Path("bin/qubrix")).isExecutable());
    // Only programs in bin/.
    EXPECT_EQ(QDir(Path("bin")).entryList(QDir::Files),
              QDir(Path("bin")).entryList(QDir::Files | QDir::Executable));
}

TEST_F(InstallTest, InstalledProgramFindsItsHelpAndKeepsOptionsWithTheUser)
{
    TempConfigHome config;
    paths::SetExecutablePathOverride(Path("bin/qubrix"));
    EXPECT_FALSE(paths::IsPortableCopy());
    EXPECT_EQ(paths::HelpFile(), Path("share/qubrix/qubrix.qch"));
    EXPECT_EQ(paths::IniFileName(), config.path() + "/Qubrix/qubrix.ini");
    {
        TProgram program;
        TMainForm *form = &program.Window();
        form->show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->Action(cmd::HelpContentsAction)->isEnabled());
        form->close();
    }
    paths::SetExecutablePathOverride(QString());
}

TEST_F(InstallTest, InstalledExecutableStarts)
{
    TempConfigHome config;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(Path("bin/qubrix"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // Still running after two seconds: it came up and waits for the user.
    EXPECT_FALSE(program.waitForFinished(2000)) << program.readAll().toStdString();
    program.kill();
    program.waitForFinished(5000);
}

} // namespace
} // namespace qbx::test
