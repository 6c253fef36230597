#pragma once

#include "engine/SqlExpr.h"

#include <string_view>

// Recursive-descent parser of the statement
//   SELECT * FROM "file" [WHERE condition] [;]
// where a condition is built of OR, AND, NOT, parentheses and predicates:
//   operand (= | <> | < | <= | > | >=) operand
//   operand [NOT] LIKE pattern [ESCAPE "c"]
//   operand IS [NOT] NULL
// and an operand is a field name, a string constant, a decimal number or
// UPPER (operand). Malformed text raises Error(ErrSqlSyntax) with the
// problem and its 1-based position.
namespace qbx::engine {

SqlSelect ParseSqlSelect(std::string_view statement);

// A condition on its own (the text after WHERE).
SqlExpr ParseSqlCondition(std::string_view condition);

} // namespace qbx::engine
