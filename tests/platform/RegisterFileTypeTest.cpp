#include "platform/RegisterFileType.h"

#include "platform/Registry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace qbx;

namespace {

const QString kExe = "/opt/Qubrix/bin/qubrix";
const QString kDescr = "База данных по компакт-дискам";

QString DefaultOf(const QString &key)
{
    Registry reg(HKEY_CLASSES_ROOT);
    if (!reg.OpenKey(key, false))
        return "<no key>";
    return reg.ReadString("").value_or("<no value>");
}

void SetDefault(const QString &key, const QString &value)
{
    Registry reg(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(reg.OpenKey(key, true));
    reg.WriteString("", value);
}

} // namespace

TEST(RegisterFileType, WritesTheTypeOnAFreshSystemAndAgainAtEveryStart)
{
    test::TempConfigHome home;
    for (int start = 0; start < 2; ++start) {
        RegisterFileType(".db", "QubrixDB", 1, kDescr, kExe);
        EXPECT_EQ(DefaultOf(".db"), "QubrixDB");
        EXPECT_EQ(DefaultOf("QubrixDB"), kDescr);
        EXPECT_EQ(DefaultOf("QubrixDB\\DefaultIcon"), kExe + ",1");
        EXPECT_EQ(DefaultOf("QubrixDB\\Shell\\Open\\Command"), "\"" + kExe + "\" \"%1\"");
    }
    // A moved executable re-points its own type.
    RegisterFileType(".db", "QubrixDB", 1, kDescr, "/home/u/QUBRIX");
    EXPECT_EQ(DefaultOf("QubrixDB\\Shell\\Open\\Command"), "\"/home/u/QUBRIX\" \"%1\"");
}

TEST(RegisterFileType, ExtensionOfAnotherProgramIsLeftAlone)
{
    test::TempConfigHome home;
    SetDefault(".db", "OtherDB");
    SetDefault("OtherDB\\Shell\\Open\\Command", "\"/usr/bin/dbviewer\" \"%1\"");
    RegisterFileType(".db", "QubrixDB", 1, kDescr, kExe);
    EXPECT_EQ(DefaultOf(".db"), "OtherDB");
    EXPECT_EQ(DefaultOf("OtherDB\\Shell\\Open\\Command"), "\"/usr/bin/dbviewer\" \"%1\"");
    EXPECT_EQ(DefaultOf("QubrixDB"), "<no key>");
}

TEST(RegisterFileType, OldTypeOfThisProgramIsReplaced)
{
    test::TempConfigHome home;
    // An older registration under another type name, from another folder,
    // with the executable's name in other letter case.
    SetDefault(".cdq", "OldQuery");
    SetDefault("OldQuery\\Shell\\Open\\Command", "/old/place/QuBrIx %1");
    SetDefault("OldQuery\\Shell\\Print\\Command", "lp %1");
    RegisterFileType(".cdq", "QubrixQ", 2, "Сложный запрос по компакт-дискам", kExe);
    Registry reg(HKEY_CLASSES_ROOT);
    EXPECT_FALSE(reg.KeyExists("OldQuery"));
    EXPECT_EQ(DefaultOf(".cdq"), "QubrixQ");
    EXPECT_EQ(DefaultOf("QubrixQ\\DefaultIcon"), kExe + ",2");
}

TEST(RegisterFileType, ExtensionWithoutOpenCommandIsTaken)
{
    test::TempConfigHome home;
    SetDefault(".db", "Bare");
    RegisterFileType(".db", "QubrixDB", 1, kDescr, kExe);
    EXPECT_EQ(DefaultOf(".db"), "QubrixDB");
    EXPECT_EQ(DefaultOf("QubrixDB\\DefaultIcon"), kExe + ",1");
}
