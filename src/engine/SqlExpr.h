#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Syntax tree of a SELECT statement and its WHERE condition, before the
// field names are looked up in a table.
namespace qbx::engine {

struct SqlOperand {
    enum class Kind { Field, String, Number };
    Kind kind = Kind::String;
    std::string text;   // field name, string value or number as written
    double number = 0;  // value of a number
    bool upper = false; // wrapped in UPPER (...)
    size_t position = 0;
};

enum class SqlCompareOp { Eq, Ne, Lt, Le, Gt, Ge };

struct SqlExpr {
    enum class Kind { Or, And, Not, Compare, Like, IsNull };
    Kind kind = Kind::Compare;
    size_t position = 0;
    std::vector<SqlExpr> children; // Or, And (two or more), Not (one)
    SqlOperand left;               // Compare, Like (the tested value), IsNull
    SqlOperand right;              // Compare, Like (the pattern)
    SqlCompareOp op = SqlCompareOp::Eq;
    bool negated = false; // NOT LIKE, IS NOT NULL
    bool hasEscape = false;
    char escape = 0;
};

struct SqlSelect {
    std::string table; // the file name between the quotes after FROM
    bool hasWhere = false;
    SqlExpr where;
};

} // namespace qbx::engine
