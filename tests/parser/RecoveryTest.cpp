// SyncErr, the default recovery: synchronising on StateAllSync and StateHasSync
// states, the error token element of StateHasErrorEntry states, and codes 18, 19,
// 16 and 7. The fixture checks that nothing is left alive afterwards.
#include <gtest/gtest.h>

#include "tests/parser/ParserHarness.h"

namespace morvane {
namespace {

using namespace testimage;
using namespace testparser;

class SyncErrTest : public ParserTest {};

TEST_F(SyncErrTest, AllSyncStateResumesWithoutSkipping) {
  // "a a": state 1 has no action on the second a; state 0 synchronises on all of
  // its action symbols, a among them.
  YaccImage grammar = simpleGrammar();
  grammar.states[0].flags = StateAllSync;
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a a");
  EXPECT_TRUE(parser.parse());
  EXPECT_TRUE(parser.errorFlag());
  EXPECT_EQ(parser.scans, 3);  // a, a, end: nothing skipped
  EXPECT_EQ(parser.trace.log.str(), "shift a 1; shift a 1; reduce 1 1; accept");
  EXPECT_EQ(parser.resultElement()->SemanticText, "P1(a)");
}

TEST_F(SyncErrTest, HasSyncStateUsesOnlyMarkedActionsAndSkipsToThem) {
  // State 0 marks only ';' (an explicit error entry there) and b (shift to 3).
  // "a x x b": x and x are skipped, the stack unwinds to state 0, b is shifted.
  YaccImage grammar = simpleGrammar();
  grammar.states[0].flags = StateHasSync;
  grammar.states[0].actions = {shiftOn(kA, 1), {ActionSync | ActionShift | 3, kB}, {ActionSync, kSemicolon}};
  grammar.states.push_back({0, {reduceOn(kEofToken, 2)}, {}});
  grammar.productions.push_back({1, kS});
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a x x b");
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(parser.trace.log.str(), "shift a 1; shift b 3; reduce 2 1; accept");
  EXPECT_EQ(parser.resultElement()->SemanticText, "P2(b)");
}

TEST_F(SyncErrTest, ErrorEntryPushesTheErrorTokenThenShiftsTheLookahead) {
  // goal -> S EOF (0), S -> a ';' (1), S -> error ';' (2). State 0's error entry
  // leads to 3, which shifts ';' to 4. "a x ;": x is skipped, then the error element
  // (state 3) and ';' (state 4) are pushed.
  YaccImage grammar{{{2, 0}, {2, kS}, {2, kS}},
                    {{StateHasErrorEntry, {shiftOn(kA, 1)}, {gotoOn(kS, 5)}, 3},
                     {0, {shiftOn(kSemicolon, 2)}, {}},
                     {0, {reduceOn(kEofToken, 1)}, {}},
                     {0, {shiftOn(kSemicolon, 4)}, {}},
                     {0, {reduceOn(kEofToken, 2)}, {}},
                     {0, {acceptOn(kEofToken)}, {}}},
                    {}};
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a x ;");
  parser.onReduce = [](TokenParser& p, std::uint32_t production, std::int32_t rhs) {
    const SSYaccStackElement& error = p.elementFromProduction(0);
    EXPECT_EQ(error.state(), 3);
    EXPECT_EQ(error.lexeme()->token(), kErrorToken);
    EXPECT_EQ(error.lexeme()->view(), "error");
    EXPECT_EQ(error.lexeme()->line(), 0);
    EXPECT_EQ(error.lexeme()->offset(), 0);
    EXPECT_EQ(p.elementFromProduction(1).state(), 4);
    return p.buildElement(production, rhs);
  };
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(parser.trace.log.str(), "shift a 1; shift ; 4; reduce 2 2; accept");
  EXPECT_EQ(parser.resultElement()->SemanticText, "P2(error ;)");
}

TEST_F(SyncErrTest, ErrorEntryWhoseTargetCannotGoOnIsPoppedWithoutTryingItsOwnSync) {
  // State 1 has an error entry to 3 (which only takes ';') and would itself
  // synchronise on b; the lookahead b is in the set, so nothing is skipped, state 1
  // is popped and state 0 (AllSync) goes on with b.
  YaccImage grammar = simpleGrammar();
  grammar.states[0].flags = StateAllSync;
  grammar.states[0].actions.push_back(shiftOn(kB, 4));
  grammar.states[1] = {StateHasErrorEntry | StateAllSync, {reduceOn(kEofToken, 1), shiftOn(kB, 4)}, {}, 3};
  grammar.states.push_back({0, {shiftOn(kSemicolon, 1)}, {}});
  grammar.states.push_back({0, {reduceOn(kEofToken, 2)}, {}});
  grammar.productions.push_back({1, kS});
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a c b");
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(parser.trace.log.str(), "shift a 1; shift b 4; reduce 2 1; accept");
}

TEST_F(SyncErrTest, Failures) {
  struct Case {
    const char* name;
    std::uint32_t flags0;
    const char* input;
    int code;
    const char* message;
    std::int32_t scans;
  };
  const Case cases[] = {
      // No state offers a synchronising token: nothing is skipped.
      {"no sync", 0, "a a b", 18, "SSYacc0105e: SyncErr failed, no valid token", 2},
      // Synchronising only on a and ';': the input ends first, and the eof lexeme is
      // tested like any other before the read past it.
      {"eof", StateHasSync, "a b b", 16, "SSYacc0103e: Attempted read past eof", 4},
      // The lookahead ';' synchronises state 0 whose action for it is an error: the
      // unwinding pops the bottom element.
      {"unwind", StateAllSync, "a ;", 7, "SSLifo0002e: No top, stack empty", 2},
  };
  YaccImage grammar = simpleGrammar();
  grammar.states[0].actions = {{ActionSync | ActionShift | 1, kA}, {ActionSync, kSemicolon}};
  for (const Case& c : cases) {
    grammar.states[0].flags = c.flags0;
    const HeapImage image(yaccImage(grammar));
    SSYaccTable table(image.span(), "t.llr");
    TokenParser parser(table, c.input);
    EXPECT_EQ(messageOf([&] { parser.parse(); }, c.code), c.message) << c.name;
    EXPECT_EQ(parser.scans, c.scans) << c.name;
    EXPECT_TRUE(parser.errorFlag()) << c.name;
  }
}

TEST_F(SyncErrTest, StopWhileSkippingCachedLexemesRaisesCode19) {
  // State 0 has a conflict on a whose list fails on the read-ahead a, and
  // synchronises only on ';'. Skipping takes the cached a back through the hook.
  YaccImage grammar = simpleGrammar();
  grammar.states[0].flags = StateHasSync;
  grammar.states[0].actions = {conflictOn(kA, 0), {ActionSync, kSemicolon}};
  grammar.lists = {{{0, 0, 0, {{kA, kA, 1}}}, {0, 0, 0, {{kB, kB, 2}}}, {1, 0, FinalFlagAccept, {}}}};
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  {
    TokenParser parser(table, "a a b");
    parser.onCached = [](SSLexLexeme&) { return true; };
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 19), "SSYacc0106e: SyncErr failed, eof");
    EXPECT_EQ(parser.scans, 2);
  }
  {
    // Without the stop, the skipping goes on to ';', whose action in state 0 is an
    // error, and the unwinding empties the stack.
    TokenParser parser(table, "a a b ;");
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 7), "SSLifo0002e: No top, stack empty");
    EXPECT_EQ(parser.scans, 4);
  }
}

}  // namespace
}  // namespace morvane
