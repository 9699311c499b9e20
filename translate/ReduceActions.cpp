// The shared builders of the action rows and the dispatch: an array indexed by
// production number, built once from the group tables.
#include "translate/ReduceActions.h"

#include <array>

namespace morvane {

namespace build {

std::string pass(Rhs& r) { return r.t(0); }

std::string literal(Rhs& r) { return std::string(r.arg()); }

std::string token(Rhs& r) { return std::string(r.tok(0)); }

std::string append(Rhs& r) {
  std::string text = r.t(0);
  text += r.t(1);
  return text;
}

std::string joinNext(Rhs& r) {
  std::string text = r.t(0);
  text += r.arg();
  text += r.t(1);
  return text;
}

std::string binary(Rhs& r) {
  std::string text = r.t(0);
  text += r.arg();
  text += r.t(2);
  return text;
}

std::string binaryParen(Rhs& r) {
  std::string text = "(";
  text += r.t(0);
  text += r.arg();
  text += r.t(2);
  text += ')';
  return text;
}

std::string suffix(Rhs& r) {
  std::string text = r.t(0);
  text += r.arg();
  return text;
}

std::string typeAfter(Rhs& r) {
  std::string text = r.t(1);
  text += r.arg();
  text += r.t(0);
  return text;
}

std::string newestFirst(Rhs& r) {
  std::string text = r.t(2);
  text += r.arg();
  text += r.t(0);
  return text;
}

std::string parenthesised(Rhs& r) {
  std::string text = "(";
  text += r.t(1);
  text += ')';
  return text;
}

std::string parenSuffix(Rhs& r) {
  std::string text = parenthesised(r);
  text += r.t(3);
  return text;
}

std::string pointer(Rhs& r) {
  std::string text = r.t(1);
  text += '^';
  return text;
}

}  // namespace build

namespace {

using DispatchTable = std::array<const ActionRow*, kLastProduction + 1>;

DispatchTable makeDispatchTable() {
  DispatchTable table{};
  for (auto group : {literalActions(), expressionActions(), declarationActions(), declaratorActions(),
                     statementActions(), functionActions()}) {
    for (const ActionRow& row : group) {
      if (row.production >= 1 && row.production <= kLastProduction) {
        table[static_cast<std::size_t>(row.production)] = &row;
      }
    }
  }
  return table;
}

}  // namespace

const ActionRow* findActionRow(std::uint32_t production) {
  static const DispatchTable table = makeDispatchTable();
  return production < table.size() ? table[production] : nullptr;
}

std::string runAction(std::uint32_t production, Rhs& rhs) {
  const ActionRow* row = findActionRow(production);
  if (row == nullptr) return "{" + std::to_string(production) + "}";
  rhs.setArg(row->arg);
  return row->build(rhs);
}

}  // namespace morvane
