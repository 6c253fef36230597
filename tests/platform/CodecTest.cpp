#include "platform/Codec.h"

#include <gtest/gtest.h>

using namespace qbx::codec;

TEST(Codec, Cp1251RoundTripsEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    bool ok = false;
    EXPECT_EQ(ToCp1251(FromCp1251(all), &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Codec, CyrillicLettersAndUnencodableText)
{
    EXPECT_EQ(FromCp1251(std::string("\xCA\xE2\xE0\xF0\xED\xE8\xF1 \xA8\xB8")),
              QStringLiteral("Кварнис Ёё"));
    bool ok = true;
    EXPECT_EQ(ToCp1251(QStringLiteral("a\u4E2Db"), &ok), "a?b");
    EXPECT_FALSE(ok);
    EXPECT_FALSE(CanEncodeCp1251(QStringLiteral("\u4E2D")));
    EXPECT_TRUE(CanEncodeCp1251(QStringLiteral("Ёлка №5 — €")));
}

TEST(Codec, OemTextBecomesAnsi)
{
    // "Версия" in DOS 866.
    const std::string oem = "\x82\xA5\xE0\xE1\xA8\xEF";
    EXPECT_EQ(FromCp866(oem), QStringLiteral("Версия"));
    EXPECT_EQ(OemToAnsi(oem), ToCp1251(QStringLiteral("Версия")));
}
