#include "platform/Registry.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

namespace {

QByteArray ReadFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).path());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(Registry, DeleteKeyTakesSubKeysAndLeavesSiblings)
{
    test::TempConfigHome home;
    Registry reg(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("A\\B\\C", true));
    reg.WriteInteger("x", 1);
    ASSERT_TRUE(reg.OpenKey("A\\Sibling", true));
    reg.CloseKey();

    EXPECT_FALSE(reg.DeleteKey("")); // the root stays
    EXPECT_FALSE(reg.DeleteKey("A\\Missing"));
    ASSERT_TRUE(reg.OpenKey("a\\b\\c", false));
    EXPECT_TRUE(reg.DeleteKey("a\\B"));
    EXPECT_FALSE(reg.HasCurrentKey()); // the current key went with it
    EXPECT_FALSE(reg.KeyExists("A\\B\\C"));
    ASSERT_TRUE(reg.OpenKey("A", false));
    EXPECT_EQ(reg.GetKeyNames(), QStringList({"Sibling"}));

    // The deletion is in the store, not only in this object.
    Registry other(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(other.KeyExists("A\\B"));
    EXPECT_TRUE(other.KeyExists("A\\Sibling"));
}

TEST(Registry, TwoWritersOfOneHiveKeepEachOthersValues)
{
    test::TempConfigHome home;
    Registry first(HKEY_CURRENT_USER);
    Registry second(HKEY_CURRENT_USER);
    ASSERT_TRUE(first.OpenKey("K", true));
    ASSERT_TRUE(second.OpenKey("K", true));
    first.WriteString("one", "1");
    second.WriteString("two", "2");
    EXPECT_TRUE(first.Flush());
    EXPECT_TRUE(second.Flush());

    Registry reader(HKEY_CURRENT_USER);
    ASSERT_TRUE(reader.OpenKey("K", false));
    EXPECT_EQ(reader.ReadString("one"), "1");
    EXPECT_EQ(reader.ReadString("two"), "2");
}

TEST(Registry, DamagedStoreIsReadDefensivelyAndKeptAside)
{
    test::TempConfigHome home;
    const QString store = Registry::StoreFileName(HKEY_CURRENT_USER);

    // Known lines survive around junk: unknown kinds, bad numbers, missing
    // fields, control characters in key paths, values before any key.
    WriteFile(store, "Qubrix registry store 1\r\n"
                     "S\troot value\tr\n"
                     "K\tGood\n"
                     "I\tn\t12\n"
                     "I\tbad\t12x\n"
                     "I\thuge\t99999999999\n"
                     "S\tno value field\n"
                     "X\tunknown\tkind\n"
                     "K\tBad\x01Name\n"
                     "S\tlost\tvalue\n"
                     "K\tGood\\Sub\n"
                     "S\ts\t\xD0\x9A\\t\\\\\n");
    {
        Registry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("", false));
        EXPECT_EQ(reg.ReadString("root value"), "r");
        EXPECT_EQ(reg.GetKeyNames(), QStringList({"Good"}));
        ASSERT_TRUE(reg.OpenKey("Good", false));
        EXPECT_EQ(reg.GetValueNames(), QStringList({"n"}));
        EXPECT_EQ(reg.ReadInteger("n"), 12);
        ASSERT_TRUE(reg.OpenKey("Good\\Sub", false));
        EXPECT_EQ(reg.ReadString("s"), "К\t\\");
    }

    // A file that is no store at all reads as empty; the first write keeps
    // the old bytes beside the new store.
    const QByteArray junk("\x00\xFF garbage\n\tK\t\n", 15);
    WriteFile(store, junk);
    {
        Registry reg(HKEY_CURRENT_USER);
        EXPECT_FALSE(reg.OpenKey("Good", false));
        ASSERT_TRUE(reg.OpenKey("New", true));
        reg.WriteInteger("v", -5);
        EXPECT_TRUE(reg.Flush());
    }
    EXPECT_EQ(ReadFile(store + ".bad"), junk);
    Registry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey("New", false));
    EXPECT_EQ(reg.ReadInteger("v"), -5);
}

TEST(Registry, FailedWriteKeepsTheOldStore)
{
    test::TempConfigHome home;
    {
        Registry reg(HKEY_CLASSES_ROOT);
        ASSERT_TRUE(reg.OpenKey(".db", true));
        reg.WriteString("", "QubrixDB");
    }
    const QString store = Registry::StoreFileName(HKEY_CLASSES_ROOT);
    const QByteArray before = ReadFile(store);
    ASSERT_FALSE(before.isEmpty());

    // Make the folder refuse the new file: the store's place is taken by a
    // folder during the write.
    ASSERT_TRUE(QFile::rename(store, store + ".keep"));
    ASSERT_TRUE(QDir().mkpath(store));
    Registry reg(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(reg.OpenKey(".cdq", true));
    reg.WriteString("", "QubrixQ");
    EXPECT_FALSE(reg.Flush());
    ASSERT_TRUE(QDir().rmdir(store));
    ASSERT_TRUE(QFile::rename(store + ".keep", store));
    EXPECT_EQ(ReadFile(store), before);
}

TEST(Registry, StoreTextRoundTripsEveryNameAndValue)
{
    RegKey root;
    root.SetValue({"", RegDataType::String, "a=b\tc\\\r\n", 0});
    RegKey &sub = *root.AddSubKey("Ключ с пробелом");
    sub.SetValue({"min", RegDataType::Integer, {}, INT32_MIN});
    sub.SetValue({"max", RegDataType::Integer, {}, INT32_MAX});
    bool ok = false;
    const auto back = Registry::ParseStore(Registry::SerializeStore(root), &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Registry::SerializeStore(*back), Registry::SerializeStore(root));
    ASSERT_NE(back->FindSubKey("КЛЮЧ С ПРОБЕЛОМ"), nullptr);
    EXPECT_EQ(back->FindSubKey("ключ с пробелом")->FindValue("MIN")->number, INT32_MIN);
    EXPECT_EQ(back->FindValue("")->text, "a=b\tc\\\r\n");
}
