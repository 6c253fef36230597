// The condition texts the searches build, compared byte for byte.
#include "search/SearchConditions.h"
#include "desktop/QStringPrinter.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

QString Global(const QString &typed, bool ignoreCase, bool substring)
{
    const QString t = substring ? u'*' + typed + u'*' : typed;
    return GlobalCondition(PrepareSearchText(t, ignoreCase), ignoreCase);
}

TEST(SearchConditionsTest, GlobalSearchTexts)
{
    EXPECT_EQ(
        Global(QStringLiteral("abc"), true, true),
        QStringLiteral(R"(((UPPER (Label) LIKE "%ABC%") OR (UPPER (Path) LIKE "%ABC%") OR )"
                       R"((UPPER (Producer) LIKE "%ABC%") OR (UPPER (Product) LIKE "%ABC%") OR )"
                       R"((UPPER (Version) LIKE "%ABC%") OR (UPPER (Description) LIKE "%ABC%")))"));
    // A whole number gets the size term between Version and Description...
    EXPECT_EQ(Global(QStringLiteral("100"), true, false),
              QStringLiteral(R"(((UPPER (Label) LIKE "100") OR (UPPER (Path) LIKE "100") OR )"
                             R"((UPPER (Producer) LIKE "100") OR (UPPER (Product) LIKE "100") OR )"
                             R"((UPPER (Version) LIKE "100") OR (ByteSize = 100) OR )"
                             R"((UPPER (Description) LIKE "100")))"));
    // ...but not once the substring wildcards surround it.
    EXPECT_FALSE(Global(QStringLiteral("100"), true, true).contains(QStringLiteral("ByteSize")));
    // Case-sensitive with "_" and "%": every term carries the escape clause.
    const QString escaped = Global(QStringLiteral("50_%"), false, true);
    EXPECT_TRUE(escaped.startsWith(QStringLiteral(R"(((Label LIKE "%50!_!%%" ESCAPE "!") OR )")))
        << escaped.toStdString();
    EXPECT_EQ(escaped.count(QStringLiteral(R"(ESCAPE "!")")), 6);
    EXPECT_EQ(FieldCondition(QStringLiteral("Label"),
                             PrepareSearchText(QStringLiteral("CD \"1\""), true), true),
              QStringLiteral(R"((UPPER (Label) LIKE "CD ""1"""))"));
    // Cyrillic is upper-cased by the program's own rules, ё included.
    EXPECT_EQ(FieldCondition(QStringLiteral("Path"),
                             PrepareSearchText(QStringLiteral("*ёлка?"), true), true),
              QStringLiteral(R"((UPPER (Path) LIKE "%ЁЛКА%"))"));
}

TEST(SearchConditionsTest, TypedTextIsConvertedBeforeItIsUpperCased)
{
    // Upper-casing first would leave "ö" and "ó", which the conversion then
    // turns into lower-case "o": nothing would match UPPER (F).
    EXPECT_EQ(
        FieldSearchCondition(QStringLiteral("Path"), false, QStringLiteral("Björk"), true, true),
        QStringLiteral(R"((UPPER (Path) LIKE "%BJORK%"))"));
    EXPECT_EQ(FieldSearchCondition(QStringLiteral("Path"), true, QStringLiteral("Jóga.mp3"), false,
                                   false),
              QStringLiteral(R"((Path LIKE "Joga.mp3"))"));
    EXPECT_TRUE(GlobalSearchCondition(QStringLiteral("Jóga"), true, true)
                    .startsWith(QStringLiteral(R"(((UPPER (Label) LIKE "%JOGA%") OR )")));
    // Text the code page cannot hold stays as typed; the statement refuses it.
    EXPECT_EQ(SearchText(QStringLiteral("音")), QStringLiteral("音"));
    EXPECT_FALSE(SearchStatement(QStringLiteral("/tmp/x.db"),
                                 GlobalSearchCondition(QStringLiteral("音"), true, true)));
}

TEST(SearchConditionsTest, EscapeCharacterIsTheFirstUnusedCandidate)
{
    QString t = QStringLiteral("a!_b");
    TSearchEscape e = EscapeSearchText(t);
    EXPECT_EQ(e.character, QStringLiteral("#"));
    EXPECT_EQ(t, QStringLiteral("a!#_b"));
    EXPECT_TRUE(e.needed);

    t = QStringLiteral("!#_");
    e = EscapeSearchText(t);
    EXPECT_EQ(e.character, QStringLiteral("$"));
    EXPECT_EQ(t, QStringLiteral("!#$_"));

    // Nothing to escape: a character is chosen but no clause is needed; the
    // user's wildcards become "%".
    t = QStringLiteral("a*b?c");
    e = EscapeSearchText(t);
    EXPECT_EQ(e.character, QStringLiteral("!"));
    EXPECT_FALSE(e.needed);
    EXPECT_EQ(e.Clause(), QString());
    EXPECT_EQ(t, QStringLiteral("a%b%c"));

    t.clear();
    e = EscapeSearchText(t);
    EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(e.character.isEmpty());
    EXPECT_FALSE(e.needed);

    // Every one of the 86 candidates used: "~" is taken.
    QString all;
    for (char16_t c = 33; c <= 126; ++c)
        all += QChar(c);
    EXPECT_EQ(EscapeSearchText(all).character, QStringLiteral("~"));
}

TEST(SearchConditionsTest, WholeNumbers)
{
    struct Case {
        const char *text;
        bool whole;
        int64_t value;
    };
    const Case cases[] = {
        {"100", true, 100},
        {"-7", true, -7},
        {"+42", true, 42},
        {"007", true, 7},
        {"1.0", true, 1},
        {"2.50e1", true, 25},
        {"1e3", true, 1000},
        {"5.", true, 5},
        {"0e999999999999", true, 0},
        {"9223372036854775807", true, INT64_MAX},
        {"-9223372036854775808", true, INT64_MIN},
        {"9223372036854775808", false, 0},
        {"1e19", false, 0},
        {"1.5", false, 0},
        {"15e-1", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {".", false, 0},
        {"1e", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"1,0", false, 0},
        {"%100%", false, 0},
        {"0x10", false, 0},
    };
    for (const Case &c : cases) {
        const QString t = QString::fromLatin1(c.text);
        EXPECT_EQ(IsWholeNumber(t), c.whole) << c.text;
        EXPECT_EQ(TextToInt64(t), c.value) << c.text;
    }
}

TEST(SearchConditionsTest, FileNamesAndSizes)
{
    EXPECT_EQ(MakeFileName(QStringLiteral("a*b?c:d/e\\f|g<h>i\"j\tk")),
              QStringLiteral("abcdefghijk"));
    EXPECT_EQ(MakeFileName(QStringLiteral("Ёлки 1.5")), QStringLiteral("Ёлки 1.5"));
    EXPECT_EQ(MakeFileName(QStringLiteral("*?")), QStringLiteral("Extract"));
    EXPECT_EQ(MakeFileName(QString()), QStringLiteral("Extract"));

    EXPECT_EQ(SizeExactCondition(5368709120), QStringLiteral("(ByteSize = 5368709120)"));
    EXPECT_EQ(SizeRangeCondition(1048576, 2097152) + KindFilter(false, false, true),
              QStringLiteral(R"(((ByteSize >= 1048576) AND (ByteSize <= 2097152)) AND )"
                             R"((NOT (Path IS NULL)) AND (NOT (Path = "")) AND ((Path IS NULL) )"
                             R"(OR (Path = "") OR (NOT (Path LIKE "%\"))))"));
    EXPECT_EQ(FieldCondition(QStringLiteral("Path"),
                             PrepareSearchText(QStringLiteral("*.txt"), true), true) +
                  KindFilter(true, false, true),
              QStringLiteral(R"((UPPER (Path) LIKE "%.TXT") AND ((Path IS NULL) OR )"
                             R"((Path = "") OR (NOT (Path LIKE "%\"))))"));
    EXPECT_EQ(KindFilter(true, true, true), QString());
    EXPECT_EQ(KindFilter(true, true, false),
              QStringLiteral(R"( AND ((Path LIKE "%\") OR (Path IS NULL) OR (Path = "")))"));
    EXPECT_EQ(KindFilter(true, false, false),
              QStringLiteral(R"( AND ((Path IS NULL) OR (Path = "")))"));
}

} // namespace
} // namespace qbx
