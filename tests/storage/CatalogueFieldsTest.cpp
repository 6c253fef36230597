// The catalogue field list, the size encoding and the engine start-up calls.

#include "storage/CatalogueFields.h"
#include "engine/Engine.h"
#include "platform/Registry.h"
#include "storage/TableEngineSetup.h"
#include "support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

const QString kInitKey = "Software\\Borland\\Database Engine\\Settings\\Drivers\\Paradox\\Init";

TEST(CatalogueFields, NamesSizesAndCaptions)
{
    const auto &f = CatalogueFields();
    QStringList names, captions;
    for (const auto &e : f) {
        names << e.name;
        captions << e.displayName;
        EXPECT_LE(strlen(e.name), 11u);
        EXPECT_LE(e.displayName.size(), 19);
    }
    EXPECT_EQ(names.join(','), "Label,Path,Producer,Product,Version,ByteSize,Description");
    EXPECT_EQ(captions.join(','), "Метка компакт-диска,Полный путь,Производитель,Продукт,Версия,"
                                  "Размер,Описание");
    EXPECT_EQ(f[CfPath].size, 255);
    EXPECT_EQ(f[CfByteSize].size, 0);
    EXPECT_EQ(f[CfByteSize].type, engine::FieldKind::Float);
    EXPECT_EQ(CatalogueFieldDefs()[CfByteSize].type, engine::FtNumber);
    EXPECT_EQ(CatalogueFieldDefs(true)[CfByteSize].type, engine::FtLong);
}

TEST(CatalogueFields, SizesRoundTripExactlyAndTruncate)
{
    for (qint64 size :
         {0LL, 1LL, 4294967295LL, 4294967296LL, 4294967297LL, 5000000000123LL, 9007199254740992LL})
        EXPECT_EQ(ByteSizeFromField(ByteSizeToField(size)), size);
    EXPECT_EQ(ByteSizeFromField(1.9), 1);
    EXPECT_EQ(ByteSizeFromField(-1.9), -1);
    EXPECT_EQ(ByteSizeFromField(1e300), std::numeric_limits<qint64>::max());
    EXPECT_EQ(ByteSizeFromField(std::nan("")), 0);
}

TEST(TableEngineSetup, DefaultDriverGoesToAnExistingKeyOnly)
{
    test::TempConfigHome home;
    ASSERT_TRUE(EngineAvailable());
    SetDefaultLanguageDriver(); // no key: nothing is created
    EXPECT_FALSE(QFile::exists(Registry::StoreFileName(HKEY_LOCAL_MACHINE)) &&
                 Registry(HKEY_LOCAL_MACHINE).KeyExists(kInitKey));

    {
        Registry r(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(r.OpenKey(kInitKey, true));
        r.WriteString("LangDriver", "ascii");
        r.CloseKey();
    }
    engine::SetDefaultLanguageDriver("ascii");
    SetDefaultLanguageDriver();
    Registry r(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(r.OpenKey(kInitKey, false));
    EXPECT_EQ(r.ReadString("LangDriver"), "ancyrr");
    // Taken at once, without restarting the engine.
    EXPECT_TRUE(engine::IsInitialized());
    EXPECT_EQ(engine::DefaultLanguageDriver(), "ancyrr");
}

} // namespace
