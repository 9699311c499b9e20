// The C lexer table as the program carries it (resource "dfa"), run in the lexer
// engine: one row per case of input and expected lexemes (token, text, line, offset),
// the invalid-token errors with where the consumer stands afterwards, the flags of
// the telling states of every list, and the embedded image against its definition.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lexer/EmbeddedResource.h"
#include "tests/tablegen/LexerTestSupport.h"
#include "tools/tablegen/LexerGen.h"

namespace morvane {
namespace {

using lexertest::Lexeme;
using lexertest::TableRunner;

const TableRunner& cTable() {
  static const TableRunner runner("c.dfa");
  return runner;
}

struct Row {
  std::string input;
  std::vector<Lexeme> lexemes;
  std::string error = {};  // the code 9 message that ends the scan; empty for none
  std::int32_t lineAfter = 0, offsetAfter = 0;  // the consumer after the error
};

void check(const Row& row) {
  SCOPED_TRACE("input \"" + row.input + "\"");
  const auto scan = cTable().scan(row.input);
  EXPECT_EQ(scan.lexemes, row.lexemes);
  if (row.error.empty()) {
    EXPECT_FALSE(scan.failure) << *scan.failure;
    return;
  }
  ASSERT_TRUE(scan.failure);
  EXPECT_EQ(scan.failure->code, 9);
  EXPECT_EQ(scan.failure->message, row.error);
  EXPECT_EQ(scan.line, row.lineAfter);
  EXPECT_EQ(scan.offset, row.offsetAfter);
}

TEST(CTokens, NamesAndKeywords) {
  const Row rows[] = {
      {"int integer int_ Int", {{129, "int", 1, 0}, {53, "integer", 1, 4}, {53, "int_", 1, 12}, {53, "Int", 1, 17}}},
      {"UserDefined UserDefined12 UserDefined12a UserDefine",
       {{112, "UserDefined", 1, 0}, {112, "UserDefined12", 1, 12}, {53, "UserDefined12a", 1, 26}, {53, "UserDefine", 1, 41}}},
      {"_x9 L La", {{53, "_x9", 1, 0}, {53, "L", 1, 4}, {53, "La", 1, 6}}},
  };
  for (const auto& row : rows) check(row);

  const char* keywords[] = {"auto",   "break",  "case",    "char",   "const",    "continue", "default",  "do",
                            "double", "else",   "enum",    "extern", "float",    "for",      "goto",     "if",
                            "int",    "long",   "register", "return", "short",   "signed",   "sizeof",   "static",
                            "struct", "switch", "typedef", "union",  "unsigned", "void",     "volatile", "while"};
  Row all;
  for (std::int32_t i = 0; i < 32; ++i) {
    all.lexemes.push_back({113 + i, keywords[i], 1, static_cast<std::int32_t>(all.input.size())});
    all.input += std::string(keywords[i]) + " ";
  }
  check(all);
}

TEST(CTokens, Punctuators) {
  const char* punctuators[] = {"[",  "]",  "(",  ")",  "{",  "}",  "*",  ",",   ":",   "=",  ";",  "?",
                               "...", ".", "&",  "+",  "-",  "~",  "!",  "/",   "%",   "|",  "<",  ">",
                               "<<", ">>", "<=", ">=", "==", "!=", "^",  "&&",  "||",  "->", "++", "--",
                               "*=", "/=", "%=", "+=", "-=", "<<=", ">>=", "&=", "^=", "|="};
  Row all;
  for (std::int32_t i = 0; i < 46; ++i) {
    all.lexemes.push_back({66 + i, punctuators[i], 1, static_cast<std::int32_t>(all.input.size())});
    all.input += std::string(punctuators[i]) + " ";
  }
  check(all);
  const Row rows[] = {
      {"a+++b", {{53, "a", 1, 0}, {100, "++", 1, 1}, {81, "+", 1, 3}, {53, "b", 1, 4}}},
      {"x>>=1<<=2->y",
       {{53, "x", 1, 0}, {108, ">>=", 1, 1}, {55, "1", 1, 4}, {107, "<<=", 1, 5}, {55, "2", 1, 8}, {99, "->", 1, 9}, {53, "y", 1, 11}}},
      {"... .. .", {{78, "...", 1, 0}, {79, ".", 1, 4}, {79, ".", 1, 5}, {79, ".", 1, 7}}},
      // After two dots the automaton is inside "..." and fails on x: the second dot is given back.
      {"..x", {{79, ".", 1, 0}, {79, ".", 1, 1}, {53, "x", 1, 2}}},
  };
  for (const auto& row : rows) check(row);
}

TEST(CTokens, IntegerAndFloatConstants) {
  const Row rows[] = {
      {"0 07 0x1FUL 12lu 12uL 12ll",
       {{54, "0", 1, 0}, {54, "07", 1, 2}, {56, "0x1FUL", 1, 5}, {55, "12lu", 1, 12}, {55, "12uL", 1, 17}, {55, "12l", 1, 22}, {53, "l", 1, 25}}},
      {"12uu 0XAbc", {{55, "12u", 1, 0}, {53, "u", 1, 3}, {56, "0XAbc", 1, 5}}},
      // Back to the last accepting state: 0, then x.
      {"0x y", {{54, "0", 1, 0}, {53, "x", 1, 1}, {53, "y", 1, 3}}},
      {"0x", {{54, "0", 1, 0}, {53, "x", 1, 1}}},
      // The float patterns read digits after a leading 0; 089 alone is 0 and 89.
      {"089 089.5", {{54, "0", 1, 0}, {55, "89", 1, 1}, {61, "089.5", 1, 4}}},
      {"1. 1.e5 1.F .5 0.25 3.0e2f 1e10 1e10L",
       {{60, "1.", 1, 0}, {60, "1.e5", 1, 3}, {60, "1.F", 1, 8}, {61, ".5", 1, 12}, {61, "0.25", 1, 15}, {61, "3.0e2f", 1, 20},
        {62, "1e10", 1, 27}, {62, "1e10L", 1, 32}}},
      // No sign in the exponent.
      {"1e-5", {{55, "1", 1, 0}, {53, "e", 1, 1}, {82, "-", 1, 2}, {55, "5", 1, 3}}},
      {"1e", {{55, "1", 1, 0}, {53, "e", 1, 1}}},
      {"1.5.5", {{61, "1.5", 1, 0}, {61, ".5", 1, 3}}},
  };
  for (const auto& row : rows) check(row);
}

TEST(CTokens, CharacterConstants) {
  const Row rows[] = {
      {"'\\n'\n'\\0'\n'\\x41'\n'\\x4142'\n'\\177'\n'\\1234'\n'\\xFFF'\nL'a'\n'''\n'\\''\nL'\\0'\nL'\\x7f'",
       {{57, "'\\n'", 1, 0},
        {58, "'\\0'", 2, 1},
        {59, "'\\x41'", 3, 1},
        {57, "'\\x4142'", 4, 1},
        {58, "'\\177'", 5, 1},
        {57, "'\\1234'", 6, 1},
        {59, "'\\xFFF'", 7, 1},
        {57, "L'a'", 8, 1},
        {57, "'''", 9, 1},  // the first character after the quote is content, even a quote
        {57, "'\\''", 10, 1},
        {58, "L'\\0'", 11, 1},
        {59, "L'\\x7f'", 12, 1}}},
      // A constant runs to the last quote on its line that no tab or line feed cuts off.
      {"c = 'a'; d = 'b'", {{53, "c", 1, 0}, {75, "=", 1, 2}, {57, "'a'; d = 'b'", 1, 4}}},
      {"'a' + 'b'", {{57, "'a' + 'b'", 1, 0}}},
      {"'\\0' + '\\1'", {{57, "'\\0' + '\\1'", 1, 0}}},
      {"c = 'a';\nd = 'b'",
       {{53, "c", 1, 0}, {75, "=", 1, 2}, {57, "'a'", 1, 4}, {76, ";", 1, 7}, {53, "d", 2, 1}, {75, "=", 2, 3}, {57, "'b'", 2, 5}}},
      {"'a';\t'b'", {{57, "'a'", 1, 0}, {76, ";", 1, 3}, {57, "'b'", 1, 5}}},
  };
  for (const auto& row : rows) check(row);
}

TEST(CTokens, StringLiterals) {
  const Row rows[] = {
      {"\"abc\"", {{65, "\"", 1, 0}, {150, "abc", 1, 1}, {151, "\"", 1, 4}}},
      {"L\"x\"", {{65, "L\"", 1, 0}, {150, "x", 1, 2}, {151, "\"", 1, 3}}},
      // The closing quote is the longer match: no STRING_TEXT between.
      {"\"\"", {{65, "\"", 1, 0}, {151, "\"", 1, 1}}},
      {"\"a\\\"b\"", {{65, "\"", 1, 0}, {150, "a\\\"b", 1, 1}, {151, "\"", 1, 5}}},
      // A run of backslashes escapes the character after it as a whole, a quote too.
      {"\"a\\\\\"b\";", {{65, "\"", 1, 0}, {150, "a\\\\\"b", 1, 1}, {151, "\"", 1, 6}, {76, ";", 1, 7}}},
      {"\"x\\", {{65, "\"", 1, 0}, {150, "x\\", 1, 1}}},
      {"\"a\" \"b\"",
       {{65, "\"", 1, 0}, {150, "a", 1, 1}, {151, "\"", 1, 2}, {65, "\"", 1, 4}, {150, "b", 1, 5}, {151, "\"", 1, 6}}},
      {"\"t\t\xe9\"", {{65, "\"", 1, 0}, {150, "t\t\xe9", 1, 1}, {151, "\"", 1, 4}}},
      // Before a line feed the lexer delivers an empty STRING_TEXT without advancing.
      {"\"ab\ncd\"", {{65, "\"", 1, 0}, {150, "ab", 1, 1}, {150, "", 1, 3}}},
      {"\"abc", {{65, "\"", 1, 0}, {150, "abc", 1, 1}}},
  };
  for (const auto& row : rows) check(row);
}

TEST(CTokens, CommentsAndBlanks) {
  const Row rows[] = {
      {"", {}},
      {"\t\n \n", {}},
      {"ab cd\nxy z", {{53, "ab", 1, 0}, {53, "cd", 1, 3}, {53, "xy", 2, 1}, {53, "z", 2, 4}}},
      {"a/*x\ny\nz*/b", {{53, "a", 1, 0}, {53, "b", 3, 4}}},
      {"a//b\nc", {{53, "a", 1, 0}, {53, "c", 2, 1}}},
      {"/* a /* b */ c", {{53, "c", 1, 13}}},  // no nesting
      {"x/**/y", {{53, "x", 1, 0}, {53, "y", 1, 5}}},
      {"/* ** / */z", {{53, "z", 1, 10}}},
      {"a /* open", {{53, "a", 1, 0}}},
      {"b // end", {{53, "b", 1, 0}}},
      {"a */", {{53, "a", 1, 0}, {72, "*", 1, 2}, {85, "/", 1, 3}}},
      {"/=/", {{103, "/=", 1, 0}, {85, "/", 1, 2}}},
  };
  for (const auto& row : rows) check(row);
  const auto end = cTable().scan("ab cd\nxy z");
  EXPECT_EQ(end.line, 2);
  EXPECT_EQ(end.offset, 5);
}

TEST(CTokens, InvalidTokens) {
  const Row rows[] = {
      {"#include", {}, "SSLex0105e: Invalid token, Line 1, Offset 0, #", 1, 1},
      {"a\rb", {{53, "a", 1, 0}}, "SSLex0105e: Invalid token, Line 1, Offset 1, \r", 1, 2},
      {"a@b", {{53, "a", 1, 0}}, "SSLex0105e: Invalid token, Line 1, Offset 1, @", 1, 2},
      // Unterminated constants: the text runs up to and including the failing character.
      {"x = 'abc\ny", {{53, "x", 1, 0}, {75, "=", 1, 2}}, "SSLex0105e: Invalid token, Line 1, Offset 4, 'abc\n", 2, 1},
      {"'' ;\nz", {}, "SSLex0105e: Invalid token, Line 1, Offset 0, '' ;\n", 2, 1},
      {"''", {}, "SSLex0105e: Invalid token, Line 1, Offset 0, ''", 1, 2},
      {"'", {}, "SSLex0105e: Invalid token, Line 1, Offset 0, '", 1, 1},
      {"'\t'", {}, "SSLex0105e: Invalid token, Line 1, Offset 0, '\t", 1, 2},
      {"L'", {{53, "L", 1, 0}}, "SSLex0105e: Invalid token, Line 1, Offset 1, '", 1, 2},
      {"a\n\xe9", {{53, "a", 1, 0}}, "SSLex0105e: Invalid token, Line 2, Offset 1, \xe9", 2, 2},
  };
  for (const auto& row : rows) check(row);

  // Every byte that starts no token: the control characters other than tab and line
  // feed, $ @ ` \ and 128 to 255.
  for (int byte = 0; byte < 256; ++byte) {
    const bool starts = byte == '\t' || byte == '\n' || (byte >= 0x20 && byte < 0x7f && byte != '$' && byte != '@' &&
                                                         byte != '`' && byte != '\\' && byte != '#');
    const auto scan = cTable().scan(std::string(1, static_cast<char>(byte)) + " ");
    if (starts) {
      // A quote alone is an unterminated constant; anything else scans cleanly.
      EXPECT_EQ(scan.failure.has_value(), byte == '\'') << "byte " << byte;
      continue;
    }
    SCOPED_TRACE("byte " + std::to_string(byte));
    ASSERT_TRUE(scan.failure);
    EXPECT_EQ(scan.failure->code, 9);
    EXPECT_EQ(scan.failure->message.rfind("SSLex0105e: Invalid token, Line 1, Offset 0, ", 0), 0u);
    EXPECT_EQ(scan.line, 1);
    EXPECT_EQ(scan.offset, 1);
  }
}

TEST(CTokens, TellingStatesOfEveryList) {
  const TableRunner& c = cTable();
  // The start marker: state 0 of every list ends its row with it, to a state that
  // accepts token -1 and is skipped; no other state has a marker transition.
  for (std::int32_t list = 0; list < 4; ++list) {
    SCOPED_TRACE("list " + std::to_string(list));
    const std::int32_t marked = c.next(list, 0, -1);
    ASSERT_GE(marked, 0);
    EXPECT_EQ(c.record(list, marked).token, -1);
    EXPECT_EQ(c.record(list, marked).flags, 0x50u);
    for (std::int32_t s = 1; s < c.stateCount(list); ++s) EXPECT_EQ(c.next(list, s, -1), -1) << "state " << s;
  }
  struct Telling {
    std::int32_t list;
    const char* text;
    std::int32_t token, listIndex;
    std::uint32_t flags;
  };
  const Telling rows[] = {
      {0, "\t", 51, 0, 0x50},  {0, "\n", 51, 0, 0x50},  {0, " ", 51, 0, 0x50},    {0, "/*", 63, 1, 0x70},
      {0, "//", 64, 2, 0x70},  {0, "\"", 65, 3, 0x30},  {0, "L\"", 65, 3, 0x30},  {0, "x", 53, 0, 0x10},
      {1, "*/", 147, 0, 0x58}, {1, "*", 145, 0, 0x50},  {1, "a", 145, 0, 0x50},   {1, "\n", 146, 0, 0x50},
      {2, "\n", 149, 0, 0x58}, {2, "*", 148, 0, 0x50},  {3, "", 150, 0, 0x10},    {3, "a\\", 150, 0, 0x10},
      {3, "\"", 151, 0, 0x18},
  };
  for (const auto& t : rows) {
    SCOPED_TRACE(std::to_string(t.list) + ": \"" + t.text + "\"");
    const std::int32_t state = c.walk(t.list, t.text);
    ASSERT_GE(state, 0);
    EXPECT_EQ(c.record(t.list, state).token, t.token);
    EXPECT_EQ(c.record(t.list, state).listIndex, t.listIndex);
    EXPECT_EQ(c.record(t.list, state).flags, t.flags);
  }
  // Only the flag combinations of the C table occur; a state that accepts nothing has
  // an empty record.
  const std::set<std::uint32_t> used{0x10, 0x18, 0x30, 0x50, 0x58, 0x70};
  for (std::int32_t list = 0; list < 4; ++list)
    for (std::int32_t s = 0; s < c.stateCount(list); ++s) {
      const auto& r = c.record(list, s);
      if (r.flags == 0) EXPECT_TRUE(r.token == 0 && r.listIndex == 0);
      else EXPECT_TRUE(used.count(r.flags)) << "list " << list << " state " << s << " flags " << r.flags;
    }
}

TEST(CTokens, EmbeddedTableIsTheDefinitionsImage) {
  std::ifstream in(MORVANE_C_TOKENS, std::ios::binary);
  const std::string definition((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(definition.empty());
  const auto built = tablegen::buildLexerImage(definition);
  const auto embedded = findEmbeddedResource("dfa");
  EXPECT_EQ(std::vector<unsigned char>(embedded.begin(), embedded.end()), built);
  // Four lists, each block sized as its counts say.
  std::istringstream stats(tablegen::lexerImageStats(built));
  std::string line;
  int lists = 0;
  while (std::getline(stats, line)) EXPECT_EQ(line.rfind("list " + std::to_string(lists++) + ": states ", 0), 0u) << line;
  EXPECT_EQ(lists, 4);
}

}  // namespace
}  // namespace morvane
