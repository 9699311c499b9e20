// LALR(1) lookahead sets by DeRemer and Pennello's method (relations reads,
// includes and lookback over the nonterminal transitions of the LR(0) automaton).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/tablegen/lalr/Grammar.h"
#include "tools/tablegen/lalr/Lr0Automaton.h"

namespace morvane::tablegen::lalr {

// A set of terminals.
class TerminalSet {
 public:
  explicit TerminalSet(std::int32_t terminals = 0) : words_((terminals + 63) / 64, 0) {}
  void insert(SymbolIndex t) { words_[t / 64] |= std::uint64_t{1} << (t % 64); }
  bool contains(SymbolIndex t) const { return (words_[t / 64] >> (t % 64)) & 1; }
  void unite(const TerminalSet& other) {
    for (std::size_t i = 0; i < words_.size(); ++i) words_[i] |= other.words_[i];
  }
  bool operator==(const TerminalSet&) const = default;

 private:
  std::vector<std::uint64_t> words_;
};

// One completed item of a state and the terminals on which it is reduced.
struct Reduction {
  std::int32_t production;
  TerminalSet lookahead;
};

// Per state, its completed items (production 0 excluded: it is never reduced) with
// their lookahead sets, in production order.
std::vector<std::vector<Reduction>> computeLookaheads(const Grammar& grammar, const Lr0Automaton& automaton);

}  // namespace morvane::tablegen::lalr
