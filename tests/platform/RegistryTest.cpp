#include "platform/Registry.h"

#include "support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qbx;

TEST(Registry, ValuesSurviveInTheStoreWithTheirTypesAndOrder)
{
    test::TempConfigHome home;
    {
        Registry reg(HKEY_CURRENT_USER);
        ASSERT_FALSE(reg.OpenKey("Software\\Tolvenar\\Qubrix", false));
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix", true));
        EXPECT_TRUE(reg.WriteInteger("SearchView", 2));
        EXPECT_TRUE(reg.WriteString("", "default text"));
        EXPECT_TRUE(reg.WriteString("Tab\tand\\slash", "line\nbreak\r\tend"));
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\Folders", true));
        EXPECT_TRUE(reg.WriteString("DbFolder", "/home/Пользователь/"));
    }
    EXPECT_EQ(home.path() + "/Qubrix/HKEY_CURRENT_USER.reg",
              Registry::StoreFileName(HKEY_CURRENT_USER));

    Registry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\tolvenar\\QUBRIX", false));
    EXPECT_EQ(reg.GetValueNames(), QStringList({"SearchView", "", "Tab\tand\\slash"}));
    EXPECT_EQ(reg.ReadInteger("searchview"), 2);
    EXPECT_EQ(reg.ReadString("SearchView"), std::nullopt); // wrong type
    EXPECT_EQ(reg.ReadString(""), "default text");
    EXPECT_EQ(reg.ReadString("TAB\tAND\\SLASH"), "line\nbreak\r\tend");
    EXPECT_EQ(reg.ReadInteger("Missing"), std::nullopt);
    EXPECT_TRUE(reg.HasSubKeys());
    EXPECT_EQ(reg.GetKeyNames(), QStringList({"Folders"}));
    ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\folders", false));
    EXPECT_EQ(reg.ReadString("DbFolder"), "/home/Пользователь/");
    EXPECT_FALSE(reg.HasSubKeys());
}
