#include "TagFiles.h"

#include "scan/SetupTxt.h"
#include "scan/TInOutError.h"

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::test;

namespace {

const QString kFourLines = QStringLiteral("Производитель: Рога и копыта\r\n"
                                          "Продукт: Учёт копыт\r\n"
                                          "Версия: 2.0\r\n"
                                          "Описание: Программа для учёта рогов\r\n");

void ExpectFourValues(const TProductInfo &info)
{
    EXPECT_TRUE(info.Recognised);
    EXPECT_EQ(info.Producer, QStringLiteral("Рога и копыта"));
    EXPECT_EQ(info.Product, QStringLiteral("Учёт копыт"));
    EXPECT_EQ(info.Version, QStringLiteral("2.0"));
    EXPECT_EQ(info.Description, QStringLiteral("Программа для учёта рогов"));
}

void ExpectNothing(const TProductInfo &info)
{
    EXPECT_FALSE(info.Recognised);
    EXPECT_TRUE(info.Producer.isEmpty());
    EXPECT_TRUE(info.Product.isEmpty());
    EXPECT_TRUE(info.Version.isEmpty());
    EXPECT_TRUE(info.Description.isEmpty());
}

class SetupTxt : public ::testing::Test {
protected:
    TProductInfo Read(const std::string &bytes)
    {
        return ReadSetupTxt(files.Write(QStringLiteral("SETUP.TXT"), bytes));
    }
    TempFiles files;
};

} // namespace

TEST_F(SetupTxt, FourLinesIn1251Or866GiveTheSameValues)
{
    ExpectFourValues(Read(Cp1251(kFourLines)));
    ExpectFourValues(Read(Cp866(kFourLines)));
    // Each line is tested on its own: a file mixing both code pages is read too.
    const QStringList lines = kFourLines.split(QStringLiteral("\r\n"));
    ExpectFourValues(
        Read(Cp1251(lines[0] + "\n" + lines[1] + "\n") + Cp866(lines[2] + "\n" + lines[3])));
}

TEST_F(SetupTxt, LineEndsAndBlanksAroundLinesAndValuesAreIgnored)
{
    ExpectFourValues(Read(Cp1251(QStringLiteral("  \tПроизводитель: Рога и копыта   \n"
                                                "Продукт:    Учёт копыт\t\r"
                                                "\x01Версия: 2.0\x1A\r\n"
                                                "Описание: Программа для учёта рогов"))));
    // Lines after the fourth are never looked at.
    ExpectFourValues(Read(Cp1251(kFourLines + "Лишняя строка\r\n") + std::string(500, '\0')));
}

TEST_F(SetupTxt, AnyMissingPrefixOrValueMeansNotRecognised)
{
    QString noVersion = kFourLines;
    noVersion.replace(QStringLiteral("Версия: 2.0"), QStringLiteral("Версия:"));
    ExpectNothing(Read(Cp1251(noVersion)));
    noVersion = kFourLines;
    noVersion.replace(QStringLiteral("Версия: 2.0"), QStringLiteral("Версия:   \t"));
    ExpectNothing(Read(Cp1251(noVersion)));

    QString lowerCase = kFourLines;
    lowerCase.replace(QStringLiteral("Производитель"), QStringLiteral("производитель"));
    ExpectNothing(Read(Cp1251(lowerCase)));

    QString noSpace = kFourLines;
    noSpace.replace(QStringLiteral("Продукт: "), QStringLiteral("Продукт:"));
    ExpectNothing(Read(Cp1251(noSpace)));

    const QStringList lines = kFourLines.split(QStringLiteral("\r\n"));
    ExpectNothing(Read(Cp1251(lines[1] + "\n" + lines[0] + "\n" + lines[2] + "\n" + lines[3])));
    ExpectNothing(Read(Cp1251(lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n")));
    ExpectNothing(Read(Cp1251("\n" + kFourLines)));
    ExpectNothing(Read(std::string()));
}

TEST_F(SetupTxt, LongLinesInEitherCodePageKeepTheirWholeValue)
{
    const QString longText = QStringLiteral("Ёж ").repeated(200).trimmed();
    QString text = kFourLines;
    text.replace(QStringLiteral("Программа для учёта рогов"), longText);
    for (const std::string &bytes : {Cp1251(text), Cp866(text)}) {
        const TProductInfo info = Read(bytes);
        EXPECT_TRUE(info.Recognised);
        EXPECT_EQ(info.Description, longText);
    }
}

TEST_F(SetupTxt, BinaryFileIsReadOnlyAtItsBeginning)
{
    // A first line that does not end within the part read cannot be matched.
    ExpectNothing(Read(std::string(kSetupTxtReadLimit * 4, 'x')));
    ExpectNothing(
        Read(Cp1251(QStringLiteral("Производитель: ")) + std::string(kSetupTxtReadLimit * 4, 'x')));
}

TEST_F(SetupTxt, MissingFileRaisesInputOutputError)
{
    const QString path = files.Path(QStringLiteral("absent/SETUP.TXT"));
    try {
        ReadSetupTxt(path);
        FAIL() << "no error raised";
    } catch (const TInOutError &e) {
        EXPECT_EQ(e.FileName(), path);
        EXPECT_FALSE(e.Message().isEmpty());
    }
}

TEST(MatchSetupPrefix, ReplacesTheLineOnlyWhenItsOemFormMatches)
{
    const std::string prefix = Cp1251(QStringLiteral("Версия: "));

    std::string ansi = Cp1251(QStringLiteral("Версия: бета"));
    EXPECT_TRUE(MatchSetupPrefix(ansi, prefix));
    EXPECT_EQ(ansi, Cp1251(QStringLiteral("Версия: бета")));

    std::string oem = Cp866(QStringLiteral("Версия: бета"));
    EXPECT_TRUE(MatchSetupPrefix(oem, prefix));
    EXPECT_EQ(oem, Cp1251(QStringLiteral("Версия: бета")));
}
