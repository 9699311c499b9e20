// The lexer generator on small definitions: longest match, tie rules, byte sets and
// escapes, list flags, minimisation and determinism, checked by running the images.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/tablegen/LexerTestSupport.h"
#include "tools/tablegen/LexerGen.h"

namespace morvane::tablegen {
namespace {

using lexertest::Failure;
using lexertest::Lexeme;
using lexertest::TableRunner;

TableRunner runnerFor(std::string_view definition) { return TableRunner(buildLexerImage(definition)); }

// The lexemes of a scan that must end without an error.
std::vector<Lexeme> lexemesOf(const TableRunner& runner, std::string_view text) {
  const auto scan = runner.scan(text);
  EXPECT_FALSE(scan.failure) << *scan.failure;
  return scan.lexemes;
}

TEST(LexerGen, LongestMatchWithBacktrackingAndDeclaredTies) {
  const TableRunner runner = runnerFor(
      "list 0\n"
      "-1 EOF <start> ignore\n"
      "1 BLANK [ \\n]+ ignore\n"
      "2 NAME [a-z]+\n"
      "3 IF \"if\" over NAME\n"
      "4 DOT \".\"\n"
      "5 ELLIPSIS \"...\"\n");
  EXPECT_EQ(lexemesOf(runner, "if iff x\n.. ..."), (std::vector<Lexeme>{{3, "if", 1, 0},
                                                                  {2, "iff", 1, 3},
                                                                  {2, "x", 1, 7},
                                                                  {4, ".", 2, 1},
                                                                  {4, ".", 2, 2},
                                                                  {5, "...", 2, 4}}));
  // The rule order in the file does not matter, only "over".
  const TableRunner reversed = runnerFor("list 0\n-1 EOF <start> ignore\n3 IF \"if\" over NAME\n2 NAME [a-z]+\n");
  EXPECT_EQ(lexemesOf(reversed, "if"), (std::vector<Lexeme>{{3, "if", 1, 0}}));
}

TEST(LexerGen, InvalidTextRunsToTheFailingCharacter) {
  const TableRunner runner = runnerFor("list 0\n-1 EOF <start> ignore\n1 PAIR \"ab\"\n2 BLANK \" \" ignore\n");
  const auto scan = runner.scan("ab ac");
  EXPECT_EQ(scan.lexemes, (std::vector<Lexeme>{{1, "ab", 1, 0}}));
  EXPECT_EQ(scan.failure, (Failure{9, "SSLex0105e: Invalid token, Line 1, Offset 3, ac"}));
  EXPECT_EQ(scan.offset, 5);
}

TEST(LexerGen, UndeclaredTieIsReportedWithBothNames) {
  try {
    buildLexerImage("list 0\n1 WORD [a-z]+\n\n2 PAIR \"ab\"|\"cd\"\n");
    FAIL() << "no error";
  } catch (const DefinitionError& e) {
    EXPECT_EQ(e.line(), 4);
    EXPECT_EQ(e.message(), "WORD (line 2) and PAIR (line 4) both match \"ab\" as the longest text; "
                           "put \"over\" on the one that should win");
  }
  // The same texts in different lists do not tie.
  EXPECT_NO_THROW(buildLexerImage("list 0\n1 WORD [a-z]+\nlist 1\n2 PAIR \"ab\"\n"));
  // "over" is between two rules only: a third rule matching the same text still ties.
  EXPECT_THROW(buildLexerImage("list 0\n1 A [a-z]+\n2 B \"if\" over A\n3 C \"i\"[a-f] over A\n"), DefinitionError);
}

struct PatternCase {
  const char* pattern;
  std::string text;
  bool matches;  // the whole text is one token of the pattern
};

TEST(LexerGen, ByteSetsEscapesAndRepeats) {
  const PatternCase cases[] = {
      {"[a-c]", "b", true},
      {"[a-c]", "d", false},
      {"[^a-c]", "d", true},
      {"[^a-c]", "b", false},
      {"[^a-c]", "\xff", true},
      {"[^a-c]", std::string(1, '\0'), true},
      {"[^\\n]", "\n", false},
      {"[\\t\\n ]+", "\t\n ", true},
      {"[\\x80-\\xff]+", "\x80\xc3\xff", true},
      {"[\\x80-\\xff]", "\x7f", false},
      {"[-a]", "-", true},
      {"[\\]]", "]", true},
      {"\\x41\\0", std::string("A\0", 2), true},
      {"\"a\\\"b\"", "a\"b", true},
      {"\"\\\\\"", "\\", true},
      {"\\\"\\.", "\".", true},
      {"a{2,3}", "aa", true},
      {"a{2,3}", "aaa", true},
      {"a{2,3}", "a", false},
      {"a{2,3}", "aaaa", false},
      {"a{2}b{1,}", "aabbb", true},
      {"(ab|c)+", "abcab", true},
      {"(ab|c)+", "", false},
      {"x?y*", "", true},
      {"x?y*", "xyy", true},
      {"L?'[^']+'", "L'q'", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " on \"" + c.text + "\"");
    const TableRunner runner = runnerFor(std::string("list 0\n7 T ") + c.pattern + "\n");
    const std::int32_t state = runner.walk(0, c.text);
    EXPECT_EQ(state >= 0 && (runner.record(0, state).flags & FinalFlagAccept) != 0, c.matches);
  }
}

TEST(LexerGen, NamedPartsAreUsedInLaterPatterns) {
  const TableRunner runner = runnerFor(
      "define digit [0-9]\n"
      "define number {digit}+(\".\"{digit}+)?\n"
      "list 0\n"
      "1 NUMBER {number}(e{number})?\n");
  for (const char* text : {"1", "12.5", "1e2.5"}) EXPECT_EQ(runner.record(0, runner.walk(0, text)).token, 1) << text;
  EXPECT_EQ(runner.walk(0, "1.e"), -1);
}

TEST(LexerGen, FlagsPushPopAndIgnore) {
  const TableRunner runner = runnerFor(
      "list 0\n"
      "-1 EOF <start> ignore\n"
      "1 WORD [a-z]+\n"
      "2 OPEN \"(\" ignore push 1\n"
      "3 QUOTE \\\" push 2\n"
      "list 1\n"
      "-1 EOF <start> ignore\n"
      "4 CLOSE \")\" ignore pop\n"
      "5 TEXT [^)] ignore\n"
      "list 2\n"
      "-1 EOF <start> ignore\n"
      "6 BODY [^\"!]+\n"
      "7 END \\\" pop\n"
      "8 JUMP ! pop push 1\n");
  struct RecordCase {
    std::int32_t list;
    const char* text;
    std::int32_t token, listIndex;
    std::uint32_t flags;
  };
  const RecordCase records[] = {
      {0, "ab", 1, 0, 0x10}, {0, "(", 2, 1, 0x70}, {0, "\"", 3, 2, 0x30}, {1, ")", 4, 0, 0x58},
      {1, "x", 5, 0, 0x50},  {2, "q", 6, 0, 0x10}, {2, "\"", 7, 0, 0x18}, {2, "!", 8, 1, 0x38},
  };
  for (const auto& r : records) {
    SCOPED_TRACE(r.text);
    const auto record = runner.record(r.list, runner.walk(r.list, r.text));
    EXPECT_EQ(record.token, r.token);
    EXPECT_EQ(record.listIndex, r.listIndex);
    EXPECT_EQ(record.flags, r.flags);
  }
  for (std::int32_t list = 0; list < 3; ++list) {
    const auto record = runner.record(list, runner.next(list, 0, -1));
    EXPECT_EQ(record.token, -1);
    EXPECT_EQ(record.flags, 0x50u);
  }
  // JUMP replaces list 2 by list 1, so the ")" that closes list 1 returns to list 0.
  EXPECT_EQ(lexemesOf(runner, "ab(x\ny)cd\"q\"e\"r!s)f"),
            (std::vector<Lexeme>{{1, "ab", 1, 0},
                                 {1, "cd", 2, 3},
                                 {3, "\"", 2, 5},
                                 {6, "q", 2, 6},
                                 {7, "\"", 2, 7},
                                 {1, "e", 2, 8},
                                 {3, "\"", 2, 9},
                                 {6, "r", 2, 10},
                                 {8, "!", 2, 11},
                                 {1, "f", 2, 14}}));
}

TEST(LexerGen, MinimalStateCounts) {
  struct CountCase {
    const char* rules;
    std::int32_t states;
  };
  const CountCase cases[] = {
      {"1 T (a|b)*abb\n", 4},           // the textbook automaton
      {"1 T ab|cb\n", 3},               // after a and after c the same state
      {"1 A ab\n2 B cb\n", 5},          // ... but not when the records differ
      {"1 T (a|b)*\n", 1},              // state 0 accepts and loops
      {"-1 EOF <start> ignore\n", 2},   // the marker state alone
      {"1 T (a{250}){20}\n", 5001},      // a long chain stays a chain
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    EXPECT_EQ(runnerFor(std::string("list 0\n") + c.rules).stateCount(0), c.states);
  }
}

std::string readSource(const char* relative) {
  std::ifstream in(std::string(MORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LexerGen, SameDefinitionGivesTheSameBytes) {
  const std::string definition = readSource("cgrammar/CTokens.lex");
  ASSERT_FALSE(definition.empty());
  EXPECT_EQ(buildLexerImage(definition), buildLexerImage(definition));
}

}  // namespace
}  // namespace morvane::tablegen
