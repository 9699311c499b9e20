// A token definition as read from its text: the token rules of every expression
// list with their flags and tie rules. The text format is described at the top of
// cgrammar/CTokens.lex; parseLexDefinition checks everything that can be checked
// without building the automata.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tablegen/lexer/LexPattern.h"

namespace morvane::tablegen {

struct TokenRule {
  std::int32_t token = 0;
  std::string name;
  std::int32_t line = 0;  // where the rule stands in the definition
  PatternNode pattern;
  bool ignore = false;         // skipped: no lexeme is delivered
  bool pop = false;            // leaves the current list after the match
  std::int32_t pushList = -1;  // enters this list after the match; -1 for none
  std::vector<std::size_t> beats;  // rules of the same list this one wins ties against
};

struct ExpressionListDefinition {
  std::int32_t line = 0;  // the "list N" line
  std::vector<TokenRule> rules;
};

struct LexDefinition {
  std::vector<ExpressionListDefinition> lists;  // in list number order, from 0
};

// DefinitionError with the line on any fault of the text.
LexDefinition parseLexDefinition(std::string_view text);

}  // namespace morvane::tablegen
