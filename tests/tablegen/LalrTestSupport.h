// Helpers for the LALR(1) generator tests: build a tiny grammar's image and look
// at its states by following symbols from state 0.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "parser/SSYaccTable.h"
#include "tools/tablegen/LalrGen.h"

namespace morvane::test {

inline tablegen::ParserImage decodedImage(std::string_view grammar) {
  return tablegen::readParserImage(tablegen::buildParserTables(grammar).image);
}

// The state reached from state 0 along `path` (terminals by shift, nonterminals by
// goto), or -1 when the path breaks off.
inline std::int32_t stateAfter(const tablegen::ParserImage& image, const std::vector<std::int32_t>& path) {
  std::int32_t state = 0;
  for (std::int32_t symbol : path) {
    const auto& record = image.states[state];
    const auto& entries = symbol >= kFirstNonterminal ? record.gotos : record.actions;
    std::int32_t next = -1;
    for (const auto& e : entries)
      if (e.symbol == symbol && (symbol >= kFirstNonterminal || (e.word & ActionShift)))
        next = static_cast<std::int32_t>(e.word & ActionTargetMask);
    if (next < 0) return -1;
    state = next;
  }
  return state;
}

// A state's actions by token: "s3" shift to 3, "r5" reduce by 5, "acc" accept.
inline std::map<std::int32_t, std::string> actionsOf(const tablegen::ParserImage& image, std::int32_t state) {
  std::map<std::int32_t, std::string> out;
  for (const auto& a : image.states.at(state).actions) {
    const std::string target = std::to_string(a.word & ActionTargetMask);
    std::string& slot = out[a.symbol];
    if (!slot.empty()) slot += "+";  // a second entry for the token would be a fault
    if (a.word & ActionShift) slot += "s" + target;
    else if (a.word & ActionReduce) slot += "r" + target;
    else if (a.word & ActionAccept) slot += "acc";
    else slot += "?";
  }
  return out;
}

}  // namespace morvane::test
