// Parse table generation: a grammar text is turned into an LALR(1) parse table
// image, a readable automaton report and a C++ source with the production names.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen {

struct ParserTables {
  std::vector<unsigned char> image;  // the parse table image
  std::string report;                // states with their items and actions
  std::string namesCpp;              // defines the functions of cgrammar/CGrammar.h
};

// The tables for a grammar text. DefinitionError on a fault in the text, and on any
// conflict the grammar does not declare as expected (with the state, its items and
// the symbol).
ParserTables buildParserTables(std::string_view grammar);

// The counts of a parse image, one per line: productions, states, shifts,
// reductions, accepts, conflicts, gotos, error_entries, bytes ("name: N").
// DefinitionError (line 0) when the image is malformed.
std::string parserImageStats(std::span<const unsigned char> image);

}  // namespace morvane::tablegen
