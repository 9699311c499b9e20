// A parser over a list of tokens for the engine tests: lexemes come from the words
// of a text ("a b ;"), reductions build readable SemanticText ("P1(a b)"), every
// hook can be replaced, and a trace records shifts, reductions and the accept.
// The fixture checks that every lexeme and element is freed after each test.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "lexer/SSException.h"
#include "parser/SSYacc.h"
#include "tests/lexer/ExpectSSException.h"
#include "tests/lexer/TableImages.h"

namespace morvane::testparser {

// Token numbers of the test grammars.
enum : std::int32_t { kA = 1, kB = 2, kC = 3, kSemicolon = 4, kX = 9 };
inline const std::map<std::string, std::int32_t> kTokens = {
    {"a", kA}, {"b", kB}, {"c", kC}, {";", kSemicolon}, {"x", kX}};
constexpr std::int32_t kS = kFirstNonterminal;
constexpr std::int32_t kY = kFirstNonterminal + 1;

class Trace : public ParseObserver {
 public:
  void onShift(const SSLexLexeme& lexeme, std::int32_t newState) override {
    log << "shift " << lexeme.view() << " " << newState << "; ";
  }
  void onReduce(std::int32_t production, std::int32_t rhsLength) override {
    log << "reduce " << production << " " << rhsLength << "; ";
  }
  void onAccept() override { log << "accept"; }
  std::ostringstream log;
};

// The text of an element: its SemanticText, else its lexeme's text.
inline std::string textOf(const SSYaccStackElement& element) {
  if (!element.SemanticText.empty()) return element.SemanticText;
  return element.lexeme() ? std::string(element.lexeme()->view()) : std::string("-");
}

class TokenParser : public SSYacc {
 public:
  TokenParser(SSYaccTable& table, const std::string& words, SSLex* lexer = nullptr) : SSYacc(lexer, &table) {
    std::istringstream in(words);
    for (std::string word; in >> word;) words_.push_back(word);
    setObserver(&trace);
  }

  std::function<RefPtr<SSYaccStackElement>(TokenParser&, std::uint32_t, std::int32_t)> onReduce;
  std::function<bool(SSLexLexeme&)> onCached;
  std::function<bool(std::int32_t, SSLexLexeme&, SSLexLexeme*)> onConflict;
  std::int32_t scans = 0;  // calls of scanLexeme
  bool useLexer = false;
  Trace trace;

  using SSYacc::elementFromProduction;
  using SSYacc::newElement;

  // The default reduction: "P<n>(<texts of the right-hand side>)".
  RefPtr<SSYaccStackElement> buildElement(std::uint32_t production, std::int32_t rhsLength) {
    std::string text = "P" + std::to_string(production) + "(";
    for (std::int32_t i = 0; i < rhsLength; ++i) text += (i ? " " : "") + textOf(elementFromProduction(i));
    RefPtr<SSYaccStackElement> element = newElement();
    element->SemanticText = text + ")";
    return element;
  }

 protected:
  RefPtr<SSLexLexeme> scanLexeme() override {
    ++scans;
    if (useLexer) return SSYacc::scanLexeme();
    if (next_ == words_.size()) return nullptr;
    const std::string& word = words_[next_++];
    RefPtr<SSLexLexeme> lexeme(new SSLexLexeme(word.c_str(), static_cast<std::int32_t>(word.size()),
                                               static_cast<std::int32_t>(next_), 0));
    lexeme->setToken(kTokens.at(word));
    return lexeme;
  }
  RefPtr<SSYaccStackElement> reduce(std::uint32_t production, std::int32_t rhsLength) override {
    return onReduce ? onReduce(*this, production, rhsLength) : buildElement(production, rhsLength);
  }
  bool cachedLexeme(SSLexLexeme& lexeme) override { return onCached ? onCached(lexeme) : false; }
  bool conflictError(std::int32_t state, SSLexLexeme& lookahead, SSLexLexeme* readAhead) override {
    return onConflict ? onConflict(state, lookahead, readAhead)
                      : SSYacc::conflictError(state, lookahead, readAhead);
  }

 private:
  std::vector<std::string> words_;
  std::size_t next_ = 0;
};

// Checks after each test that the live lexemes and elements are back where they were.
class ParserTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(SSLexLexeme::liveCount(), lexemesBefore_);
    EXPECT_EQ(SSYaccStackElement::liveCount(), elementsBefore_);
  }

 private:
  std::int64_t lexemesBefore_ = SSLexLexeme::liveCount();
  std::int64_t elementsBefore_ = SSYaccStackElement::liveCount();
};

// goal -> S EOF (0), S -> a (1). State 0 shifts a to 1 and goes to 2 on S; state 1
// reduces by 1 on EOF; state 2 accepts on EOF.
inline testimage::YaccImage simpleGrammar() {
  using namespace testimage;
  return {{{2, 0}, {1, kS}},
          {{0, {shiftOn(kA, 1)}, {gotoOn(kS, 2)}},
           {0, {reduceOn(kEofToken, 1)}, {}},
           {0, {acceptOn(kEofToken)}, {}}},
          {}};
}

}  // namespace morvane::testparser
