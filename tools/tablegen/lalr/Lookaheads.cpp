// DeRemer-Pennello: for every nonterminal transition (p, A), Read(p, A) collects the
// terminals that can follow A directly (through nullable nonterminals), Follow(p, A)
// adds those of the transitions it includes; a completed item's lookahead is the
// union of Follow over the transitions it looks back to. Both unions are solved by
// the digraph algorithm, which handles cycles of the relations in one pass.
#include "tools/tablegen/lalr/Lookaheads.h"

#include <algorithm>
#include <limits>
#include <map>

namespace morvane::tablegen::lalr {

namespace {

using Relation = std::vector<std::vector<std::int32_t>>;

// Makes F(x) the union of F0(y) over every y reachable from x (x included).
class Digraph {
 public:
  Digraph(const Relation& relation, std::vector<TerminalSet>& sets)
      : relation_(relation), sets_(sets), depth_(sets.size(), 0), entryDepth_(sets.size(), 0) {}

  void run() {
    for (std::size_t x = 0; x < sets_.size(); ++x)
      if (depth_[x] == 0) traverse(static_cast<std::int32_t>(x));
  }

 private:
  // Tarjan's traversal with an explicit stack of (node, next edge), so a long chain
  // of relations cannot exhaust the call stack.
  void traverse(std::int32_t root) {
    std::vector<std::pair<std::int32_t, std::size_t>> calls{{root, 0}};
    enter(root);
    while (!calls.empty()) {
      auto& [x, edge] = calls.back();
      if (edge < relation_[x].size()) {
        const std::int32_t y = relation_[x][edge++];
        if (depth_[y] == 0) {
          enter(y);
          calls.emplace_back(y, 0);
        } else {
          depth_[x] = std::min(depth_[x], depth_[y]);
          sets_[x].unite(sets_[y]);
        }
        continue;
      }
      const std::int32_t done = x;
      calls.pop_back();
      if (depth_[done] == entryDepth_[done]) {
        for (;;) {
          const std::int32_t top = stack_.back();
          stack_.pop_back();
          depth_[top] = kDone;
          if (top == done) break;
          sets_[top] = sets_[done];
        }
      }
      if (!calls.empty()) {
        const std::int32_t parent = calls.back().first;
        depth_[parent] = std::min(depth_[parent], depth_[done]);
        sets_[parent].unite(sets_[done]);
      }
    }
  }

  void enter(std::int32_t x) {
    stack_.push_back(x);
    depth_[x] = entryDepth_[x] = static_cast<std::int32_t>(stack_.size());
  }

  static constexpr std::int32_t kDone = std::numeric_limits<std::int32_t>::max();
  const Relation& relation_;
  std::vector<TerminalSet>& sets_;
  std::vector<std::int32_t> depth_;       // 0 unvisited, kDone finished, else the lowest depth reached
  std::vector<std::int32_t> entryDepth_;  // the depth at which the node was entered
  std::vector<std::int32_t> stack_;
};

std::vector<bool> nullableNonterminals(const Grammar& g) {
  std::vector<bool> nullable(g.symbols.size(), false);
  for (bool changed = true; changed;) {
    changed = false;
    for (const Production& p : g.productions) {
      if (nullable[p.lhs]) continue;
      if (std::all_of(p.rhs.begin(), p.rhs.end(), [&](SymbolIndex s) { return nullable[s]; })) {
        nullable[p.lhs] = true;
        changed = true;
      }
    }
  }
  return nullable;
}

}  // namespace

std::vector<std::vector<Reduction>> computeLookaheads(const Grammar& g, const Lr0Automaton& automaton) {
  const std::vector<bool> nullable = nullableNonterminals(g);

  // Number the nonterminal transitions.
  std::map<std::pair<std::int32_t, SymbolIndex>, std::int32_t> transitionIndex;
  std::vector<std::pair<std::int32_t, SymbolIndex>> transitions;
  for (std::size_t p = 0; p < automaton.states.size(); ++p)
    for (const Transition& t : automaton.states[p].transitions)
      if (!g.isTerminal(t.symbol)) {
        transitionIndex[{static_cast<std::int32_t>(p), t.symbol}] = static_cast<std::int32_t>(transitions.size());
        transitions.emplace_back(static_cast<std::int32_t>(p), t.symbol);
      }
  const auto count = transitions.size();

  // Direct reads and the reads relation.
  std::vector<TerminalSet> sets(count, TerminalSet(g.terminalCount));
  Relation reads(count);
  for (std::size_t x = 0; x < count; ++x) {
    const auto [p, symbol] = transitions[x];
    const std::int32_t r = automaton.target(p, symbol);
    for (const Transition& t : automaton.states[r].transitions) {
      if (g.isTerminal(t.symbol)) sets[x].insert(t.symbol);
      else if (nullable[t.symbol]) reads[x].push_back(transitionIndex.at({r, t.symbol}));
    }
  }
  Digraph(reads, sets).run();

  // includes and lookback: walk every production of B from each state p' with a
  // transition on B. (q, A) includes (p', B) when A stands in the right side with a
  // nullable rest, q being the state the walk stands in before A; the walk's end
  // state holds the completed item, which looks back to (p', B).
  Relation includes(count);
  std::vector<std::map<std::int32_t, std::vector<std::int32_t>>> lookback(automaton.states.size());
  for (std::size_t x = 0; x < count; ++x) {
    const auto [start, lhs] = transitions[x];
    for (const Production& prod : g.productions) {
      if (prod.lhs != lhs) continue;
      std::int32_t q = start;
      const auto length = prod.rhs.size();
      for (std::size_t i = 0; i < length; ++i) {
        const SymbolIndex symbol = prod.rhs[i];
        if (!g.isTerminal(symbol) &&
            std::all_of(prod.rhs.begin() + static_cast<std::ptrdiff_t>(i) + 1, prod.rhs.end(),
                        [&](SymbolIndex s) { return !g.isTerminal(s) && nullable[s]; }))
          includes[transitionIndex.at({q, symbol})].push_back(static_cast<std::int32_t>(x));
        q = automaton.target(q, symbol);
      }
      lookback[q][prod.number].push_back(static_cast<std::int32_t>(x));
    }
  }
  Digraph(includes, sets).run();

  std::vector<std::vector<Reduction>> result(automaton.states.size());
  for (std::size_t q = 0; q < automaton.states.size(); ++q) {
    std::vector<std::int32_t> completed;
    for (const Item& item : automaton.states[q].items)
      if (item.production != 0 &&
          item.dot == static_cast<std::int32_t>(g.productions[item.production].rhs.size()))
        completed.push_back(item.production);
    std::sort(completed.begin(), completed.end());
    for (std::int32_t production : completed) {
      Reduction reduction{production, TerminalSet(g.terminalCount)};
      if (const auto it = lookback[q].find(production); it != lookback[q].end())
        for (std::int32_t x : it->second) reduction.lookahead.unite(sets[x]);
      result[q].push_back(std::move(reduction));
    }
  }
  return result;
}

}  // namespace morvane::tablegen::lalr
