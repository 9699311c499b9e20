// Hand-made children for calling the action rows without a parse: one text per
// right-hand-side position (the SemanticText of a nonterminal or the token text of
// a terminal). It records misuse: a position outside the rule, a terminal read as
// a nonterminal or the reverse, and a text taken twice.
#pragma once

#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "translate/ReduceActions.h"

namespace morvane::testing {

// The right side of a rule text such as "declaration: typed_declarator_list ';'":
// true for each nonterminal (a lower-case name), false for each terminal.
inline std::vector<bool> nonterminalPositions(std::string_view rule) {
  std::vector<bool> positions;
  const auto colon = rule.find(": ");
  std::istringstream symbols{std::string(rule.substr(colon == std::string_view::npos ? 0 : colon + 2))};
  std::string symbol;
  while (symbols >> symbol) {
    if (symbol == "(empty)") continue;
    positions.push_back(std::islower(static_cast<unsigned char>(symbol.front())) != 0);
  }
  return positions;
}

class TestRhs final : public Rhs {
 public:
  TestRhs(std::vector<std::string> children, std::vector<bool> nonterminals,
          const TranslationContext& context, std::int32_t line = 1)
      : Rhs(context),
        children_(std::move(children)),
        nonterminals_(std::move(nonterminals)),
        taken_(children_.size(), false),
        line_(line) {}

  std::string t(std::int32_t i) override {
    if (!valid(i, true)) return {};
    if (taken_[static_cast<std::size_t>(i)]) misuse_ += "t(" + std::to_string(i) + ") taken twice; ";
    taken_[static_cast<std::size_t>(i)] = true;
    return std::move(children_[static_cast<std::size_t>(i)]);
  }
  std::string_view tok(std::int32_t i) override {
    if (!valid(i, false)) return {};
    return children_[static_cast<std::size_t>(i)];
  }
  std::int32_t tokLine(std::int32_t i) override { return valid(i, false) ? line_ : 0; }

  const std::string& misuse() const noexcept { return misuse_; }

 private:
  bool valid(std::int32_t i, bool nonterminal) {
    const auto index = static_cast<std::size_t>(i);
    if (i < 0 || index >= children_.size() || index >= nonterminals_.size()) {
      misuse_ += "position " + std::to_string(i) + " outside the rule; ";
      return false;
    }
    if (nonterminals_[index] != nonterminal) {
      misuse_ +=
          std::string(nonterminal ? "t(" : "tok(") + std::to_string(i) + ") on the wrong kind of symbol; ";
    }
    return true;
  }

  std::vector<std::string> children_;
  std::vector<bool> nonterminals_;
  std::vector<bool> taken_;
  std::int32_t line_;
  std::string misuse_;
};

// The text of one reduction by the production over the given children; misuse of
// the children is reported through `misuse`.
inline std::string reduceWith(std::uint32_t production, std::vector<std::string> children,
                              const TranslationContext& context, std::string* misuse = nullptr,
                              std::int32_t line = 1) {
  const ActionRow* row = findActionRow(production);
  TestRhs rhs(std::move(children), row != nullptr ? nonterminalPositions(row->rule) : std::vector<bool>{},
              context, line);
  std::string text = runAction(production, rhs);
  if (misuse != nullptr) *misuse = rhs.misuse();
  return text;
}

}  // namespace morvane::testing
