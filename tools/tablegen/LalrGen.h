// Parse table generation: a grammar text is turned into an LALR(1) parse table
// image, a readable automaton report and a C++ source with the production names.
#pragma once

#include <cstdint>
#include <optional>
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

// A parse image decoded into plain values, for checks and tests.
struct ParserImageEntry {
  std::uint32_t word = 0;
  std::int32_t symbol = 0;
};

struct ParserImageState {
  std::uint32_t flags = 0;
  std::vector<ParserImageEntry> actions;
  std::vector<ParserImageEntry> gotos;
  std::optional<ParserImageEntry> errorEntry;  // present with StateHasErrorEntry
};

struct ParserImageProduction {
  std::int32_t rhsLength = 0;
  std::int32_t lhs = 0;
};

struct ParserImage {
  std::vector<ParserImageProduction> productions;
  std::vector<ParserImageState> states;
  std::int32_t listCount = 0;  // embedded expression lists (their blocks are checked, not decoded)
};

// Decodes and checks a parse image: header, offsets, every record inside the image,
// entry targets in range, action symbols terminals and goto symbols nonterminals.
// DefinitionError (line 0) naming the first fault.
ParserImage readParserImage(std::span<const unsigned char> image);

}  // namespace morvane::tablegen
