// A walk over the action rows: one row for every production 1 to 314 in the group
// that owns it, rule texts as the grammar writes them, and every row reading only
// the children its rule has, each once, as the right kind of symbol.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cgrammar/CGrammar.h"
#include "tests/translate/TestRhs.h"

namespace morvane {
namespace {

struct Group {
  const char* name;
  std::span<const ActionRow> rows;
  std::vector<std::pair<int, int>> ranges;
};

std::vector<Group> groups() {
  return {{"literals", literalActions(), {{1, 16}}},
          {"expressions", expressionActions(), {{17, 90}}},
          {"declarations", declarationActions(), {{91, 179}, {198, 212}}},
          {"declarators", declaratorActions(), {{180, 197}, {260, 314}}},
          {"statements", statementActions(), {{213, 240}}},
          {"functions", functionActions(), {{241, 259}}}};
}

TEST(ActionRows, OneRowPerProductionInItsGroup) {
  std::vector<int> rowsPerProduction(kLastProduction + 1, 0);
  for (const Group& group : groups()) {
    for (const ActionRow& row : group.rows) {
      ASSERT_TRUE(row.production >= 1 && row.production <= kLastProduction) << row.production;
      ++rowsPerProduction[static_cast<std::size_t>(row.production)];
      bool inRange = false;
      for (auto [first, last] : group.ranges) inRange |= row.production >= first && row.production <= last;
      EXPECT_TRUE(inRange) << row.production << " in " << group.name;
      EXPECT_NE(row.build, nullptr) << row.production;
    }
  }
  for (int n = 1; n <= kLastProduction; ++n) {
    EXPECT_EQ(rowsPerProduction[static_cast<std::size_t>(n)], 1) << "production " << n;
    ASSERT_NE(findActionRow(static_cast<std::uint32_t>(n)), nullptr) << n;
    EXPECT_EQ(findActionRow(static_cast<std::uint32_t>(n))->production, n);
  }
}

TEST(ActionRows, RuleTextsAreTheGrammars) {
  if (cgrammar::productionCount() == 0) GTEST_SKIP() << "built with the placeholder name table";
  ASSERT_EQ(cgrammar::productionCount(), kLastProduction + 1);
  for (int n = 1; n <= kLastProduction; ++n) {
    EXPECT_EQ(findActionRow(static_cast<std::uint32_t>(n))->rule, cgrammar::productionRule(n)) << n;
  }
}

TEST(ActionRows, ProductionsWithoutActionGiveTheirNumberInBraces) {
  const TranslationContext context;
  for (std::uint32_t n : {0u, 315u, 400u, 4000000000u}) {
    EXPECT_EQ(findActionRow(n), nullptr);
    EXPECT_EQ(testing::reduceWith(n, {}, context), "{" + std::to_string(n) + "}");
  }
}

// Each child is a distinct marker (ending like a statement, which production 232
// shortens by its ";" CRLF); a row must read only its rule's positions, take
// each text once, and write every nonterminal child, except where the action drops
// one on purpose.
TEST(ActionRows, EveryRowReadsItsOwnChildren) {
  const std::set<int> dropsAChild = {
      185,                      // the abstract declarator of a parameter is not written
      255, 256, 257, 258, 259,  // an old-style heading keeps the name up to "(" only
      306,                      // the earlier dimension survives only through its brackets
  };
  UserTypeTable userTypes;
  FillUserTypeTable(userTypes, {{"T", "TPascal"}});
  TranslationContext context;
  context.userTypes = &userTypes;
  for (int n = 1; n <= kLastProduction; ++n) {
    const ActionRow* row = findActionRow(static_cast<std::uint32_t>(n));
    const std::vector<bool> nonterminals = testing::nonterminalPositions(row->rule);
    std::vector<std::string> children;
    for (std::size_t i = 0; i < nonterminals.size(); ++i)
      children.push_back("<" + std::to_string(i) + ">;\r\n");
    if (n == 141) children[0] = "UserDefined1";
    std::string misuse;
    const std::string text = testing::reduceWith(static_cast<std::uint32_t>(n), children, context, &misuse);
    EXPECT_EQ(misuse, "") << "production " << n;
    if (dropsAChild.count(n) != 0) continue;
    for (std::size_t i = 0; i < nonterminals.size(); ++i) {
      if (nonterminals[i]) {
        EXPECT_NE(text.find("<" + std::to_string(i) + ">"), std::string::npos)
            << "production " << n << " child " << i;
      }
    }
  }
}

}  // namespace
}  // namespace morvane
