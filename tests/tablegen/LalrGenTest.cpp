// The LALR(1) generator on tiny grammars: lookaheads, automaton size, the image
// layout word by word, conflicts expected and unexpected, determinism.
#include <gtest/gtest.h>

#include <string>

#include "lexer/LittleEndian.h"
#include "tests/tablegen/LalrTestSupport.h"

namespace morvane {
namespace {

using test::actionsOf;
using test::decodedImage;
using test::stateAfter;
using Actions = std::map<std::int32_t, std::string>;

// goal -> S EOF, S -> a: the smallest grammar.
constexpr std::string_view kTiny =
    "%token EOF -1\n%token a 1\n%nonterminal goal 0\n%nonterminal S 16385\n%%\n0 goal: S EOF\n1 S: a\n";

// LALR(1) but not SLR(1): Follow(R) holds '=', yet after an L at the start only
// EOF may follow R.
constexpr std::string_view kAssignments = R"(
%token EOF -1
%token '=' 1
%token '*' 2
%token id 3
%nonterminal goal 0
%nonterminal S 16385
%nonterminal L 16386
%nonterminal R 16387
%%
0 goal: S EOF
1 S: L '=' R
2 S: R
3 L: '*' R
4 L: id
5 R: L
)";
constexpr std::int32_t kEq = 1, kStar = 2, kId = 3, kS = 16385, kL = 16386, kR = 16387;

TEST(LalrGen, LookaheadsAreLalrNotSlr) {
  const auto image = decodedImage(kAssignments);
  // The SLR conflict state: S -> L . '=' R and R -> L . reduce only on EOF.
  EXPECT_EQ(actionsOf(image, stateAfter(image, {kL})),
            (Actions{{kEofToken, "r5"}, {kEq, "s" + std::to_string(stateAfter(image, {kL, kEq}))}}));
  // Inside '*' or after '=' an R may be followed by '=' or EOF, and by EOF only.
  EXPECT_EQ(actionsOf(image, stateAfter(image, {kStar, kL})), (Actions{{kEofToken, "r5"}, {kEq, "r5"}}));
  EXPECT_EQ(actionsOf(image, stateAfter(image, {kStar, kR})), (Actions{{kEofToken, "r3"}, {kEq, "r3"}}));
  EXPECT_EQ(actionsOf(image, stateAfter(image, {kL, kEq, kR})), (Actions{{kEofToken, "r1"}}));
  EXPECT_EQ(actionsOf(image, stateAfter(image, {kR})), (Actions{{kEofToken, "r2"}}));
  EXPECT_EQ(actionsOf(image, stateAfter(image, {kS})), (Actions{{kEofToken, "acc"}}));
  // States shared by both contexts (LALR merges them): id and '*' lead to one state each.
  EXPECT_EQ(stateAfter(image, {kId}), stateAfter(image, {kL, kEq, kId}));
  EXPECT_EQ(stateAfter(image, {kStar}), stateAfter(image, {kStar, kStar}));
}

TEST(LalrGen, AutomatonSizes) {
  // The ten LR(0) states of the assignment grammar plus the state after EOF.
  EXPECT_EQ(decodedImage(kAssignments).states.size(), 11u);
  // The expression grammar's twelve LR(0) states plus the state after EOF.
  constexpr std::string_view kExpressions = R"(
%token EOF -1
%token '+' 1
%token '*' 2
%token '(' 3
%token ')' 4
%token id 5
%nonterminal goal 0
%nonterminal E 16385
%nonterminal T 16386
%nonterminal F 16387
%%
0 goal: E EOF
1 E: E '+' T
2 E: T
3 T: T '*' F
4 T: F
5 F: '(' E ')'
6 F: id
)";
  const auto image = decodedImage(kExpressions);
  EXPECT_EQ(image.states.size(), 13u);
  // T -> T . '*' F competes with E -> T . on nothing: reduce on '+', ')' and EOF only.
  const std::int32_t afterT = stateAfter(image, {16386});
  EXPECT_EQ(actionsOf(image, afterT),
            (Actions{{kEofToken, "r2"}, {1, "r2"}, {4, "r2"}, {2, "s" + std::to_string(stateAfter(image, {16386, 2}))}}));
}

TEST(LalrGen, ImageLayoutWordByWord) {
  const auto tables = tablegen::buildParserTables(kTiny);
  // States: 0 start, 1 after S (accept), 2 after a (reduce 1), 3 after EOF (empty).
  const std::vector<std::uint32_t> expected = {
      kYaccTableMagic, 2, 4, 52, 36,                // header: 2 productions, no lists, 4 states
      52, 80, 100, 120,                             // state offsets
      2, 0, 1, 16385,                               // productions: goal: S EOF, S: a
      0, 1, 1, ActionShift | 2, 1, 1, 16385,        // state 0: shift a, goto S
      0, 0, 1, ActionAccept, 0xFFFFFFFF,            // state 1: accept on EOF
      0, 0, 1, ActionReduce | 1, 0xFFFFFFFF,        // state 2: reduce 1 on EOF
      0, 0, 0};                                     // state 3: nothing
  ASSERT_EQ(tables.image.size(), expected.size() * 4);
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(readLe32(tables.image.data() + 4 * i), expected[i]) << "word " << i;
  EXPECT_EQ(tablegen::parserImageStats(tables.image),
            "productions: 2\nstates: 4\nshifts: 1\nreductions: 1\naccepts: 1\nconflicts: 0\ngotos: 1\n"
            "error_entries: 0\nbytes: 132\n");
}

TEST(LalrGen, EmptyProductionsAndNullableChains) {
  // S -> A B c, A -> (empty) | a, B -> (empty) | b: c may follow A directly.
  constexpr std::string_view kNullable = R"(
%token EOF -1
%token a 1
%token b 2
%token c 3
%nonterminal goal 0
%nonterminal S 16385
%nonterminal A 16386
%nonterminal B 16387
%%
0 goal: S EOF
1 S: A B c
2 A: (empty)
3 A: a
4 B: (empty)
5 B: b
)";
  const auto image = decodedImage(kNullable);
  EXPECT_EQ(actionsOf(image, 0), (Actions{{1, "s" + std::to_string(stateAfter(image, {1}))}, {2, "r2"}, {3, "r2"}}));
  EXPECT_EQ(actionsOf(image, stateAfter(image, {16386})),
            (Actions{{2, "s" + std::to_string(stateAfter(image, {16386, 2}))}, {3, "r4"}}));
}

constexpr std::string_view kDanglingElse = R"(
%token EOF -1
%token if 1
%token else 2
%token x 3
%nonterminal goal 0
%nonterminal S 16385
%%
0 goal: S EOF
1 S: if S
2 S: if S else S
3 S: x
)";

std::string withExpect(std::string_view grammar, const std::string& line) {
  std::string text(grammar);
  text.insert(text.find("%%"), line + "\n");
  return text;
}

TEST(LalrGen, ExpectedConflictIsResolvedAsDeclared) {
  constexpr std::int32_t kIf = 1, kElse = 2;
  {
    const auto image = decodedImage(withExpect(kDanglingElse, "%expect else 1 2 shift"));
    const std::int32_t state = stateAfter(image, {kIf, 16385});
    EXPECT_EQ(actionsOf(image, state),
              (Actions{{kEofToken, "r1"}, {kElse, "s" + std::to_string(stateAfter(image, {kIf, 16385, kElse}))}}));
  }
  {
    const auto image = decodedImage(withExpect(kDanglingElse, "%expect else 1 2 reduce"));
    EXPECT_EQ(actionsOf(image, stateAfter(image, {kIf, 16385})), (Actions{{kEofToken, "r1"}, {kElse, "r1"}}));
  }
  const auto report = tablegen::buildParserTables(withExpect(kDanglingElse, "%expect else 1 2 shift")).report;
  EXPECT_NE(report.find("  1 S: if S .\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  2 S: if S . else S\n"), std::string::npos) << report;
  EXPECT_NE(report.find("Conflict on else between rule 1 and shift to state"), std::string::npos) << report;
}

std::string definitionError(std::string_view grammar, std::int32_t* line = nullptr) {
  try {
    tablegen::buildParserTables(grammar);
  } catch (const tablegen::DefinitionError& e) {
    if (line) *line = e.line();
    return e.message();
  }
  return "(no error)";
}

TEST(LalrGen, UnexpectedConflictsAreReportedWithStateItemsAndSymbol) {
  // Without the declaration the dangling else is a conflict.
  std::int32_t line = -1;
  const std::string message = definitionError(kDanglingElse, &line);
  EXPECT_EQ(line, 0);
  EXPECT_NE(message.find("1 unexpected conflict:\nconflict in state 5 on else:\n"), std::string::npos) << message;
  EXPECT_NE(message.find("  1 S: if S .\n"), std::string::npos) << message;
  EXPECT_NE(message.find("  2 S: if S . else S\n"), std::string::npos) << message;
  EXPECT_NE(message.find("  shift, and go to state "), std::string::npos) << message;
  EXPECT_NE(message.find("  reduce by production 1 (S: if S)"), std::string::npos) << message;

  // A declaration for other productions does not cover it.
  EXPECT_NE(definitionError(withExpect(kDanglingElse, "%expect else 3 2 shift")).find("conflict in state 5 on else"),
            std::string::npos);

  // Reduce/reduce: after x both A and B are complete on EOF.
  constexpr std::string_view kReduceReduce =
      "%token EOF -1\n%token x 1\n%nonterminal goal 0\n%nonterminal S 16385\n%nonterminal A 16386\n"
      "%nonterminal B 16387\n%%\n0 goal: S EOF\n1 S: A\n2 S: B\n3 A: x\n4 B: x\n";
  const std::string rr = definitionError(kReduceReduce);
  EXPECT_NE(rr.find("on EOF:\n"), std::string::npos) << rr;
  EXPECT_NE(rr.find("  3 A: x .\n  4 B: x .\n"), std::string::npos) << rr;
  EXPECT_NE(rr.find("reduce by production 3 (A: x)\n  reduce by production 4 (B: x)"), std::string::npos) << rr;
}

TEST(LalrGen, DeclaredConflictThatNeverOccursIsAnError) {
  std::int32_t line = -1;
  const std::string message = definitionError(withExpect(kAssignments, "%expect '=' 5 1 shift"), &line);
  EXPECT_EQ(line, 10);
  EXPECT_NE(message.find("does not occur"), std::string::npos) << message;
}

TEST(LalrGen, OutputIsDeterministicAndIndependentOfDeclarationOrder) {
  const auto first = tablegen::buildParserTables(kAssignments);
  const auto second = tablegen::buildParserTables(kAssignments);
  EXPECT_EQ(first.image, second.image);
  EXPECT_EQ(first.report, second.report);
  EXPECT_EQ(first.namesCpp, second.namesCpp);
  std::string shuffled(kAssignments);
  const std::string moved = "%token '=' 1\n";
  shuffled.erase(shuffled.find(moved), moved.size());
  shuffled.insert(shuffled.find("%nonterminal goal"), moved);
  EXPECT_EQ(tablegen::buildParserTables(shuffled).image, first.image);
}

TEST(LalrGen, NamesSourceSpellsTheRules) {
  const std::string names = tablegen::buildParserTables(kAssignments).namesCpp;
  for (const char* piece : {"\"goal: S EOF\",  // 0", "\"S: L '=' R\",  // 1", "{-2, \"error\"}", "{-1, \"EOF\"}",
                            "{1, \"'='\"}", "{0, \"goal\"}", "{16387, \"R\"}", "std::string_view productionRule("})
    EXPECT_NE(names.find(piece), std::string::npos) << piece;
}

TEST(LalrGen, TableTooBigForTheLoaderIsAnError) {
  // 5500 terminals and as many productions: the state records would begin beyond
  // offset 65535.
  std::string text = "%token EOF -1\n";
  std::string rules = "0 goal: S EOF\n";
  for (int t = 1; t <= 5500; ++t) {
    text += "%token t" + std::to_string(t) + " " + std::to_string(t) + "\n";
    rules += std::to_string(t) + " S: t" + std::to_string(t) + "\n";
  }
  text += "%nonterminal goal 0\n%nonterminal S 16385\n%%\n" + rules;
  EXPECT_NE(definitionError(text).find("too big"), std::string::npos);
}

}  // namespace
}  // namespace morvane
