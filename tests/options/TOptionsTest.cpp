#include "options/TOptions.h"

#include "platform/AppPaths.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qbx;

TEST(TOptionsSmoke, NoStoredOptionsGiveDefaults)
{
    test::TempConfigHome home;
    QTemporaryDir exeDir;
    paths::SetExecutablePathOverride(exeDir.path() + "/qubrix");
    TOptions o;
    EXPECT_FALSE(o.Load());
    EXPECT_EQ(o.OptionsStore, -1);
    EXPECT_EQ(o.DbFolder, exeDir.path() + "/");
    EXPECT_EQ(o.IniFileName, exeDir.path() + "/qubrix.ini");
    paths::SetExecutablePathOverride(QString());
}
