// Assembles the actions of every state from the automaton and the lookaheads:
// shifts, reductions on exactly their lookahead terminals, accept in place of the
// end-of-input shift of production 0. Declared conflicts are resolved; any other
// conflict fails with a description of each.
#include "tools/tablegen/lalr/ParseTable.h"

#include <algorithm>
#include <optional>

#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen::lalr {

std::string itemText(const Grammar& g, const Item& item) {
  const Production& p = g.productions[item.production];
  std::string text = std::to_string(p.number) + " " + g.symbols[p.lhs].name + ":";
  for (std::size_t i = 0; i <= p.rhs.size(); ++i) {
    if (static_cast<std::int32_t>(i) == item.dot) text += " .";
    if (i < p.rhs.size()) text += " " + g.symbols[p.rhs[i]].name;
  }
  return text;
}

namespace {

constexpr std::size_t kMaxConflictsShown = 20;

bool hasItemBefore(const Grammar& g, const Lr0State& state, std::int32_t production, SymbolIndex symbol) {
  return std::any_of(state.items.begin(), state.items.end(), [&](const Item& item) {
    const auto& rhs = g.productions[item.production].rhs;
    return item.production == production && item.dot < static_cast<std::int32_t>(rhs.size()) &&
           rhs[item.dot] == symbol;
  });
}

std::string describeConflict(const Grammar& g, std::int32_t number, const Lr0State& state, SymbolIndex symbol,
                             std::optional<std::int32_t> shiftTarget, const std::vector<std::int32_t>& reduces) {
  std::string text = "conflict in state " + std::to_string(number) + " on " + g.symbols[symbol].name + ":\n";
  for (const Item& item : state.items) {
    const bool kernel = std::binary_search(state.kernel.begin(), state.kernel.end(), item);
    const bool completed = item.dot == static_cast<std::int32_t>(g.productions[item.production].rhs.size());
    const bool involved = completed ? std::find(reduces.begin(), reduces.end(), item.production) != reduces.end()
                                    : g.productions[item.production].rhs[item.dot] == symbol;
    if (kernel || involved) text += "  " + itemText(g, item) + "\n";
  }
  if (shiftTarget) text += "  shift, and go to state " + std::to_string(*shiftTarget) + "\n";
  for (std::int32_t p : reduces)
    text += "  reduce by production " + std::to_string(p) + " (" + g.ruleText(p) + ")\n";
  return text;
}

}  // namespace

ParseTable buildParseTable(const Grammar& g, const Lr0Automaton& automaton,
                           const std::vector<std::vector<Reduction>>& lookaheads) {
  ParseTable table;
  std::vector<bool> expectedMet(g.expected.size(), false);
  std::vector<std::string> conflicts;
  const auto startLength = static_cast<std::int32_t>(g.productions[0].rhs.size());

  for (std::size_t number = 0; number < automaton.states.size(); ++number) {
    const Lr0State& state = automaton.states[number];
    TableState out;
    std::vector<std::optional<std::int32_t>> shifts(g.terminalCount);
    std::vector<std::vector<std::int32_t>> reduces(g.terminalCount);
    for (const Transition& t : state.transitions) {
      if (g.isTerminal(t.symbol)) shifts[t.symbol] = t.target;
      else out.gotos.push_back({t.symbol, t.target});
    }
    for (const Reduction& r : lookaheads[number])
      for (SymbolIndex t = 0; t < g.terminalCount; ++t)
        if (r.lookahead.contains(t)) reduces[t].push_back(r.production);

    for (SymbolIndex t = 0; t < g.terminalCount; ++t) {
      if (!shifts[t] && reduces[t].size() <= 1) continue;
      if (shifts[t] && reduces[t].empty()) continue;
      std::optional<std::size_t> match;
      if (shifts[t] && reduces[t].size() == 1)
        for (std::size_t e = 0; e < g.expected.size(); ++e)
          if (g.expected[e].symbol == t && g.expected[e].reduced == reduces[t][0] &&
              hasItemBefore(g, state, g.expected[e].shifted, t))
            match = e;
      if (!match) {
        conflicts.push_back(describeConflict(g, static_cast<std::int32_t>(number), state, t, shifts[t], reduces[t]));
        continue;
      }
      expectedMet[*match] = true;
      const bool keepShift = g.expected[*match].keepShift;
      out.resolved.push_back({t, reduces[t][0], *shifts[t], keepShift});
      if (keepShift) reduces[t].clear();
      else shifts[t].reset();
    }

    const bool accepts = std::binary_search(state.kernel.begin(), state.kernel.end(), Item{0, startLength - 1});
    for (SymbolIndex t = 0; t < g.terminalCount; ++t) {
      if (!shifts[t]) continue;
      if (t == g.eof && accepts) out.actions.push_back({t, ActionKind::Accept, 0});
      else out.actions.push_back({t, ActionKind::Shift, *shifts[t]});
    }
    for (const Reduction& r : lookaheads[number])
      for (SymbolIndex t = 0; t < g.terminalCount; ++t)
        if (!reduces[t].empty() && reduces[t][0] == r.production) out.actions.push_back({t, ActionKind::Reduce, r.production});
    table.states.push_back(std::move(out));
  }

  if (!conflicts.empty()) {
    std::string message = std::to_string(conflicts.size()) + " unexpected conflict" +
                          (conflicts.size() == 1 ? "" : "s") + ":\n";
    for (std::size_t i = 0; i < conflicts.size() && i < kMaxConflictsShown; ++i) message += conflicts[i];
    if (conflicts.size() > kMaxConflictsShown)
      message += "... and " + std::to_string(conflicts.size() - kMaxConflictsShown) + " more\n";
    message.pop_back();
    throw DefinitionError(0, message);
  }
  for (std::size_t e = 0; e < g.expected.size(); ++e)
    if (!expectedMet[e])
      throw DefinitionError(g.expected[e].line, "the declared conflict on " + g.symbols[g.expected[e].symbol].name +
                                                    " between productions " + std::to_string(g.expected[e].reduced) +
                                                    " and " + std::to_string(g.expected[e].shifted) +
                                                    " does not occur");
  return table;
}

}  // namespace morvane::tablegen::lalr
