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

TEST(Codec, Utf8OfCp1251BytesIsTheDecodedTextsUtf8)
{
    // Appended after what the buffer holds, every byte at once and each
    // alone (one, two and three bytes of UTF-8; 0x98 has no character).
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QByteArray out = "x";
    AppendCp1251AsUtf8(all, out);
    EXPECT_EQ(out, "x" + FromCp1251(all).toUtf8());
    for (const char b : all) {
        QByteArray one;
        AppendCp1251AsUtf8(std::string_view(&b, 1), one);
        EXPECT_EQ(one, FromCp1251(std::string(1, b)).toUtf8()) << int(uint8_t(b));
    }
    QByteArray empty = "y";
    AppendCp1251AsUtf8({}, empty);
    EXPECT_EQ(empty, "y");
}

TEST(Codec, DecodingIntoAStringLeavesItsCopiesAlone)
{
    QString out;
    FromCp1251("long value \xc8\xe3\xf0\xfb", out);
    EXPECT_EQ(out, QStringLiteral("long value Игры"));
    const QString copy = out;
    FromCp1251("ab", out);
    EXPECT_EQ(out, "ab");
    EXPECT_EQ(copy, QStringLiteral("long value Игры"));
    FromCp1251("", out);
    EXPECT_TRUE(out.isEmpty());
    FromCp1251("longer than before", out);
    EXPECT_EQ(out, "longer than before");
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

TEST(Codec, CatalogueTextDropsAccentsAndRefusesTheRest)
{
    EXPECT_EQ(ToCatalogueText(QStringLiteral("Björk - Jóga.mp3")),
              QStringLiteral("Bjork - Joga.mp3"));
    EXPECT_EQ(ToCatalogueText(QStringLiteral("Ça résiste à l'été ñ")),
              QStringLiteral("Ca resiste a l'ete n"));
    // Letters 1251 holds whole stay, also when they arrive decomposed.
    EXPECT_EQ(ToCatalogueText(QStringLiteral("Йод ёж")), QStringLiteral("Йод ёж"));
    EXPECT_EQ(ToCatalogueText(QStringLiteral("И\u0306од е\u0308ж o\u0308")),
              QStringLiteral("Йод ёж o"));
    EXPECT_EQ(ToCatalogueText(QString()), QString());
    EXPECT_EQ(ToCatalogueText(QStringLiteral("Ёлка №5 — €")), QStringLiteral("Ёлка №5 — €"));
    EXPECT_FALSE(ToCatalogueText(QStringLiteral("a\u4E2Db")));
    EXPECT_FALSE(ToCatalogueText(QStringLiteral("song \U0001F3B5.mp3")));
    EXPECT_FALSE(ToCatalogueText(QStringLiteral("Straße")));
}

TEST(Codec, StrictUtf8RefusesBrokenBytes)
{
    EXPECT_EQ(FromUtf8Strict("Bj\xC3\xB6rk"), QStringLiteral("Björk"));
    EXPECT_EQ(FromUtf8Strict(""), QString());
    EXPECT_FALSE(FromUtf8Strict("name\xFF.txt"));
    EXPECT_FALSE(FromUtf8Strict("\xD0"));
    EXPECT_FALSE(FromUtf8Strict("\xED\xA0\x80")); // an encoded surrogate
}
