#include "tree/SizeText.h"
#include "tree/DisplayRecord.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace qbx;

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);
const QString nb = ru.groupSeparator();
} // namespace

TEST(SizeText, AutomaticUnitUnderRussianSettings)
{
    EXPECT_EQ(SizeText(1023, SuAuto, true, ru),
              QStringLiteral("1") + nb + QStringLiteral("023 байт"));
    EXPECT_EQ(SizeText(1024, SuAuto, true, ru), QStringLiteral("1,00 кБ"));
    EXPECT_EQ(SizeText(1048576, SuAuto, true, ru), QStringLiteral("1,00 МБ"));
    EXPECT_EQ(SizeText(1073741824, SuAuto, true, ru), QStringLiteral("1,00 ГБ"));
    EXPECT_EQ(SizeText(1536, SuKByte, true, ru), QStringLiteral("1,50 кБ"));
    // Large values keep their thousands separators in every unit.
    EXPECT_EQ(SizeText(5497558138880LL, SuGByte, true, ru),
              QStringLiteral("5") + nb + QStringLiteral("120,00 ГБ"));
}

TEST(SizeText, EmptyZeroNegativeAndUnknownUnits)
{
    EXPECT_EQ(SizeText(-1, SuAuto, false, ru), QString());
    EXPECT_EQ(SizeText(0, SuMByte, true, ru), QString());
    EXPECT_EQ(SizeText(0, SuMByte, false, ru), QStringLiteral("0"));
    EXPECT_EQ(SizeText(-5, SuAuto, true, ru), QStringLiteral("-5 байт"));
    EXPECT_EQ(SizeText(2048, 9, true, ru), QStringLiteral("2") + nb + QStringLiteral("048 байт"));
}

TEST(SizeText, ShownUnitIsReadBackFromTheText)
{
    EXPECT_EQ(ShownSizeUnit(QString(), SuMByte), SuMByte);
    EXPECT_EQ(ShownSizeUnit(QStringLiteral("0"), SuAuto), SuAuto);
    EXPECT_EQ(ShownSizeUnit(SizeText(3 << 20, SuAuto, true, ru), SuAuto), SuMByte);
    EXPECT_EQ(ShownSizeUnit(SizeText(3 << 10, SuAuto, true, ru), SuAuto), SuKByte);
    EXPECT_EQ(ShownSizeUnit(SizeText(3LL << 30, SuAuto, true, ru), SuAuto), SuGByte);
    EXPECT_EQ(ShownSizeUnit(SizeText(3, SuAuto, true, ru), SuAuto), SuByte);
}

TEST(DisplayRecord, MergeKeepsOnlyWhatAllSelectedItemsShare)
{
    TDisplayRecord a{QStringLiteral("CD1"),    QStringLiteral("a.mp3"), QStringLiteral("Мелодия"),
                     QStringLiteral("Альбом"), QStringLiteral("1.0"),   100,
                     QStringLiteral("x")};
    TDisplayRecord b = a;
    b.Path = QStringLiteral("b.mp3");
    b.Version = QStringLiteral("2.0");
    MergeDisplayRecord(a, b);
    EXPECT_EQ(a.Producer, QStringLiteral("Мелодия"));
    EXPECT_EQ(a.Label, QStringLiteral("CD1"));
    EXPECT_TRUE(a.Path.isEmpty());
    EXPECT_TRUE(a.Version.isEmpty());
    EXPECT_EQ(a.Size, 100);
    b.Size = 101;
    MergeDisplayRecord(a, b);
    EXPECT_EQ(a.Size, -1);
}
