// SSYacc: shift, reduce, goto and accept; elementFromProduction; the hooks that
// stop a parse; end of input; conflicts resolved through lookahead lists; and the
// driver's own codes. The fixture checks that nothing is left alive afterwards.
#include <gtest/gtest.h>

#include "lexer/SSLex.h"
#include "tests/parser/ParserHarness.h"

namespace morvane {
namespace {

using namespace testimage;
using namespace testparser;

class SSYaccTest : public ParserTest {
 protected:
  static SSYaccTable load(const YaccImage& table) {
    return SSYaccTable(HeapImage(yaccImage(table)).span(), "t.llr");
  }
};

TEST_F(SSYaccTest, ShiftReduceAccept) {
  const HeapImage image(yaccImage(simpleGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a");
  const SSYaccStackElement* made = nullptr;
  parser.onReduce = [&](TokenParser& p, std::uint32_t production, std::int32_t rhs) {
    RefPtr<SSYaccStackElement> element = p.buildElement(production, rhs);
    made = element.get();
    return element;
  };
  EXPECT_FALSE(parser.parse());
  EXPECT_EQ(parser.trace.log.str(), "shift a 1; reduce 1 1; accept");
  ASSERT_NE(parser.resultElement(), nullptr);
  EXPECT_EQ(parser.resultElement(), made);
  EXPECT_EQ(parser.resultElement()->SemanticText, "P1(a)");
  EXPECT_EQ(parser.resultElement()->state(), 2);
  EXPECT_EQ(parser.lookahead()->token(), kEofToken);
  EXPECT_EQ(parser.lookahead()->view(), "eof");
  EXPECT_FALSE(parser.errorFlag());
  EXPECT_TRUE(parser.eofSeen());
  EXPECT_EQ(parser.stack().count(), 2);  // the bottom element and S; the lookahead is not pushed
}

TEST_F(SSYaccTest, ElementFromProductionReachesTheRightSideAndBelow) {
  // goal -> S EOF, S -> a b c: during the reduction the stack holds the bottom and a b c.
  YaccImage grammar{{{2, 0}, {3, kS}},
                    {{0, {shiftOn(kA, 1)}, {gotoOn(kS, 4)}},
                     {0, {shiftOn(kB, 2)}, {}},
                     {0, {shiftOn(kC, 3)}, {}},
                     {0, {reduceOn(kEofToken, 1)}, {}},
                     {0, {acceptOn(kEofToken)}, {}}},
                    {}};
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a b c");
  parser.onReduce = [](TokenParser& p, std::uint32_t production, std::int32_t rhs) {
    EXPECT_EQ(textOf(p.elementFromProduction(0)), "a");
    EXPECT_EQ(textOf(p.elementFromProduction(1)), "b");
    EXPECT_EQ(textOf(p.elementFromProduction(2)), "c");
    EXPECT_EQ(p.elementFromProduction(2).state(), 3);
    EXPECT_EQ(p.elementFromProduction(-1).state(), 0);  // the bottom element
    EXPECT_EQ(p.elementFromProduction(-1).lexeme(), nullptr);
    for (std::int32_t outside :
         {3, -2, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()})
      EXPECT_EQ(messageOf([&] { p.elementFromProduction(outside); }, 17),
                "SSYacc0108e: Invalid index on ElementFromxxx");
    return p.buildElement(production, rhs);
  };
  EXPECT_FALSE(parser.parse());
  EXPECT_EQ(parser.resultElement()->SemanticText, "P1(a b c)");
}

TEST_F(SSYaccTest, AReduceReturningNoneStopsWithTheRightSideOnTheStack) {
  const HeapImage image(yaccImage(simpleGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a");
  parser.onReduce = [](TokenParser&, std::uint32_t, std::int32_t) { return RefPtr<SSYaccStackElement>(); };
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(parser.stack().count(), 2);
  EXPECT_EQ(parser.stack().top()->lexeme()->view(), "a");
  EXPECT_EQ(parser.resultElement(), nullptr);
}

TEST_F(SSYaccTest, ReadingPastEndOfInputRaisesCode16) {
  // State 2 shifts EOF; the next read finds the end already delivered.
  YaccImage grammar = simpleGrammar();
  grammar.states[2].actions = {shiftOn(kEofToken, 2)};
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a");
  EXPECT_EQ(messageOf([&] { parser.parse(); }, 16), "SSYacc0103e: Attempted read past eof");
  EXPECT_EQ(parser.scans, 2);
}

TEST_F(SSYaccTest, DriverFaults) {
  const HeapImage image(yaccImage(simpleGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  EXPECT_EQ(messageOf([] { SSYacc parser(nullptr, nullptr); }, 10), "SSYacc0109e: Table missing, required");
  {
    SSYacc parser(nullptr, &table);
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 11), "SSYacc0110e: Lexer missing, required");
  }
  {
    YaccImage noGoto = simpleGrammar();
    noGoto.states[0].gotos.clear();
    const HeapImage bad(yaccImage(noGoto));
    SSYaccTable badTable(bad.span(), "t.llr");
    TokenParser parser(badTable, "a");
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 15), "SSYacc0102e: Parse failed, invalid table");
  }
  {
    // A reduction longer than the stack unwinds past its bottom.
    YaccImage tooLong = simpleGrammar();
    tooLong.productions[1].rhsLength = 5;
    const HeapImage bad(yaccImage(tooLong));
    SSYaccTable badTable(bad.span(), "t.llr");
    TokenParser parser(badTable, "a");
    parser.onReduce = [](TokenParser& p, std::uint32_t, std::int32_t) { return p.newElement(); };
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 7), "SSLifo0002e: No top, stack empty");
  }
}

TEST_F(SSYaccTest, TablesThatReduceForeverEndInCode15) {
  // After S -> a, state 2 reduces S -> S (rhs 1) or Y -> (empty) with a goto back to
  // itself: no shift ever comes again.
  for (const SSYaccProduction& cycle : {SSYaccProduction{1, kS}, SSYaccProduction{0, kY}}) {
    YaccImage grammar = simpleGrammar();
    grammar.productions.push_back(cycle);
    grammar.states[2] = {0, {reduceOn(kEofToken, 2)}, {gotoOn(kY, 2)}};
    const HeapImage image(yaccImage(grammar));
    SSYaccTable table(image.span(), "t.llr");
    TokenParser parser(table, "a");
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 15), "SSYacc0102e: Parse failed, invalid table");
    EXPECT_LT(parser.stack().count(), 1000);
  }
}

TEST_F(SSYaccTest, ParsesLexemesFromTheLexer) {
  const Bytes lexer = lexImage({{{0, 0, 0, {{' ', ' ', 1}, {'a', 'a', 2}, {-1, -1, 1}}},
                                 {0, 0, FinalFlagAccept | FinalFlagIgnore, {}},
                                 {kA, 0, FinalFlagAccept, {}}}});
  const HeapImage lexerImage(lexer);
  SSLexTable lexTable(lexerImage.span(), "t.dfa");
  SSLexStringConsumer consumer("  a  ");
  SSLex lex(&consumer, &lexTable);
  const HeapImage image(yaccImage(simpleGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "", &lex);
  parser.useLexer = true;
  parser.onReduce = [](TokenParser& p, std::uint32_t production, std::int32_t rhs) {
    const SSLexLexeme* a = p.elementFromProduction(0).lexeme();
    EXPECT_EQ(a->line(), 1);
    EXPECT_EQ(a->offset(), 2);
    return p.buildElement(production, rhs);
  };
  EXPECT_FALSE(parser.parse());
  EXPECT_EQ(parser.resultElement()->SemanticText, "P1(a)");
}

// goal -> S EOF (0), S -> Y a b (1), S -> a c (2), Y -> (empty) (3).
// State 0 has a conflict on a: list 0 reads a, then b reduces by 3 and c shifts to
// state 5. After the reduction, state 2 has a second conflict on a (list 1) that
// decides on the b already read ahead and shifts to 3.
YaccImage conflictGrammar() {
  return {{{2, 0}, {3, kS}, {2, kS}, {0, kY}},
          {{0, {conflictOn(kA, 0)}, {gotoOn(kS, 1), gotoOn(kY, 2)}},
           {0, {acceptOn(kEofToken)}, {}},
           {0, {conflictOn(kA, 1)}, {}},
           {0, {shiftOn(kB, 4)}, {}},
           {0, {reduceOn(kEofToken, 1)}, {}},
           {0, {shiftOn(kC, 6)}, {}},
           {0, {reduceOn(kEofToken, 2)}, {}}},
          {{{0, 0, 0, {{kA, kA, 1}}},
            {0, 0, 0, {{kB, kB, 2}, {kC, kC, 3}}},
            {3, 0, FinalFlagAccept | FinalFlagReduce, {}},
            {5, 0, FinalFlagAccept, {}}},
           {{0, 0, 0, {{kA, kA, 1}}}, {0, 0, 0, {{kB, kB, 2}}}, {3, 0, FinalFlagAccept, {}}}}};
}

TEST_F(SSYaccTest, ConflictsAreResolvedByReadingAhead) {
  const HeapImage image(yaccImage(conflictGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  struct Case {
    const char* input;
    const char* trace;
    const char* result;
  };
  const Case cases[] = {
      {"a b", "reduce 3 0; shift a 3; shift b 4; reduce 1 3; accept", "P1(P3() a b)"},
      {"a c", "shift a 5; shift c 6; reduce 2 2; accept", "P2(a c)"},
  };
  for (const Case& c : cases) {
    TokenParser parser(table, c.input);
    EXPECT_FALSE(parser.parse()) << c.input;
    EXPECT_EQ(parser.trace.log.str(), c.trace);
    EXPECT_EQ(parser.resultElement()->SemanticText, c.result);
    // Each token was scanned once: the second conflict used the cached b.
    EXPECT_EQ(parser.scans, 3);
  }
}

TEST_F(SSYaccTest, CachedLexemesPassTheHookWhichCanStopTheParse) {
  const HeapImage image(yaccImage(conflictGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a c");
  std::vector<std::string> cached;
  parser.onCached = [&](SSLexLexeme& lexeme) {
    cached.emplace_back(lexeme.view());
    return true;
  };
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(cached, std::vector<std::string>{"c"});
  EXPECT_EQ(parser.trace.log.str(), "shift a 5; ");
}

TEST_F(SSYaccTest, UnresolvableConflictsGoToTheConflictHook) {
  const HeapImage image(yaccImage(conflictGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  {
    TokenParser parser(table, "a a");
    std::string seen;
    parser.onConflict = [&](std::int32_t state, SSLexLexeme& lookahead, SSLexLexeme* readAhead) {
      seen = std::to_string(state) + " " + std::string(lookahead.view()) + " " +
             std::string(readAhead->view()) + std::to_string(readAhead->line());
      return true;
    };
    EXPECT_TRUE(parser.parse());
    EXPECT_EQ(seen, "0 a a2");
    EXPECT_TRUE(parser.errorFlag());
  }
  {
    // The default hook runs SyncErr, which finds nothing to synchronise on.
    TokenParser parser(table, "a a");
    EXPECT_EQ(messageOf([&] { parser.parse(); }, 18), "SSYacc0105e: SyncErr failed, no valid token");
  }
}

TEST_F(SSYaccTest, AnAutomatonReadingBeyondTheEndRaisesCode16) {
  // List 0 loops on end of input without deciding: one eof lexeme is read ahead,
  // asking for another raises code 16 instead of reading forever.
  YaccImage grammar = conflictGrammar();
  grammar.lists[0][1].row.push_back({kEofToken, kEofToken, 1});
  const HeapImage image(yaccImage(grammar));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a");
  EXPECT_EQ(messageOf([&] { parser.parse(); }, 16), "SSYacc0103e: Attempted read past eof");
}

TEST_F(SSYaccTest, ElementsAndLexemesAreSharedByCount) {
  const HeapImage image(yaccImage(simpleGrammar()));
  SSYaccTable table(image.span(), "t.llr");
  TokenParser parser(table, "a");
  parser.onReduce = [](TokenParser& p, std::uint32_t, std::int32_t) {
    SSYaccStackElement& shifted = p.elementFromProduction(0);
    EXPECT_EQ(shifted.refCount(), 2);            // the stack and the current element
    EXPECT_EQ(shifted.lexeme()->refCount(), 1);  // the element; the lookahead is eof by now
    RefPtr<SSYaccStackElement> made = p.newElement();
    made->setLexeme(RefPtr<SSLexLexeme>(shifted.lexeme()));  // shared with the shifted element
    EXPECT_EQ(shifted.lexeme()->refCount(), 2);
    return made;
  };
  EXPECT_FALSE(parser.parse());
  EXPECT_EQ(parser.resultElement()->refCount(), 3);  // stack, current and result
  EXPECT_EQ(parser.resultElement()->lexeme()->refCount(), 1);
}

}  // namespace
}  // namespace morvane
