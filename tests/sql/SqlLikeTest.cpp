// LIKE patterns and the upper-case mapping of UPPER (...).
#include "CatalogueRecords.h"

#include "engine/SqlCharMap.h"
#include "engine/SqlPattern.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace qbx::test {
namespace {

// Truth of `Label LIKE pattern [ESCAPE ...]` for a label.
std::string LabelLike(const std::string &label, const std::string &likeTail)
{
    return TruthOf("Label LIKE " + likeTail, CatalogueRow{label, "", "", "", "", 1, ""});
}

TEST(SqlLikeTest, WildcardsAnchorsAndRuns)
{
    const struct {
        const char *text;
        const char *pattern;
        const char *truth;
    } cases[] = {
        // More wildcard forms are checked against a plain matcher below.
        {"Abc", R"("abc")", "false"},
        {"abc", R"("a_c")", "true"},
        {"abc", R"("_%_")", "true"},
        {"abc", R"("a%%c")", "true"},
        {"abcx", R"("%abc")", "false"},
        {"abcabc", R"("%abc")", "true"},
        {"aa", R"("a%aa")", "false"},
        {"xaybyaz", R"("%a%b%z")", "true"},
        {"xaybyaz", R"("%b%a%y%")", "false"},
        {"hello world", R"("%o_w%")", "true"},
        {"a", R"("")", "false"},
        // Folders end in a backslash, which is no escape without ESCAPE.
        {R"(Soft\)", R"("%\")", "true"},
        {R"(Soft\x)", R"("%\")", "false"},
        // Escapes: "_" and "%" after the escape character match themselves.
        {"50%", R"("50!%" ESCAPE "!")", "true"},
        {"500", R"("50!%" ESCAPE "!")", "false"},
        {"a_b", R"("a!_b" ESCAPE "!")", "true"},
        {"a!b", R"("a!!b" ESCAPE "!")", "true"},
        {"ab!", R"("ab!" ESCAPE "!")", "true"},
        {"x50_%y", R"("%50#_#%%" ESCAPE "#")", "true"},
        {"x50a%y", R"("%50#_#%%" ESCAPE "#")", "false"},
        {"%%", R"("%%" ESCAPE "%")", "false"},
        {"%", R"("%%" ESCAPE "%")", "true"},
        // NOT LIKE
        {"abc", R"("a%" AND Label NOT LIKE "%c")", "false"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LabelLike(c.text, c.pattern), c.truth) << c.text << " LIKE " << c.pattern;
}

// A plain backtracking matcher, to compare the compiled patterns with.
bool ReferenceLike(std::string_view text, std::string_view pattern)
{
    if (pattern.empty())
        return text.empty();
    if (pattern[0] == '%')
        return ReferenceLike(text, pattern.substr(1)) ||
               (!text.empty() && ReferenceLike(text.substr(1), pattern));
    if (text.empty())
        return false;
    if (pattern[0] != '_' && pattern[0] != text[0])
        return false;
    return ReferenceLike(text.substr(1), pattern.substr(1));
}

TEST(SqlLikeTest, CompiledPatternsAgreeWithABacktrackingMatcher)
{
    std::mt19937 rng(12345);
    const char patternChars[] = "ab%_";
    const char textChars[] = "abc";
    for (int round = 0; round < 20000; ++round) {
        std::string pattern(rng() % 7, ' '), text(rng() % 9, ' ');
        for (char &c : pattern)
            c = patternChars[rng() % 4];
        for (char &c : text)
            c = textChars[rng() % 3];
        const engine::SqlPattern compiled(pattern, -1, engine::IdentityMap());
        ASSERT_EQ(compiled.Matches(text), ReferenceLike(text, pattern))
            << "text " << text << " pattern " << pattern;
    }
}

TEST(SqlLikeTest, UpperCasedScansOfLongTextsAgreeWithTheMatcher)
{
    // Longer texts take the word-at-a-time scan; the bytes after the text
    // (which the scan may read) hold letters that must never count.
    std::mt19937 rng(777);
    const engine::CharMap &up = engine::Cp1251UpperMap();
    const char patternChars[] = "AB%_a";
    const char textChars[] = "aAbBc";
    for (int round = 0; round < 20000; ++round) {
        std::string pattern(1 + rng() % 10, ' '), text(rng() % 40, ' ');
        for (char &c : pattern)
            c = patternChars[rng() % 5];
        for (char &c : text)
            c = textChars[rng() % 5];
        const std::string buffer = text + std::string(16, 'A');
        std::string upper = text;
        for (char &c : upper)
            c = static_cast<char>(up[static_cast<uint8_t>(c)]);
        const engine::SqlPattern compiled(pattern, -1, up);
        ASSERT_EQ(compiled.Matches(std::string_view(buffer.data(), text.size()), buffer.size()),
                  ReferenceLike(upper, pattern))
            << "text " << text << " pattern " << pattern;
    }
}

TEST(SqlLikeTest, FieldTestsEndAtTheFirstNulAndNeverReadPastTheField)
{
    // A field's text ends at its first NUL or fills the field; the bytes
    // after a NUL may be left-overs, letters included, that never count.
    // Each field is a heap block of its exact size, so a read past it shows
    // under the address sanitizer.
    std::mt19937 rng(4242);
    const std::string textBytes = "aAbB\xB8\xA8"; // ё and Ё too
    const std::string patternBytes = "%%%_AaBb\xA8\xB8";
    const engine::CharMap *maps[] = {&engine::IdentityMap(), &engine::Cp1251UpperMap()};
    for (int round = 0; round < 40000; ++round) {
        const size_t size = 1 + rng() % 40;
        const size_t length = rng() % (size + 1);
        std::string pattern(1 + rng() % 9, ' ');
        for (char &c : pattern)
            c = patternBytes[rng() % patternBytes.size()];
        const auto field = std::make_unique<uint8_t[]>(size);
        for (size_t i = 0; i < size; ++i)
            field[i] = i < length ? uint8_t(textBytes[rng() % textBytes.size()])
                       : i == length || rng() % 4 == 0 ? 0
                                                       : uint8_t(textBytes[rng() % 2]);
        const engine::CharMap &map = *maps[round % 2];
        std::string text(reinterpret_cast<const char *>(field.get()), length);
        for (char &c : text)
            c = static_cast<char>(map[static_cast<uint8_t>(c)]);
        const engine::SqlPattern compiled(pattern, -1, map);
        ASSERT_EQ(compiled.MatchesField(field.get(), uint32_t(size)), ReferenceLike(text, pattern))
            << "text " << text << " pattern " << pattern << " size " << size;
    }
}

TEST(SqlLikeTest, ManyWildcardsOnLongTextsStayLinear)
{
    // A backtracking matcher would need far too many steps for these.
    const std::string text(255, 'a');
    std::string pattern;
    for (int i = 0; i < 40; ++i)
        pattern += "%a";
    const engine::SqlPattern miss(pattern + "%b", -1, engine::IdentityMap());
    const engine::SqlPattern hit(pattern + "%", -1, engine::IdentityMap());
    for (int i = 0; i < 1000; ++i) {
        ASSERT_FALSE(miss.Matches(text));
        ASSERT_TRUE(hit.Matches(text));
    }
}

TEST(SqlLikeTest, UpperMapsEveryLetterTheWayTheUserLocaleDoes)
{
    const engine::CharMap &up = engine::Cp1251UpperMap();
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const QString upper = codec::FromCp1251(byte).toUpper();
        bool ok = true;
        const std::string expected = codec::ToCp1251(upper, &ok);
        // A capital 1251 lacks (µ → Μ) leaves the byte as it is.
        const int want = ok && expected.size() == 1 ? static_cast<uint8_t>(expected[0]) : b;
        EXPECT_EQ(up[b], want) << "byte " << b;
    }
}

TEST(SqlLikeTest, UpperLetsCyrillicSearchesIgnoreCase)
{
    const CatalogueRow row{"Ёлка и ёжик", "Мир\\Фильмы\\", "Quality Soft", "", "", 1, "ђак"};
    EXPECT_EQ(TruthOf(R"(UPPER (Label) = "ЁЛКА И ЁЖИК")", row), "true");
    EXPECT_EQ(TruthOf(R"(UPPER (Label) LIKE "%ЁЖ%")", row), "true");
    EXPECT_EQ(TruthOf(R"(UPPER (Label) LIKE "%ЕЖ%")", row), "false");
    EXPECT_EQ(TruthOf(R"(Label LIKE "%ЁЖ%")", row), "false");
    EXPECT_EQ(TruthOf(R"(UPPER (Path) LIKE "%ФИЛЬМЫ\")", row), "true");
    EXPECT_EQ(TruthOf(R"(UPPER (Producer) LIKE "%Y S%")", row), "true");
    EXPECT_EQ(TruthOf(R"(UPPER (Description) = "ЂАК")", row), "true");
    // The upper-cased text never holds lower-case letters.
    EXPECT_EQ(TruthOf(R"(UPPER (Label) LIKE "%ёж%")", row), "false");
}

} // namespace
} // namespace qbx::test
