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
    {
        ExecutableAt exe("/opt/Кварнис.v2/qubrix");
        EXPECT_EQ(paths::AppFolder(), "/opt/Кварнис.v2/");
        EXPECT_EQ(paths::DefaultDbFolder(), "/opt/Кварнис.v2/");
        EXPECT_EQ(paths::IniFileName(), "/opt/Кварнис.v2/qubrix.ini");
        EXPECT_EQ(paths::HelpFile(), "/opt/Кварнис.v2/qubrix.qch");
    }
    {
        ExecutableAt exe("/opt/Qubrix.EXE");
        EXPECT_EQ(paths::IniFileName(), "/opt/Qubrix.ini");
    }
    EXPECT_EQ(paths::ExecutablePath(), QCoreApplication::applicationFilePath());
    EXPECT_TRUE(paths::AppFolder().endsWith('/'));
    EXPECT_TRUE(paths::TempFolder().endsWith('/'));
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
