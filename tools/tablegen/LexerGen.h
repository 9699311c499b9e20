// Lexer table generation: a token definition (patterns per expression list) is
// turned into a lexer table image (regular patterns -> NFA -> DFA with longest
// match and priorities -> minimised DFA -> sorted transition ranges).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen {

// The image for a token definition text; DefinitionError on a fault in the text.
std::vector<unsigned char> buildLexerImage(std::string_view definition);

// One line per expression list of a lexer image: "list N: states S bytes B".
// DefinitionError (line 0) when the image is malformed.
std::string lexerImageStats(std::span<const unsigned char> image);

}  // namespace morvane::tablegen
