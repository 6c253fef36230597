// Syntax, errors with their positions, and three-valued logic.
#include "CatalogueRecords.h"

#include "engine/Error.h"

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

// The message of the error a condition raises, or "" when it binds.
std::string ErrorOf(const std::string &condition)
{
    try {
        MatchingRows(condition, {});
    } catch (const engine::Error &e) {
        EXPECT_EQ(e.code(), engine::ErrSqlSyntax) << condition;
        return e.what();
    }
    return "";
}

std::string StatementErrorOf(const std::string &statement)
{
    try {
        engine::ParseSqlSelect(statement);
    } catch (const engine::Error &e) {
        EXPECT_EQ(e.code(), engine::ErrSqlSyntax) << statement;
        return e.what();
    }
    return "";
}

TEST(SqlGrammarTest, MalformedConditionsNameTheProblemAndItsPosition)
{
    const struct {
        const char *condition;
        const char *message;
    } cases[] = {
        {R"(Label LIKE "abc)", "Unterminated string constant at position 12."},
        {R"((Label = "a")", R"x(Expected ")" but found end of statement at position 13.)x"},
        {R"(Label = "a"))", R"x(Unexpected ")" after the condition at position 12.)x"},
        {R"(Label "a")",
         R"(Expected a comparison operator, LIKE or IS but found string "a" at position 7.)"},
        {R"(Label LIKE "a" ESCAPE "ab")",
         "The escape character must be one character at position 23."},
        {R"(Label LIKE "a" ESCAPE !)", R"(Invalid character "!" at position 23.)"},
        {R"(Label # "a")", R"(Invalid character "#" at position 7.)"},
        {R"(Nosuch = "a")", R"(Unknown field "Nosuch" at position 1.)"},
        {R"(ByteSize = "100")", "Type mismatch in comparison at position 12."},
        {R"(Label = 100)", "Type mismatch in comparison at position 9."},
        {R"(UPPER (ByteSize) LIKE "1%")", "UPPER needs a text value at position 8."},
        {R"(ByteSize LIKE "1%")", "LIKE needs a text value at position 1."},
        {R"(Label LIKE Path)", "The LIKE pattern must be a string constant at position 12."},
        {R"(ByteSize = 12abc)", R"(Invalid number "12a" at position 12.)"},
        {R"(ByteSize = 1e999)", "Number out of range at position 12."},
        {R"(Label IS "x")", R"(Expected NULL but found string "x" at position 10.)"},
        {R"(UPPER Label = "x")", R"(Expected "(" after UPPER but found "Label" at position 7.)"},
        {"",
         "Expected a field name, a string or a number but found end of statement at position 1."},
        {R"(AND Label = "a")",
         R"(Expected a field name, a string or a number but found "AND" at position 1.)"},
        {R"(Label = "a" AND)",
         "Expected a field name, a string or a number but found end of statement at position 16."},
        {"Label = \"a\"\r\n  OR  Path", "Expected a comparison operator, LIKE or IS but found "
                                        "end of statement at position 24."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ErrorOf(c.condition), c.message) << c.condition;

    // Nesting deep enough to exhaust the stack is refused, not followed.
    const std::string deep = std::string(100000, '(') + "Label = \"a\"" + std::string(100000, ')');
    EXPECT_NE(ErrorOf(deep).find("Condition nested too deeply at position"), std::string::npos);
    std::string nots;
    for (int i = 0; i < 100000; ++i)
        nots += "NOT ";
    EXPECT_NE(ErrorOf(nots + "Label = \"a\"").find("nested too deeply"), std::string::npos);
    // A moderately nested condition is fine.
    EXPECT_EQ(ErrorOf(std::string(50, '(') + "Label = \"a\"" + std::string(50, ')')), "");
}

TEST(SqlGrammarTest, StatementNamesItsTableAndTakesAnOptionalCondition)
{
    const engine::SqlSelect s =
        engine::ParseSqlSelect(R"(select * FROM "/home/u/my ""cat"".db" where (Label = "x");)");
    EXPECT_EQ(s.table, "/home/u/my \"cat\".db");
    EXPECT_TRUE(s.hasWhere);
    EXPECT_EQ(s.where.kind, engine::SqlExpr::Kind::Compare);
    EXPECT_FALSE(engine::ParseSqlSelect(R"(SELECT * FROM "a.db")").hasWhere);

    EXPECT_EQ(StatementErrorOf(R"(SELECT * FROM table WHERE Label = "a")"),
              R"(Expected the table file name in quotes but found "table" at position 15.)");
    EXPECT_EQ(StatementErrorOf(R"(SELECT Label FROM "a.db")"),
              R"(Expected "*" but found "Label" at position 8.)");
    EXPECT_EQ(StatementErrorOf(R"(UPDATE "a.db")"),
              R"(Expected SELECT but found "UPDATE" at position 1.)");
    EXPECT_EQ(
        StatementErrorOf(R"(SELECT * FROM "a.db" WHERE)"),
        "Expected a field name, a string or a number but found end of statement at position 27.");
    EXPECT_EQ(StatementErrorOf(R"(SELECT * FROM "a.db" ORDER BY Label)"),
              R"(Unexpected "ORDER" after the condition at position 22.)");
}

TEST(SqlGrammarTest, NullsPropagateThroughNotAndOr)
{
    // Path and Description are empty (NULL), ByteSize has no value.
    const CatalogueRow row{"A", "", "", "", "", std::nullopt, ""};
    const struct {
        const char *condition;
        const char *truth;
    } cases[] = {
        {R"(Path = "x")", "unknown"},
        {R"(Path <> "x")", "unknown"},
        {R"(NOT (Path = "x"))", "unknown"},
        {R"(Path LIKE "%")", "unknown"},
        {R"(Path NOT LIKE "%")", "unknown"},
        {R"(ByteSize > 0)", "unknown"},
        {R"(Path = "x" OR Label = "A")", "true"},
        {R"(Path = "x" OR Label = "B")", "unknown"},
        {R"(Path = "x" AND Label = "B")", "false"},
        {R"(Path = "x" AND Label = "A")", "unknown"},
        {R"(NOT (Path = "x" AND Label = "A"))", "unknown"},
        {R"(NOT (Path = "x" AND Label = "B"))", "true"},
        {R"(NOT (Path = "x" OR Label = "A"))", "false"},
        {R"(Path IS NULL)", "true"},
        {R"(Path IS NOT NULL)", "false"},
        {R"(NOT Path IS NULL)", "false"},
        // AND binds tighter than OR; NOT tighter than AND.
        {R"(Label = "A" OR Label = "B" AND Label = "C")", "true"},
        {R"((Label = "A" OR Label = "B") AND Label = "C")", "false"},
        {R"(NOT Label = "B" AND Label = "A")", "true"},
        // Keywords and field names in any case.
        {R"(label like "a%" Or NOT path IS null)", "false"},
        {R"(upper (LABEL) = "A" and BYTESIZE is NULL)", "true"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TruthOf(c.condition, row), c.truth) << c.condition;
}

TEST(SqlGrammarTest, StringsCompareByteWiseAndCaseSensitively)
{
    const CatalogueRow row{"Beta", "", "", "", "", 1, ""};
    EXPECT_EQ(TruthOf(R"(Label = "Beta")", row), "true");
    EXPECT_EQ(TruthOf(R"(Label = "BETA")", row), "false");
    EXPECT_EQ(TruthOf(R"("Beta" = Label)", row), "true");
    EXPECT_EQ(TruthOf(R"(UPPER (Label) = "BETA")", row), "true");
    EXPECT_EQ(TruthOf(R"(UPPER (Label) = UPPER ("bEtA"))", row), "true");
    EXPECT_EQ(TruthOf(R"(Label > "Alpha" AND Label < "Gamma")", row), "true");
    EXPECT_EQ(TruthOf(R"(Label < "Bet")", row), "false");
    EXPECT_EQ(TruthOf(R"(Label <> "beta")", row), "true");
    EXPECT_EQ(TruthOf(R"(Label != "Beta")", row), "false");
    // Single quotes and a doubled quote inside.
    EXPECT_EQ(TruthOf(R"(Label = 'Beta' AND 'it''s' = "it's")", row), "true");
}

} // namespace
} // namespace qbx::test
