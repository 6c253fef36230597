// Comparisons, query trees and the conditions they build, run against a small
// catalogue through the engine's SQL.
#include "QueryCatalogue.h"

#include "engine/Error.h"
#include "engine/SqlParser.h"
#include "search/QueryComparison.h"

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

QString Sql(const QString &caption)
{
    return ComparisonToSql(caption);
}

TEST(QueryComparisonTest, CaptionsBecomeSqlPieces)
{
    EXPECT_EQ(Sql("[Производитель] СОДЕРЖИТ [a_b]"),
              R"(UPPER (Producer) LIKE "%A!_B%" ESCAPE "!")");
    EXPECT_EQ(Sql("[Метка компакт-диска] РАВНО [DISK*]!"), R"(Label LIKE "DISK%")");
    EXPECT_EQ(Sql("[Размер] >= [2 кБ]"), "ByteSize >= 2048");
    EXPECT_EQ(Sql("[Размер] < [3 ГБ]"), "ByteSize < 3221225472");
    EXPECT_EQ(Sql("[Размер] = [7]"), "ByteSize = 7");
    EXPECT_EQ(Sql("[Размер] > [1 мб]"), "ByteSize > 1048576");
    // Equality without wildcards stays "=", and quotes are doubled.
    EXPECT_EQ(Sql("[Описание] РАВНО [CD \"1\"]"), R"(UPPER (Description) = "CD ""1""")");
    EXPECT_EQ(Sql("[Полный путь] РАВНО [ёлка?]!"), R"(Path LIKE "ёлка%")");
    EXPECT_EQ(Sql("[продукт] РАВНО [ёлка]"), R"(UPPER (Product) = "ЁЛКА")");
    // A value from a query file written elsewhere loses its accents before
    // it is upper-cased, as the stored names did.
    EXPECT_EQ(Sql("[Полный путь] СОДЕРЖИТ [Jóga]"), R"(UPPER (Path) LIKE "%JOGA%")");
    EXPECT_EQ(Sql("[Производитель] РАВНО [Björk]!"), R"(Producer = "Bjork")");
}

TEST(QueryComparisonTest, ParseGivesThePartsAndRefusesMalformedCaptions)
{
    TComparison c = ParseComparison("[Размер] <= [10 МБ]");
    EXPECT_TRUE(c.valid);
    EXPECT_EQ(c.field, CfByteSize);
    EXPECT_EQ(c.op, "<=");
    EXPECT_EQ(c.value, "10");
    EXPECT_EQ(c.unit, SuMByte);
    c = ParseComparison("[Версия] СОДЕРЖИТ [a]b] c]!");
    EXPECT_TRUE(c.valid);
    EXPECT_TRUE(c.caseSensitive);
    EXPECT_EQ(c.value, "a]b] c");
    EXPECT_EQ(c.unit, -1);
    EXPECT_EQ(ParseComparison(ComparisonCaption("Продукт", "РАВНО", "x", true)).value, "x");

    for (const char *bad :
         {"", "]", "!", "[Размер] = [5", "[Размер] = [5!", "[Цвет] РАВНО [x]",
          "[Продукт] ПОХОЖЕ [x]", "[Продукт]РАВНО[x]", "[Размер] = [5 тБ]", "[Размер] = [1.5]",
          "[Размер] = [x]", "[Размер] = []", "[Размер] РАВНО [1) OR (1=1]", "[Продукт] < [5]",
          "[Размер] = [9000000000 ГБ]", "[НЕ ОПРЕДЕЛЕНО]"})
        EXPECT_FALSE(ParseComparison(QString::fromUtf8(bad)).valid) << bad;
    EXPECT_EQ(Sql("[Размер] РАВНО [1) OR (1=1]"), "");
}

TEST(QueryConditionTest, TreesBuildTheirConditions)
{
    const QString a = "\t\t[Производитель] СОДЕРЖИТ [soft]\n";
    const QString b = "\t\t[Размер] >= [100 МБ]\n";
    auto orTree = Tree("?\n\tИЛИ\n" + a + b);
    ASSERT_TRUE(orTree);
    EXPECT_EQ(QueryCondition(BuildCondition(*orTree->Top()), false, true, true),
              R"(((UPPER (Producer) LIKE "%SOFT%") OR (ByteSize >= 104857600)))"
              R"( AND (NOT (Path IS NULL)) AND (NOT (Path = "")))");

    auto notTree = Tree("НЕ\n\t[Продукт] РАВНО [x]");
    ASSERT_TRUE(notTree);
    EXPECT_EQ(BuildCondition(*notTree->Top()), R"(NOT (UPPER (Product) = "X"))");
    EXPECT_EQ(QueryCondition(BuildCondition(*notTree->Top()), true, true, true),
              R"((NOT (UPPER (Product) = "X")))");

    // One child of "И" is already one group: the filter follows directly.
    auto andTree = Tree("И\n\t[Продукт] РАВНО [x]");
    ASSERT_TRUE(andTree);
    EXPECT_EQ(QueryCondition(BuildCondition(*andTree->Top()), true, false, true),
              R"((UPPER (Product) = "X") AND ((Path IS NULL) OR (Path = "") OR )"
              R"((NOT (Path LIKE "%\"))))");

    // Empty logic nodes and undefined comparisons leave nothing behind.
    auto hollow = Tree("И\n\tИЛИ\n\tНЕ\n\t[НЕ ОПРЕДЕЛЕНО]\n\tИ\n\t\t[Размер] < [1 кБ]");
    ASSERT_TRUE(hollow);
    EXPECT_EQ(BuildCondition(*hollow->Top()), "((ByteSize < 1024))");
    EXPECT_EQ(BuildCondition(*Tree("НЕ\n\tИ\n\t\tИЛИ")->Top()), "");
    EXPECT_EQ(BuildCondition(*Tree("?")->Top()), "");
    // Parentheses inside string constants do not make one group.
    EXPECT_EQ(QueryCondition(R"x((Label = ")") OR (Label = "("))x", true, true, true),
              R"x(((Label = ")") OR (Label = "(")))x");
}

TEST(QueryConditionTest, ConditionsSelectTheRightRowsOfACatalogue)
{
    const QueryCatalogue cat;
    auto run = [&](const QString &file, bool discs = true, bool folders = true, bool files = true) {
        auto tree = Tree(file);
        EXPECT_TRUE(tree) << file.toStdString();
        return tree
                   ? cat.Select(QueryCondition(BuildCondition(*tree->Top()), discs, folders, files))
                   : QStringList{"refused"};
    };
    EXPECT_EQ(run("?\n\t[Производитель] СОДЕРЖИТ [soft]"),
              QStringList({"Soft\\a_b.txt", "Soft\\setup.exe"}));
    EXPECT_EQ(run("?\n\t[Производитель] СОДЕРЖИТ [SOFT]!"), QStringList());
    EXPECT_EQ(run("?\n\t[Производитель] СОДЕРЖИТ [land]!"), QStringList({"Soft\\setup.exe"}));
    EXPECT_EQ(run("?\n\t[Полный путь] СОДЕРЖИТ [a_b]"), QStringList({"Soft\\a_b.txt"}));
    EXPECT_EQ(run("?\n\t[Полный путь] РАВНО [*Е?НЯ.MP3]"), QStringList({"Музыка\\песня.mp3"}));
    EXPECT_EQ(run("?\n\t[Метка компакт-диска] РАВНО [DISK2]", false, true, true),
              QStringList({"Музыка\\", "Музыка\\песня.mp3"}));
    EXPECT_EQ(run("?\n\t[Метка компакт-диска] РАВНО [DISK2]", true, false, true),
              QStringList({"DISK2", "Музыка\\песня.mp3"}));
    EXPECT_EQ(run("И\n\t[Размер] >= [2 кБ]\n\t[Размер] <= [100 МБ]", false),
              QStringList({"Soft\\a_b.txt", "Soft\\setup.exe"}));
    EXPECT_EQ(run("ИЛИ\n\t[Размер] > [1 ГБ]\n\t[Описание] РАВНО [ПЕСНЯ]"),
              QStringList({"Музыка\\песня.mp3", "big.iso"}));
    // NOT of an unknown (NULL) comparison stays unknown: discs without a
    // producer are not found by NOT either.
    EXPECT_EQ(run("НЕ\n\t[Производитель] СОДЕРЖИТ [o]", true, false, true),
              QStringList({"Музыка\\песня.mp3"}));
    EXPECT_EQ(run("И\n\tНЕ\n\t\t[Метка компакт-диска] РАВНО [DISK1]\n\tИЛИ\n\t\t[Размер] = [0]"
                  "\n\t\t[Размер] > [1 ГБ]",
                  true, false, true),
              QStringList({"DISK2", "big.iso"}));
}

// The deepest tree the editor allows still gives a condition the SQL parser
// takes, whichever logic nodes it is built of.
TEST(QueryConditionTest, DeepestTreesStillParse)
{
    for (const QString &logic : {QStringLiteral("НЕ"), QStringLiteral("И")}) {
        QString file;
        for (int depth = 0; depth < kMaxQueryDepth; ++depth)
            file += QString(depth, u'\t') + logic + u'\n';
        const QString leaf = QString(kMaxQueryDepth, u'\t') + "[Продукт] РАВНО [x]\n";
        auto tree = Tree(file + leaf + (logic == "И" ? leaf : QString()));
        ASSERT_TRUE(tree);
        const QString condition = QueryCondition(BuildCondition(*tree->Top()), false, false, true);
        EXPECT_NO_THROW(engine::ParseSqlCondition(codec::ToCp1251(condition)));
        EXPECT_FALSE(Tree(file + u'\t' + leaf)) << "one level deeper is refused";
    }
}

} // namespace
} // namespace qbx::test
