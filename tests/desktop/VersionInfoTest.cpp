#include "desktop/VersionInfo.h"

#include "desktop/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

using namespace qbx;

TEST(AboutText, ShowsDescriptionVersionAndMakersNotice)
{
    const TVersionInfo info = VersionInfoFrom({
        {"FileDescription", "Каталог дисков"},
        {"FileVersion", "2.3.1.7"},
        {"ProductVersion", "2.3"},
        {"LegalCopyright", "© Мастерская, 2026"},
        {"LegalTrademarks", "Знак зарегистрирован."},
    });
    EXPECT_EQ(AboutText(info), QStringLiteral("Каталог дисков\rВерсия 2.3.1.7\r\n\n"
                                              "© Мастерская, 2026 Знак зарегистрирован.\r"));
}

TEST(AboutText, MissingValuesGiveEmptyTextsAndTheDefaultVersion)
{
    // No version values at all, and values present but empty: the same defaults.
    for (const TVersionInfo &info :
         {VersionInfoFrom({}),
          VersionInfoFrom(
              {{"FileVersion", ""}, {"FileDescription", ""}, {"ProductVersion", ""}})}) {
        EXPECT_EQ(info.FileVersion, QStringLiteral("1.0.0.0"));
        EXPECT_EQ(info.ProductVersion, QStringLiteral("1.0.0.0"));
        EXPECT_TRUE(info.CompanyName.isEmpty());
        EXPECT_TRUE(info.ProductName.isEmpty());
        EXPECT_EQ(AboutText(info), QStringLiteral("\rВерсия 1.0.0.0\r\n\n\r"));
    }
    // Only one part of the maker's notice.
    EXPECT_EQ(AboutText(VersionInfoFrom({{"LegalTrademarks", "TM"}})),
              QStringLiteral("\rВерсия 1.0.0.0\r\n\nTM\r"));
}

TEST(AboutText, TheBuildCompilesInTheProgramsVersion)
{
    const TVersionInfo info = ReadVersionInfo();
    EXPECT_FALSE(info.FileDescription.isEmpty());
    EXPECT_FALSE(info.ProductName.isEmpty());
    EXPECT_TRUE(info.FileVersion.startsWith(QStringLiteral(QBX_TEST_PROJECT_VERSION)))
        << info.FileVersion.toStdString();
}

} // namespace
