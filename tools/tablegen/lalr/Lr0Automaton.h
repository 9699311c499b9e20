// The LR(0) automaton of a grammar, production 0 being the start: states with
// their kernel and closure items and their transitions. States are numbered
// breadth-first from state 0, so the numbering depends on the grammar text only.
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

#include "tools/tablegen/lalr/Grammar.h"

namespace morvane::tablegen::lalr {

struct Item {
  std::int32_t production = 0;
  std::int32_t dot = 0;  // symbols of the right side before the dot
  auto operator<=>(const Item&) const = default;
};

struct Transition {
  SymbolIndex symbol;
  std::int32_t target;
};

struct Lr0State {
  std::vector<Item> kernel;       // sorted
  std::vector<Item> items;        // the kernel, then the items its closure adds
  std::vector<Transition> transitions;  // sorted by symbol
};

struct Lr0Automaton {
  std::vector<Lr0State> states;
  // The state reached from `state` on `symbol`, or -1.
  std::int32_t target(std::int32_t state, SymbolIndex symbol) const;
};

Lr0Automaton buildLr0Automaton(const Grammar& grammar);

}  // namespace morvane::tablegen::lalr
