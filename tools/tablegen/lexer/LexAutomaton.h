// The automaton of one expression list: its rules' patterns -> NFA (Thompson) ->
// DFA by subset construction with longest-match accepting states and tie rules ->
// trimmed and minimised DFA, numbered breadth-first from the start state 0.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/tablegen/lexer/LexDefinition.h"

namespace morvane::tablegen {

// The final record of a state, as the image stores it.
struct LexFinalRecord {
  std::int32_t token = 0;
  std::int32_t listIndex = 0;
  std::uint32_t flags = 0;  // 0 for a state that accepts nothing
  friend bool operator==(const LexFinalRecord&, const LexFinalRecord&) = default;
  friend auto operator<=>(const LexFinalRecord&, const LexFinalRecord&) = default;
};

struct LexDfaState {
  std::array<std::int32_t, 256> next;  // per byte; -1 for no transition
  std::int32_t onStartMarker = -1;     // the transition on the start-of-input marker
  LexFinalRecord record;
};

struct LexDfa {
  std::vector<LexDfaState> states;  // state 0 is the start state
};

// The final record a rule's accepting states carry.
LexFinalRecord finalRecordOf(const TokenRule& rule);

// The minimal DFA of one list. DefinitionError when two rules match the same
// longest text and neither is declared over the other (both names, the line of the
// later one and an example text), when a rule can never win, or when the automaton
// grows beyond the generator's limits.
LexDfa buildListAutomaton(const ExpressionListDefinition& list, std::int32_t listIndex);

}  // namespace morvane::tablegen
