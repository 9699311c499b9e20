// The C grammar at work: the real lexer and parser over the embedded tables, with
// a reduce action that records productions and brackets the operators, so the
// shape of a parse can be read from the text.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "lexer/SSException.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYacc.h"
#include "parser/SSYaccTable.h"

namespace morvane {
namespace {

// Productions whose text is put in brackets: casts, conditionals, assignments and
// the two-operand operators.
bool bracketed(std::uint32_t production) {
  return production == 42 || production == 72 || production == 74 || (production >= 44 && production <= 70 &&
         production != 47 && production != 50 && production != 53 && production != 58 && production != 61 &&
         production != 63 && production != 65 && production != 67 && production != 69);
}

class RecordingParser : public SSYacc {
 public:
  RecordingParser(SSLex& lexer, SSYaccTable& table) : SSYacc(&lexer, &table) {}
  std::vector<std::int32_t> reduced;

 protected:
  RefPtr<SSYaccStackElement> reduce(std::uint32_t production, std::int32_t rhsLength) override {
    reduced.push_back(static_cast<std::int32_t>(production));
    std::string text;
    for (std::int32_t i = 0; i < rhsLength; ++i) {
      const SSYaccStackElement& child = elementFromProduction(i);
      const std::string piece = child.lexeme() ? std::string(child.lexeme()->view()) : child.SemanticText;
      if (piece.empty()) continue;
      if (!text.empty()) text += " ";
      text += piece;
    }
    RefPtr<SSYaccStackElement> element = newElement();
    element->SemanticText = bracketed(production) ? "(" + text + ")" : text;
    return element;
  }
};

struct Outcome {
  bool parsed = false;  // parse() returned false: a clean accept
  std::int32_t code = -1;  // the SSException code, -1 when none was raised
  std::string text;     // the result element's text
  std::vector<std::int32_t> reduced;
  std::int32_t lookaheadToken = 0;  // at the failure
};

Outcome parseC(const std::string& source) {
  static SSLexTable lexTable("dfa");
  static SSYaccTable parseTable("llr");
  SSLexStringConsumer consumer(source);
  SSLex lexer(&consumer, &lexTable);
  RecordingParser parser(lexer, parseTable);
  Outcome outcome;
  try {
    outcome.parsed = !parser.parse();
    if (parser.resultElement()) outcome.text = parser.resultElement()->SemanticText;
  } catch (const SSException& e) {
    outcome.code = e.code();
    if (parser.lookahead()) outcome.lookaheadToken = parser.lookahead()->token();
  }
  outcome.reduced = parser.reduced;
  return outcome;
}

Outcome parseStatements(const std::string& statements) { return parseC("void test() {" + statements + "}"); }

std::vector<std::int32_t> only(const std::vector<std::int32_t>& reduced, std::set<std::int32_t> productions) {
  std::vector<std::int32_t> kept;
  std::copy_if(reduced.begin(), reduced.end(), std::back_inserter(kept),
               [&](std::int32_t p) { return productions.count(p) != 0; });
  return kept;
}

TEST(CGrammarParse, TableLoadsWithTheEngine) {
  SSYaccTable table("llr");
  EXPECT_EQ(table.stateCount(), 519);
  EXPECT_EQ(table.productionCount(), 315);
  EXPECT_EQ(table.lookaheadListCount(), 0);
  EXPECT_EQ(table.production(115).lhs, 16430);
  EXPECT_EQ(table.stateRecord(0).actions.size(), 24u);
  EXPECT_EQ(table.stateRecord(0).gotos.size(), 29u);
}

TEST(CGrammarParse, ElseBelongsToTheNearestIf) {
  const Outcome o = parseStatements("if (a) if (b) x = 1; else x = 2;");
  ASSERT_TRUE(o.parsed) << o.code;
  EXPECT_EQ(only(o.reduced, {231, 232}), (std::vector<std::int32_t>{232, 231}));
}

TEST(CGrammarParse, AssociativityFollowsTheLayers) {
  const std::pair<const char*, const char*> cases[] = {
      {"a = b = c;", "(a = (b = c)) ;"},
      {"a - b - c;", "((a - b) - c) ;"},
      {"a ? b : c ? d : e;", "(a ? b : (c ? d : e)) ;"},
      {"a + b * c;", "(a + (b * c)) ;"},
      {"x = (int) y;", "(x = (( int ) y)) ;"},
  };
  for (const auto& [statement, shape] : cases) {
    const Outcome o = parseStatements(statement);
    ASSERT_TRUE(o.parsed) << statement << ": code " << o.code;
    EXPECT_NE(o.text.find(shape), std::string::npos) << statement << " gave " << o.text;
  }
}

TEST(CGrammarParse, ProgramShapes) {
  struct Case {
    const char* title;
    std::string source;
    std::set<std::int32_t> watched;
    std::vector<std::int32_t> expected;
  };
  const Case cases[] = {
      {"cast", "void test() { x = (int) y; }", {42}, {42}},
      {"old-style with a type keyword", "int f(a, b) int a; int b; { return a; }", {256, 257}, {257}},
      {"old-style with a storage class", "static int f(a) int a; { return a; }", {256, 257}, {256}},
      {"two functions", "void f() { } void g() { }", {241, 242}, {241, 242}},
      {"user type", "UserDefined1 v;", {141}, {141}},
      {"string literals", "void test() { s = \"a\" \"b\"; }", {10, 11, 12}, {12, 10, 12, 11}},
  };
  for (const Case& c : cases) {
    const Outcome o = parseC(c.source);
    ASSERT_TRUE(o.parsed) << c.title << ": code " << o.code;
    EXPECT_EQ(only(o.reduced, c.watched), c.expected) << c.title;
  }
}

TEST(CGrammarParse, SyntaxErrorsEndInCode18) {
  struct Case {
    const char* title;
    std::string source;
    std::int32_t lookahead;  // the offending token
  };
  const Case cases[] = {
      {"empty text", "", kEofToken},
      {"parenthesised identifier is no cast", "void test() { z = (x) y; }", 53},
      {"typedef name not substituted", "my_t v;", 53},
      {"declaration after a statement", "void test() { x = 1; int y; }", 129},
      {"missing semicolon", "void test() { x = 1 }", 71},
      {"empty string literal", "void test() { s = \"\"; }", 151},
  };
  for (const Case& c : cases) {
    const Outcome o = parseC(c.source);
    EXPECT_FALSE(o.parsed) << c.title;
    EXPECT_EQ(o.code, sscode::kSyncErrNoToken) << c.title;
    EXPECT_EQ(o.lookaheadToken, c.lookahead) << c.title;
  }
}

}  // namespace
}  // namespace morvane
