// Minimisation of a list's DFA: dead ends trimmed, equivalent states merged
// (states with different final records are never merged), then the states numbered
// breadth-first from the start state 0.
#pragma once

#include <vector>

#include "tools/tablegen/lexer/LexAutomaton.h"

namespace morvane::tablegen {

// `states[0]` is the start state.
LexDfa minimiseDfa(std::vector<LexDfaState> states);

}  // namespace morvane::tablegen
