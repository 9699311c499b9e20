// The LALR(1) parse table before it becomes an image: per state its actions (shift,
// reduce, accept) and gotos, with the declared conflicts resolved. Any other
// conflict is a DefinitionError that shows the state, its items, the symbol and
// the competing actions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/tablegen/lalr/Grammar.h"
#include "tools/tablegen/lalr/Lookaheads.h"
#include "tools/tablegen/lalr/Lr0Automaton.h"

namespace morvane::tablegen::lalr {

enum class ActionKind { Shift, Reduce, Accept };

struct Action {
  SymbolIndex symbol;
  ActionKind kind;
  std::int32_t target;  // the state for a shift, the production for a reduce
};

struct Goto {
  SymbolIndex symbol;
  std::int32_t target;
};

// A declared conflict as it was met and resolved in one state.
struct ResolvedConflict {
  SymbolIndex symbol;
  std::int32_t reduced;
  std::int32_t shiftTarget;
  bool keptShift;
};

struct TableState {
  std::vector<Action> actions;  // shifts in symbol order, then reductions by production
  std::vector<Goto> gotos;      // in symbol order
  std::vector<ResolvedConflict> resolved;
};

struct ParseTable {
  std::vector<TableState> states;
};

ParseTable buildParseTable(const Grammar& grammar, const Lr0Automaton& automaton,
                           const std::vector<std::vector<Reduction>>& lookaheads);

// "lhs: a b . c" with the production number in front, as in reports.
std::string itemText(const Grammar& grammar, const Item& item);

}  // namespace morvane::tablegen::lalr
