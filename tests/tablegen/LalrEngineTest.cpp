// The parser engine on tables built by the generator: shift, reduce and accept,
// elementFromProduction during a reduction, a reduce action that stops the parse,
// and a read past the end of input.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lexer/LittleEndian.h"
#include "lexer/SSException.h"
#include "parser/SSYacc.h"
#include "parser/SSYaccTable.h"
#include "tools/tablegen/LalrGen.h"

namespace morvane {
namespace {

constexpr std::int32_t kA = 1, kB = 2, kC = 3;

std::vector<unsigned char> imageOf(std::string_view productions) {
  const std::string text =
      "%token EOF -1\n%token a 1\n%token b 2\n%token c 3\n%nonterminal goal 0\n%nonterminal S 16385\n%%\n" +
      std::string(productions);
  return tablegen::buildParserTables(text).image;
}

// Feeds a fixed token list instead of a lexer, and records every reduction.
class ScriptedParser : public SSYacc {
 public:
  ScriptedParser(SSYaccTable& table, std::vector<std::int32_t> tokens)
      : SSYacc(nullptr, &table), tokens_(std::move(tokens)) {}

  std::vector<std::int32_t> reduced;
  std::vector<RefPtr<SSYaccStackElement>> made;  // the elements the reductions returned
  std::function<void(ScriptedParser&)> duringReduce;
  bool returnNone = false;

  using SSYacc::elementFromProduction;

 protected:
  RefPtr<SSLexLexeme> scanLexeme() override {
    if (next_ >= tokens_.size()) return nullptr;
    const std::string text = "t" + std::to_string(next_);
    auto lexeme = makeRef<SSLexLexeme>(text.c_str(), static_cast<std::int32_t>(text.size()), 1,
                                       static_cast<std::int32_t>(next_));
    lexeme->setToken(tokens_[next_++]);
    return lexeme;
  }

  RefPtr<SSYaccStackElement> reduce(std::uint32_t production, std::int32_t rhsLength) override {
    reduced.push_back(static_cast<std::int32_t>(production));
    EXPECT_EQ(rhsLength, table().production(static_cast<std::int32_t>(production)).rhsLength);
    if (duringReduce) duringReduce(*this);
    if (returnNone) return nullptr;
    RefPtr<SSYaccStackElement> element = newElement();
    element->SemanticText = "P" + std::to_string(production);
    made.push_back(element);
    return element;
  }

 private:
  std::vector<std::int32_t> tokens_;
  std::size_t next_ = 0;
};

TEST(LalrEngine, ShiftReduceAccept) {
  const auto image = imageOf("0 goal: S EOF\n1 S: a\n");
  SSYaccTable table(image, "tiny");
  ScriptedParser parser(table, {kA});
  EXPECT_FALSE(parser.parse());
  EXPECT_EQ(parser.reduced, std::vector<std::int32_t>{1});
  ASSERT_EQ(parser.made.size(), 1u);
  EXPECT_EQ(parser.resultElement(), parser.made[0].get());
  EXPECT_EQ(parser.resultElement()->SemanticText, "P1");
  EXPECT_FALSE(parser.errorFlag());
}

TEST(LalrEngine, ElementFromProductionDuringALengthThreeReduction) {
  const auto image = imageOf("0 goal: S EOF\n1 S: a b c\n");
  SSYaccTable table(image, "three");
  ScriptedParser parser(table, {kA, kB, kC});
  bool checked = false;
  parser.duringReduce = [&](ScriptedParser& p) {
    for (std::int32_t i = 0; i < 3; ++i) {
      ASSERT_NE(p.elementFromProduction(i).lexeme(), nullptr);
      EXPECT_EQ(p.elementFromProduction(i).lexeme()->token(), kA + i);
      EXPECT_EQ(p.elementFromProduction(i).lexeme()->view(), "t" + std::to_string(i));
    }
    EXPECT_EQ(p.elementFromProduction(-1).lexeme(), nullptr);  // the initial element below
    try {
      p.elementFromProduction(3);
      ADD_FAILURE() << "position 3 is outside the stack";
    } catch (const SSException& e) {
      EXPECT_EQ(e.code(), sscode::kInvalidElementIndex);
      EXPECT_STREQ(e.what(), "SSYacc0108e: Invalid index on ElementFromxxx");
    }
    checked = true;
  };
  EXPECT_FALSE(parser.parse());
  EXPECT_TRUE(checked);
}

TEST(LalrEngine, ReduceReturningNoneStopsTheParse) {
  const auto image = imageOf("0 goal: S EOF\n1 S: a b\n");
  SSYaccTable table(image, "stop");
  ScriptedParser parser(table, {kA, kB});
  parser.returnNone = true;
  EXPECT_TRUE(parser.parse());
  EXPECT_EQ(parser.reduced, std::vector<std::int32_t>{1});
  EXPECT_EQ(parser.stack().count(), 3);  // the initial element and the right side stay
  EXPECT_EQ(parser.resultElement(), nullptr);
}

TEST(LalrEngine, ShiftOnEofThenAnotherReadIsCode16) {
  // The generator accepts on EOF; patch that accept into a shift to the state the
  // EOF shift would have reached (state 3, with no actions).
  auto image = imageOf("0 goal: S EOF\n1 S: a\n");
  tablegen::ParserImage decoded = tablegen::readParserImage(image);
  std::int32_t acceptingState = -1;
  for (std::size_t s = 0; s < decoded.states.size(); ++s)
    for (const auto& a : decoded.states[s].actions)
      if (a.word == ActionAccept) acceptingState = static_cast<std::int32_t>(s);
  ASSERT_GE(acceptingState, 0);
  const std::size_t record = readLe32(image.data() + 20 + 4 * static_cast<std::size_t>(acceptingState));
  ASSERT_EQ(readLe32(image.data() + record + 12), ActionAccept);
  writeLe32(image.data() + record + 12, ActionShift | 3);
  ASSERT_TRUE(tablegen::readParserImage(image).states[3].actions.empty());

  SSYaccTable table(image, "eof");
  ScriptedParser parser(table, {kA});
  try {
    parser.parse();
    FAIL() << "no exception";
  } catch (const SSException& e) {
    EXPECT_EQ(e.code(), sscode::kReadPastEof);
    EXPECT_STREQ(e.what(), "SSYacc0103e: Attempted read past eof");
  }
  EXPECT_TRUE(parser.eofSeen());
}

}  // namespace
}  // namespace morvane
