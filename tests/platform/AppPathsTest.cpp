#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

struct ExecutableAt {
    explicit ExecutableAt(const QString &path) { paths::SetExecutablePathOverride(path); }
    ~ExecutableAt() { paths::SetExecutablePathOverride(QString()); }
};

} // namespace

TEST(AppPaths, NamesFollowTheExecutable)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Кварнис.v2/";
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        // A copy in a folder of its own keeps everything beside itself.
        ExecutableAt exe(folder + "qubrix");
        EXPECT_TRUE(paths::IsPortableCopy());
        EXPECT_EQ(paths::AppFolder(), folder);
        EXPECT_EQ(paths::DefaultDbFolder(), folder);
        EXPECT_EQ(paths::IniFileName(), folder + "qubrix.ini");
        EXPECT_EQ(paths::HelpFile(), folder + "qubrix.qch");
    }
    {
        ExecutableAt exe(folder + "Qubrix.EXE");
        EXPECT_EQ(paths::IniFileName(), folder + "Qubrix.ini");
    }
    {
        // A folder the user cannot write into (here: one that does not exist).
        ExecutableAt exe("/nonexistent/Кварнис/qubrix");
        EXPECT_FALSE(paths::IsPortableCopy());
        EXPECT_EQ(paths::IniFileName(), paths::ConfigFolder() + "qubrix.ini");
        EXPECT_EQ(paths::HelpFile(), "/nonexistent/Кварнис/qubrix.qch");
        EXPECT_NE(paths::DefaultDbFolder(), "/nonexistent/Кварнис/");
        EXPECT_TRUE(paths::DefaultDbFolder().endsWith('/'));
    }
    EXPECT_EQ(paths::ExecutablePath(), QCoreApplication::applicationFilePath());
    EXPECT_TRUE(paths::AppFolder().endsWith('/'));
    EXPECT_TRUE(paths::TempFolder().endsWith('/'));
    EXPECT_EQ(paths::ShownPath(QDir::homePath() + "/.config/Qubrix/qubrix.ini"),
              "~/.config/Qubrix/qubrix.ini");
    EXPECT_EQ(paths::ShownPath("/etc/qubrix.ini"), "/etc/qubrix.ini");
}

TEST(AppPaths, HelpFileBesideTheExecutableElseInTheSharedDataFolder)
{
    QTemporaryDir prefix;
    QDir dir(prefix.path());
    ASSERT_TRUE(dir.mkpath("bin") && dir.mkpath("share/qubrix"));
    ExecutableAt exe(prefix.path() + "/bin/qubrix");
    EXPECT_EQ(paths::HelpFile(), prefix.path() + "/bin/qubrix.qch"); // neither exists
    QFile shared(prefix.path() + "/share/qubrix/qubrix.qch");
    ASSERT_TRUE(shared.open(QIODevice::WriteOnly));
    shared.close();
    EXPECT_EQ(paths::HelpFile(), prefix.path() + "/share/qubrix/qubrix.qch");
    QFile beside(prefix.path() + "/bin/qubrix.qch");
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(paths::HelpFile(), prefix.path() + "/bin/qubrix.qch");
}

TEST(AppPaths, ConfigFolderFollowsXdgConfigHome)
{
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/cfg/home/");
    EXPECT_EQ(paths::ConfigFolder(), "/cfg/home/Qubrix/");
    qputenv("XDG_CONFIG_HOME", "relative/is/ignored");
    EXPECT_EQ(paths::ConfigFolder(), QDir::homePath() + "/.config/Qubrix/");
    qputenv("XDG_CONFIG_HOME", old);
}

TEST(AppPaths, TempFilesAreNewAndNeverReplaceOthers)
{
    QTemporaryDir dir;
    const QRegularExpression pattern("^Qbx[A-Za-z0-9]{6}\\.tmp$");
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i) {
        const QString name = paths::CreateTempFile(dir.path());
        ASSERT_FALSE(name.isEmpty());
        EXPECT_TRUE(name.startsWith(dir.path() + "/"));
        EXPECT_TRUE(pattern.match(name.section('/', -1)).hasMatch()) << name.toStdString();
        EXPECT_TRUE(QFile::exists(name));
        seen.insert(name);
    }
    EXPECT_EQ(seen.size(), 50);
    EXPECT_EQ(paths::CreateTempFile(dir.path() + "/missing"), "");
}
