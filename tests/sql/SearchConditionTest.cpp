// The conditions the searches build, run over a small in-memory catalogue.
#include "CatalogueRecords.h"

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

using Rows = std::vector<int>;

const std::vector<CatalogueRow> &Catalogue()
{
    static const std::vector<CatalogueRow> rows = {
        /*0*/ {"DISK1", "", "", "", "", 700000000, "Дистрибутив"},
        /*1*/ {"DISK1", "Program Files\\", "", "", "", 0, ""},
        /*2*/
        {"DISK1", "Program Files\\Tabc\\readme.txt", "Microsoft", "Office", "97", 1048576, ""},
        /*3*/ {"DISK1", "Program Files\\setup.exe", "", "", "", 2097152, "Установка ABC"},
        /*4*/ {"Ёлки", "", "", "", "", std::nullopt, ""},
        /*5*/ {"Ёлки", "Музыка\\ёлочка.mp3", "", "", "", 100, "песня"},
        /*6*/ {"Ёлки", "Прайс 50_% скидка.TXT", "", "", "", 4294967297.0 + 1, ""},
        /*7*/ {"CD \"1\"", "", "", "", "", 100, ""},
        /*8*/ {"Ёлки", "Музыка\\", "", "", "", std::nullopt, ""},
    };
    return rows;
}

TEST(SearchConditionTest, GlobalSearchIgnoringCaseFindsTheSubstringInAnyTextField)
{
    EXPECT_EQ(
        MatchingRows(R"(((UPPER (Label) LIKE "%ABC%") OR (UPPER (Path) LIKE "%ABC%") OR )"
                     R"((UPPER (Producer) LIKE "%ABC%") OR (UPPER (Product) LIKE "%ABC%") OR )"
                     R"((UPPER (Version) LIKE "%ABC%") OR (UPPER (Description) LIKE "%ABC%")))",
                     Catalogue()),
        (Rows{2, 3}));
    // Cyrillic upper-casing, ё included.
    EXPECT_EQ(
        MatchingRows(R"(((UPPER (Label) LIKE "%ЁЛ%") OR (UPPER (Path) LIKE "%ЁЛ%")))", Catalogue()),
        (Rows{4, 5, 6, 8}));
    EXPECT_EQ(
        MatchingRows(R"(((UPPER (Path) LIKE "%ЁЛОЧ%") OR (UPPER (Description) LIKE "%ПЕСН%")))",
                     Catalogue()),
        (Rows{5}));
}

TEST(SearchConditionTest, GlobalSearchWithSizeTermAndCaseSensitiveEscapes)
{
    EXPECT_EQ(MatchingRows(R"(((UPPER (Label) LIKE "100") OR (UPPER (Version) LIKE "100") OR )"
                           R"((ByteSize = 100) OR (UPPER (Description) LIKE "100")))",
                           Catalogue()),
              (Rows{5, 7}));
    EXPECT_EQ(MatchingRows(R"(((Label LIKE "%50!_!%%" ESCAPE "!") OR )"
                           R"((Path LIKE "%50!_!%%" ESCAPE "!")))",
                           Catalogue()),
              (Rows{6}));
    // Without the escape "_" and "%" are wildcards and match far more.
    EXPECT_EQ(MatchingRows(R"((Path LIKE "%5_%"))", Catalogue()), (Rows{6}));
    EXPECT_EQ(MatchingRows(R"((Path LIKE "%0_!%%"))", Catalogue()), (Rows{}));
    EXPECT_EQ(MatchingRows(R"((UPPER (Label) LIKE "CD ""1"""))", Catalogue()), (Rows{7}));
    // Case-sensitive: lower-case text does not meet upper-case data.
    EXPECT_EQ(MatchingRows(R"((Producer LIKE "%soft%"))", Catalogue()), (Rows{2}));
    EXPECT_EQ(MatchingRows(R"((Producer LIKE "%SOFT%"))", Catalogue()), (Rows{}));
    EXPECT_EQ(MatchingRows(R"((UPPER (Producer) LIKE "%SOFT%"))", Catalogue()), (Rows{2}));
}

TEST(SearchConditionTest, KindFiltersSelectDiscsFoldersAndFiles)
{
    const std::string all = "(Label LIKE \"%\")";
    const std::string noDiscs = R"( AND (NOT (Path IS NULL)) AND (NOT (Path = "")))";
    const std::string foldersOnly = R"( AND ((Path LIKE "%\") OR (Path IS NULL) OR (Path = "")))";
    const std::string filesOnly =
        R"( AND ((Path IS NULL) OR (Path = "") OR (NOT (Path LIKE "%\"))))";
    const std::string discsOnly = R"( AND ((Path IS NULL) OR (Path = "")))";

    EXPECT_EQ(MatchingRows(all, Catalogue()), (Rows{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(MatchingRows(all + noDiscs, Catalogue()), (Rows{1, 2, 3, 5, 6, 8}));
    EXPECT_EQ(MatchingRows(all + foldersOnly, Catalogue()), (Rows{0, 1, 4, 7, 8}));
    EXPECT_EQ(MatchingRows(all + noDiscs + foldersOnly, Catalogue()), (Rows{1, 8}));
    EXPECT_EQ(MatchingRows(all + filesOnly, Catalogue()), (Rows{0, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(MatchingRows(all + noDiscs + filesOnly, Catalogue()), (Rows{2, 3, 5, 6}));
    EXPECT_EQ(MatchingRows(all + discsOnly, Catalogue()), (Rows{0, 4, 7}));

    EXPECT_EQ(MatchingRows(R"((UPPER (Path) LIKE "%.TXT"))" + filesOnly, Catalogue()),
              (Rows{2, 6}));
}

TEST(SearchConditionTest, SizeComparisonsAgainstDecimalIntegers)
{
    const std::string filesNoDiscs =
        R"x( AND (NOT (Path IS NULL)) AND (NOT (Path = "")))x"
        R"( AND ((Path IS NULL) OR (Path = "") OR (NOT (Path LIKE "%\"))))";
    EXPECT_EQ(MatchingRows("((ByteSize >= 1048576) AND (ByteSize <= 2097152))" + filesNoDiscs,
                           Catalogue()),
              (Rows{2, 3}));
    EXPECT_EQ(MatchingRows("(ByteSize = 4294967298)", Catalogue()), (Rows{6}));
    EXPECT_EQ(MatchingRows("ByteSize < 100", Catalogue()), (Rows{1}));
    EXPECT_EQ(MatchingRows("ByteSize <> 100", Catalogue()), (Rows{0, 1, 2, 3, 6}));
    EXPECT_EQ(MatchingRows("ByteSize >= 2048", Catalogue()), (Rows{0, 2, 3, 6}));
    EXPECT_EQ(MatchingRows("ByteSize > -1 AND ByteSize < 1", Catalogue()), (Rows{1}));
    EXPECT_EQ(MatchingRows("ByteSize IS NULL", Catalogue()), (Rows{4, 8}));
    // Numbers written with a sign, fraction or exponent are read as numbers too.
    EXPECT_EQ(MatchingRows("ByteSize = 1e2", Catalogue()), (Rows{5, 7}));
    EXPECT_EQ(MatchingRows("ByteSize = +100.0", Catalogue()), (Rows{5, 7}));
}

TEST(SearchConditionTest, OldFormatIntegerSizeFieldIsComparedLikeTheNumberField)
{
    const std::vector<CatalogueRow> rows = {
        {"A", "x", "", "", "", 100, ""},
        {"A", "y", "", "", "", -5, "neg"},
        {"A", "z", "", "", "", std::nullopt, "none"},
    };
    EXPECT_EQ(MatchingRows("ByteSize = 100", rows, engine::FtLong), (Rows{0}));
    EXPECT_EQ(MatchingRows("ByteSize < 0", rows, engine::FtLong), (Rows{1}));
    EXPECT_EQ(MatchingRows("ByteSize IS NULL OR Description = \"neg\"", rows, engine::FtLong),
              (Rows{1, 2}));
}

} // namespace
} // namespace qbx::test
