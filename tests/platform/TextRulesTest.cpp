#include "platform/TextRules.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

#include <gtest/gtest.h>

namespace qbx::text {
namespace {

TEST(TextRules, CaseMappingCoversTheLettersOf1251Only)
{
    EXPECT_EQ(Upper(u"abz ёлка ґїўђѓєѕіјљњћќџ"), u"ABZ ЁЛКА ҐЇЎЂЃЄЅІЈЉЊЋЌЏ");
    EXPECT_EQ(Lower(u"ABZ ЁЛКА ҐЇЎЂЃЄЅІЈЉЊЋЌЏ"), u"abz ёлка ґїўђѓєѕіјљњћќџ");
    // Letters 1251 cannot hold keep their case; so does the micro sign.
    EXPECT_EQ(Upper(u"äßµѐѝ"), u"äßµѐѝ");
    EXPECT_EQ(Lower(u"ÄѐЀ"), u"ÄѐЀ");
}

TEST(TextRules, FoldedKeysIgnoreCase)
{
    EXPECT_TRUE(EqualFolded(u"Ёлка.TXT", u"ёЛКА.txt"));
    EXPECT_EQ(FoldedHash(u"Ёлка.TXT"), FoldedHash(u"ёЛКА.txt"));
    EXPECT_FALSE(EqualFolded(u"елка", u"ёлка"));
    EXPECT_FALSE(EqualFolded(u"ab", u"abc"));
}

TEST(TextRules, FileNameOrder)
{
    QStringList names = {"Яблоко", "apple", "ёж",   "Ель", "10.txt", "1.txt", "9",
                         "_x",     " x",    "Zeta", "жук", "ab",     "a b",   "№5"};
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return CompareFileNames(a, b) < 0; });
    // Blanks and punctuation, digits char by char, Cyrillic, then Latin.
    EXPECT_EQ(names, (QStringList{" x", "_x", "1.txt", "10.txt", "9", "ёж", "Ель", "жук", "Яблоко",
                                  "a b", "ab", "apple", "№5", "Zeta"}));
    EXPECT_EQ(CompareFileNames(u"DOCS", u"docs"), 0);
    EXPECT_EQ(CompareFileNames(u"Ёж", u"ёж"), 0);
    EXPECT_EQ(CompareFileNames(u"abc", u"abcd"), -1);
    EXPECT_EQ(CompareFileNames(u"еж", u"ёж"), -1);
}

// The quick comparison must give the collator's answer for any names made
// of the characters file names use, including the ones it hands over.
TEST(TextRules, QuickOrderAgreesWithTheCollator)
{
    const QString alphabet =
        QStringLiteral("aAbBzZ09-_. ,()[]~!еЕёЁжЖяЯйЙиИьЪґҐїЇіІўЎ\u00AD\u00A0…№™«»'\"’“");
    QRandomGenerator rng(20261207);
    auto make = [&] {
        QString s;
        const int n = int(rng.bounded(1, 6));
        for (int i = 0; i < n; ++i)
            s += alphabet[int(rng.bounded(alphabet.size()))];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const QString a = make();
        QString b = rng.bounded(2) ? make() : a.left(int(rng.bounded(a.size() + 1))) + make();
        ASSERT_EQ(CompareFileNames(a, b), detail::CompareByCollator(a, b))
            << a.toStdString() << " | " << b.toStdString();
    }
}

TEST(TextRules, TrimAndCut)
{
    EXPECT_EQ(Trim(u" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim(u"   "), "");
    EXPECT_EQ(Cut("abcdef", 4), "abcd");
    EXPECT_EQ(Cut("abc", 4), "abc");
}

TEST(TextRules, ListedNamesShowWhatWouldHideOrReorderThem)
{
    // Right-to-left override, next line, zero-width space, escape, line and
    // paragraph separators, tab, line feed: each shows as U+FFFD.
    EXPECT_EQ(Visible(u"photo\u202Egpj.exe"), u"photo\uFFFDgpj.exe");
    EXPECT_EQ(Visible(u"a\u0085b\u200Bc\x1B[31md"), u"a\uFFFDb\uFFFDc\uFFFD[31md");
    EXPECT_EQ(Visible(u"x\u2028y\u2029z\tw\nv"), u"x\uFFFDy\uFFFDz\uFFFDw\uFFFDv");
    // Letters of every script, and characters beyond the first plane, stay.
    EXPECT_EQ(Visible(u"Ёлка - Björk 中文 \U0001F3B5"), u"Ёлка - Björk 中文 \U0001F3B5");
    EXPECT_TRUE(HiddenCharacter(U'\U000E0001')); // a tag character, beyond the first plane
}

} // namespace
} // namespace qbx::text
