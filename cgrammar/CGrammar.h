// Names from the C grammar definition, for traces and tests. The table behind them
// is generated from cgrammar/CGrammar.y together with the parse table.
#pragma once

#include <cstdint>
#include <string_view>

namespace morvane::cgrammar {

// Number of productions, production 0 (goal: translation_unit EOF) included.
std::int32_t productionCount();
// The rule as written in the grammar, for example
// "postfix_expression: postfix_expression '[' expression ']'"; an empty right side
// is written "(empty)". Empty for a number outside the grammar.
std::string_view productionRule(std::int32_t production);
// The name of a terminal or nonterminal: a token name such as "IDENTIFIER", a
// punctuator or keyword quoted as in the grammar ("'['", "'int'"), "EOF", "error",
// or a nonterminal's name. Empty for a number the grammar does not use.
std::string_view symbolName(std::int32_t symbol);

}  // namespace morvane::cgrammar
