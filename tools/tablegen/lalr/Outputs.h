// The two texts made beside the image: the readable automaton report and the C++
// source with the production rules and symbol names.
#pragma once

#include <string>

#include "tools/tablegen/lalr/Grammar.h"
#include "tools/tablegen/lalr/Lr0Automaton.h"
#include "tools/tablegen/lalr/ParseTable.h"

namespace morvane::tablegen::lalr {

// The grammar, then every state with its kernel items, actions, gotos and the
// declared conflicts resolved in it, in the manner of bison's .output.
std::string automatonReport(const Grammar& grammar, const Lr0Automaton& automaton, const ParseTable& table);

// Defines morvane::cgrammar::productionCount, productionRule and symbolName.
std::string namesSource(const Grammar& grammar);

}  // namespace morvane::tablegen::lalr
