// The generated C parse table: its exact counts, the rows that tell its behaviour,
// the generated names, and the agreement of the grammar's terminals with the token
// definition the lexer table is built from.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "cgrammar/CGrammar.h"
#include "lexer/LittleEndian.h"
#include "parser/SSYaccTable.h"
#include "tools/tablegen/LalrGen.h"
#include "tools/tablegen/lalr/Grammar.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using tablegen::ParserImage;
using tablegen::ParserImageState;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::span<const unsigned char> bytesOf(const std::string& s) {
  return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

const std::string& generatedBytes() {
  static const std::string bytes = readFile(fs::path(MORVANE_GENERATED_DIR) / "c.llr");
  return bytes;
}

const ParserImage& generated() {
  static const ParserImage image = tablegen::readParserImage(bytesOf(generatedBytes()));
  return image;
}

std::int32_t target(std::uint32_t word) { return static_cast<std::int32_t>(word & ActionTargetMask); }

std::int32_t gotoTarget(const ParserImageState& s, std::int32_t symbol) {
  for (const auto& g : s.gotos)
    if (g.symbol == symbol) return target(g.word);
  return -1;
}

std::int32_t shiftTarget(const ParserImageState& s, std::int32_t token) {
  for (const auto& a : s.actions)
    if (a.symbol == token && (a.word & ActionShift)) return target(a.word);
  return -1;
}

std::set<std::int32_t> shiftedTokens(const ParserImageState& s) {
  std::set<std::int32_t> tokens;
  for (const auto& a : s.actions)
    if (a.word & ActionShift) tokens.insert(a.symbol);
  return tokens;
}

constexpr std::int32_t kVolatile = 143;
constexpr std::int32_t kElse = 122;
constexpr std::int32_t kTranslationUnit = 16465;

TEST(CGrammarTable, StatsAreExact) {
  EXPECT_EQ(tablegen::parserImageStats(bytesOf(generatedBytes())),
            "productions: 315\nstates: 519\nshifts: 2687\nreductions: 6148\naccepts: 1\nconflicts: 0\n"
            "gotos: 2237\nerror_entries: 0\nbytes: 99428\n");
}

TEST(CGrammarTable, BuildIsTheGrammarsImageAndRepeatable) {
  const std::string grammar = readFile(MORVANE_C_GRAMMAR);
  const auto first = tablegen::buildParserTables(grammar);
  const auto second = tablegen::buildParserTables(grammar);
  EXPECT_EQ(first.image, second.image);
  EXPECT_EQ(first.report, second.report);
  EXPECT_EQ(first.namesCpp, second.namesCpp);
  EXPECT_TRUE(std::string(first.image.begin(), first.image.end()) == generatedBytes())
      << "the embedded c.llr is not the image of cgrammar/CGrammar.y";
}

TEST(CGrammarTable, HeaderAndProductions) {
  const auto bytes = bytesOf(generatedBytes());
  const auto word = [&](std::size_t at) { return readLe32(bytes.data() + at); };
  EXPECT_EQ(word(0), kYaccTableMagic);
  EXPECT_EQ(word(4), 315u);  // no embedded lists
  EXPECT_EQ(word(8), 519u);
  EXPECT_EQ(word(12), 4616u);
  EXPECT_EQ(word(16), 2096u);
  const auto& productions = generated().productions;
  EXPECT_EQ(productions[0].rhsLength, 2);
  EXPECT_EQ(productions[0].lhs, 0);
  EXPECT_EQ(productions[115].rhsLength, 1);
  EXPECT_EQ(productions[115].lhs, 16430);
  EXPECT_EQ(productions[89].rhsLength, 0);  // expression_opt: (empty)
}

TEST(CGrammarTable, TellingStates) {
  const auto& states = generated().states;
  EXPECT_EQ(states[0].actions.size(), 24u);
  EXPECT_EQ(states[0].gotos.size(), 29u);

  // After 'volatile': reduce by 115 on each of 29 tokens.
  const std::int32_t afterVolatile = shiftTarget(states[0], kVolatile);
  ASSERT_GE(afterVolatile, 0);
  const auto& v = states[afterVolatile];
  EXPECT_EQ(v.actions.size(), 29u);
  for (const auto& a : v.actions) EXPECT_EQ(a.word, ActionReduce | 115) << "on token " << a.symbol;

  // After translation_unit: accept on EOF (word 0x10000000), and shift whatever can
  // begin another external declaration, which is what state 0 shifts.
  const std::int32_t afterUnit = gotoTarget(states[0], kTranslationUnit);
  ASSERT_GE(afterUnit, 0);
  const auto& u = states[afterUnit];
  const auto accept = std::find_if(u.actions.begin(), u.actions.end(), [](const auto& a) { return a.symbol == kEofToken; });
  ASSERT_NE(accept, u.actions.end());
  EXPECT_EQ(accept->word, ActionAccept);
  EXPECT_EQ(shiftedTokens(u), shiftedTokens(states[0]));
  EXPECT_EQ(u.actions.size(), states[0].actions.size() + 1);
}

TEST(CGrammarTable, NoRecoveryInformationAndElseShifts) {
  std::int32_t elseStates = 0;
  for (const auto& s : generated().states) {
    EXPECT_EQ(s.flags, 0u);
    EXPECT_FALSE(s.errorEntry.has_value());
    bool reduces231 = false;
    for (const auto& a : s.actions) {
      EXPECT_EQ(a.word & ActionSync, 0u);
      EXPECT_NE(a.symbol, kErrorToken);
      if (a.word == (ActionReduce | 231)) {
        reduces231 = true;
        EXPECT_NE(a.symbol, kElse) << "the dangling else must shift";
      }
    }
    if (reduces231) {
      ++elseStates;
      EXPECT_GE(shiftTarget(s, kElse), 0);
    }
  }
  EXPECT_EQ(elseStates, 1);
}

TEST(CGrammarTable, NamesFollowTheGrammar) {
  const auto grammar = tablegen::lalr::readGrammar(readFile(MORVANE_C_GRAMMAR));
  ASSERT_EQ(cgrammar::productionCount(), 315);
  for (std::int32_t p = 0; p < 315; ++p) EXPECT_EQ(cgrammar::productionRule(p), grammar.ruleText(p));
  EXPECT_EQ(cgrammar::productionRule(0), "goal: translation_unit EOF");
  EXPECT_EQ(cgrammar::productionRule(18), "postfix_expression: postfix_expression '[' expression ']'");
  EXPECT_EQ(cgrammar::productionRule(89), "expression_opt: (empty)");
  EXPECT_EQ(cgrammar::productionRule(315), "");
  EXPECT_EQ(cgrammar::productionRule(-1), "");
  const std::pair<std::int32_t, std::string_view> names[] = {
      {-2, "error"}, {-1, "EOF"}, {52, "TYPEDEF_NAME"}, {66, "'['"}, {129, "'int'"}, {151, "STRING_CLOSE"},
      {0, "goal"}, {16385, "constant"}, {16481, "array_suffix"},
      {51, ""}, {16384, ""}, {16482, ""}, {-3, ""}};
  for (const auto& [symbol, name] : names) EXPECT_EQ(cgrammar::symbolName(symbol), name) << symbol;
}

// Token numbers and names from the token definition: "NUMBER NAME PATTERN [FLAGS]"
// and "declare NUMBER NAME" lines; `delivered` is false for ignored tokens.
struct DefinedToken {
  std::string name;
  bool delivered;
};

std::map<std::int32_t, DefinedToken> definedTokens(const std::string& text) {
  std::map<std::int32_t, DefinedToken> tokens;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string first, name, word;
    if (!(words >> first)) continue;
    std::int32_t number = 0;
    bool delivered = true;
    if (first == "declare") {
      if (!(words >> number >> name)) continue;
    } else {
      try {
        std::size_t used = 0;
        number = std::stoi(first, &used);
        if (used != first.size()) continue;
      } catch (const std::exception&) {
        continue;
      }
      if (!(words >> name)) continue;
      while (words >> word && word[0] != '#')
        if (word == "ignore") delivered = false;
    }
    auto& entry = tokens[number];
    if (!entry.name.empty() && entry.name != name) ADD_FAILURE() << "token " << number << " named twice";
    entry = {name, delivered || entry.delivered};
  }
  return tokens;
}

TEST(CGrammarTokens, TerminalsAgreeWithTheTokenDefinition) {
  const auto grammar = tablegen::lalr::readGrammar(readFile(MORVANE_C_GRAMMAR));
  const auto tokens = definedTokens(readFile(MORVANE_C_TOKENS));
  ASSERT_FALSE(tokens.empty()) << "no tokens read from " << MORVANE_C_TOKENS;
  std::set<std::int32_t> terminals;
  for (std::int32_t t = 0; t < grammar.terminalCount; ++t) {
    const auto& symbol = grammar.symbols[t];
    terminals.insert(symbol.number);
    const auto it = tokens.find(symbol.number);
    if (it == tokens.end()) ADD_FAILURE() << symbol.name << " (" << symbol.number << ") is not a token";
    else EXPECT_EQ(it->second.name, symbol.name) << "token " << symbol.number;
  }
  // Every token the lexer delivers reaches the parser, so the grammar must know it.
  for (const auto& [number, token] : tokens) {
    if (token.delivered && number != kEofToken) {
      EXPECT_TRUE(terminals.count(number)) << token.name << " (" << number << ") is delivered but not in the grammar";
    }
  }
}

}  // namespace
}  // namespace morvane
