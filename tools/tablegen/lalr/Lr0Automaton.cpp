// Builds the LR(0) automaton: closure of kernels, goto on every symbol after a dot,
// states numbered in the order they are first reached (breadth-first).
#include "tools/tablegen/lalr/Lr0Automaton.h"

#include <algorithm>
#include <map>

#include "parser/SSYaccTable.h"
#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen::lalr {

std::int32_t Lr0Automaton::target(std::int32_t state, SymbolIndex symbol) const {
  const auto& transitions = states[state].transitions;
  const auto it = std::lower_bound(transitions.begin(), transitions.end(), symbol,
                                   [](const Transition& t, SymbolIndex s) { return t.symbol < s; });
  return it != transitions.end() && it->symbol == symbol ? it->target : -1;
}

namespace {

class Builder {
 public:
  explicit Builder(const Grammar& g) : g_(g), byLhs_(g.symbols.size()) {
    for (const Production& p : g.productions) byLhs_[p.lhs].push_back(p.number);
  }

  Lr0Automaton build() {
    addState({Item{0, 0}});
    for (std::size_t next = 0; next < automaton_.states.size(); ++next) expand(static_cast<std::int32_t>(next));
    return std::move(automaton_);
  }

 private:
  SymbolIndex afterDot(const Item& item) const {
    const auto& rhs = g_.productions[item.production].rhs;
    return item.dot < static_cast<std::int32_t>(rhs.size()) ? rhs[item.dot] : -1;
  }

  std::int32_t addState(std::vector<Item> kernel) {
    const auto [it, inserted] = numbers_.emplace(kernel, static_cast<std::int32_t>(automaton_.states.size()));
    if (!inserted) return it->second;
    // Targets are 16 bits wide; stop before a runaway grammar eats the memory.
    if (automaton_.states.size() > ActionTargetMask)
      throw DefinitionError(0, "the grammar needs more than 65536 states: at most 65535 fit");
    Lr0State state;
    state.kernel = std::move(kernel);
    state.items = state.kernel;
    std::vector<bool> added(g_.symbols.size(), false);
    for (std::size_t i = 0; i < state.items.size(); ++i) {
      const SymbolIndex next = afterDot(state.items[i]);
      if (next < 0 || g_.isTerminal(next) || added[next]) continue;
      added[next] = true;
      for (std::int32_t p : byLhs_[next]) state.items.push_back({p, 0});
    }
    automaton_.states.push_back(std::move(state));
    return it->second;
  }

  // Successors are made in the order their symbols first follow a dot, so the
  // numbering follows the grammar text.
  void expand(std::int32_t number) {
    std::vector<SymbolIndex> order;
    std::map<SymbolIndex, std::vector<Item>> kernels;
    for (const Item& item : automaton_.states[number].items) {
      const SymbolIndex next = afterDot(item);
      if (next < 0) continue;
      auto& kernel = kernels[next];
      if (kernel.empty()) order.push_back(next);
      kernel.push_back({item.production, item.dot + 1});
    }
    std::vector<Transition> transitions;
    for (SymbolIndex symbol : order) {
      auto& kernel = kernels[symbol];
      std::sort(kernel.begin(), kernel.end());
      transitions.push_back({symbol, addState(std::move(kernel))});
    }
    std::sort(transitions.begin(), transitions.end(),
              [](const Transition& a, const Transition& b) { return a.symbol < b.symbol; });
    automaton_.states[number].transitions = std::move(transitions);
  }

  const Grammar& g_;
  std::vector<std::vector<std::int32_t>> byLhs_;
  std::map<std::vector<Item>, std::int32_t> numbers_;
  Lr0Automaton automaton_;
};

}  // namespace

Lr0Automaton buildLr0Automaton(const Grammar& grammar) { return Builder(grammar).build(); }

}  // namespace morvane::tablegen::lalr
