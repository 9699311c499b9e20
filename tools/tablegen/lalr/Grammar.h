// The grammar as the LALR(1) generator sees it: symbols with their table numbers,
// numbered productions and the conflicts the grammar declares on purpose, read from
// the grammar text by readGrammar (DefinitionError with the line on any fault).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::tablegen::lalr {

// Symbols are dense indexes: terminals 0 .. terminalCount-1 in ascending token
// number, then nonterminals in ascending table number (the goal, numbered 0, first).
using SymbolIndex = std::int32_t;

struct Symbol {
  std::string name;    // as written: IDENTIFIER, '[' or translation_unit
  std::int32_t number; // token number or nonterminal number in the table
  std::int32_t line;   // where it was declared
};

struct Production {
  std::int32_t number;             // equals its index
  SymbolIndex lhs;
  std::vector<SymbolIndex> rhs;
  std::int32_t line;
};

// A shift/reduce conflict the grammar has on purpose: on `symbol`, reducing by
// `reduced` competes with shifting an item of `shifted`; `keepShift` names the winner.
struct ExpectedConflict {
  SymbolIndex symbol;
  std::int32_t reduced;
  std::int32_t shifted;
  bool keepShift;
  std::int32_t line;
};

struct Grammar {
  std::vector<Symbol> symbols;
  std::int32_t terminalCount = 0;
  std::vector<Production> productions;  // production 0 is the start production
  std::vector<ExpectedConflict> expected;
  SymbolIndex eof = 0;                  // the terminal numbered -1

  std::int32_t symbolCount() const { return static_cast<std::int32_t>(symbols.size()); }
  bool isTerminal(SymbolIndex s) const { return s < terminalCount; }
  SymbolIndex goal() const { return terminalCount; }
  // "lhs: rhs ..." or "lhs: (empty)", spelled as in the grammar text.
  std::string ruleText(std::int32_t production) const;
};

// Reads a grammar text. Faults (an unknown or duplicate symbol, a production with
// the wrong number, a gap, a malformed line) raise DefinitionError with their line.
Grammar readGrammar(std::string_view text);

}  // namespace morvane::tablegen::lalr
