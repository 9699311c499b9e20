// Faults in a grammar text: each is a DefinitionError naming its line.
#include <gtest/gtest.h>

#include <string>

#include "tools/tablegen/LalrGen.h"

namespace morvane {
namespace {

// Lines 1 to 6; productions start on line 7.
constexpr std::string_view kDeclarations =
    "%token EOF -1\n%token a 1\n%token 'b' 2\n%nonterminal goal 0\n%nonterminal S 16385\n%%\n";

struct Case {
  const char* title;
  std::string text;
  std::int32_t line;
  const char* message;  // a part of the message
};

std::string withDeclarations(const char* productions) { return std::string(kDeclarations) + productions; }

// One more declaration on line 6, before "%%".
std::string withExtra(const char* declaration, const char* productions) {
  std::string text(kDeclarations);
  return text.insert(text.find("%%"), declaration) + productions;
}

TEST(LalrDefinitionError, FaultsNameTheirLine) {
  const Case cases[] = {
      {"gap", withDeclarations("0 goal: S EOF\n2 S: a\n"), 8, "production 2 leaves a gap: production 1 is missing"},
      {"twice", withDeclarations("0 goal: S EOF\n1 S: a\n1 S: 'b'\n"), 9, "production 1 is numbered twice (first on line 8)"},
      {"first not 0", withDeclarations("1 goal: S EOF\n"), 7, "production 1 leaves a gap"},
      {"negative", withDeclarations("-1 goal: S EOF\n"), 7, "invalid production number -1"},
      {"unknown", withDeclarations("0 goal: S EOF\n1 S: a c\n"), 8, "unknown symbol c"},
      {"unknown quoted", withDeclarations("0 goal: S EOF\n1 S: 'a'\n"), 8, "unknown symbol 'a'"},
      {"unknown lhs", withDeclarations("0 goal: S EOF\n1 T: a\n"), 8, "unknown symbol T"},
      {"repeated", withDeclarations("0 goal: S EOF\n1 S: a\n2 S: a\n"), 9, "production 2 repeats production 1"},
      {"terminal lhs", withDeclarations("0 goal: S EOF\n1 S: a\n2 a: 'b'\n"), 9, "the left side a is a terminal"},
      {"no colon", withDeclarations("0 goal: S EOF\n1 S a\n"), 8, "expected \"NUMBER lhs: symbols\""},
      {"bare empty", withDeclarations("0 goal: S EOF\n1 S:\n"), 8, "an empty right side is written (empty)"},
      {"empty with symbols", withDeclarations("0 goal: S EOF\n1 S: a (empty)\n"), 8, "(empty) must stand alone"},
      {"start not ending in EOF", withDeclarations("0 goal: S\n1 S: a\n"), 7, "production 0 must end with EOF"},
      {"EOF elsewhere", withDeclarations("0 goal: S EOF\n1 S: a EOF\n"), 8, "EOF may only end production 0"},
      {"goal on a right side", withDeclarations("0 goal: S EOF\n1 S: goal\n"), 8, "goal cannot appear on a right side"},
      {"no production", withExtra("%nonterminal T 16386\n", "0 goal: S EOF\n1 S: a\n"), 6,
       "nonterminal T has no production"},
      {"declared twice", "%token EOF -1\n%token a 1\n%token a 2\n", 3, "a is declared twice (first on line 2)"},
      {"number used twice", "%token EOF -1\n%token a 1\n%token b 1\n", 3, "number 1 of b is already used by a (line 2)"},
      {"terminal number range", "%token EOF -1\n%token a 16384\n", 2, "outside -1 and 0 to 16383"},
      {"error token", "%token error -2\n", 1, "outside -1"},
      {"nonterminal 16384", "%nonterminal X 16384\n", 1, "must be 0 or above 16384"},
      {"nonterminal gap", "%token EOF -1\n%token a 1\n%nonterminal goal 0\n%nonterminal S 16386\n%%\n0 goal: S EOF\n1 S: a\n",
       4, "nonterminal number 16386 of S leaves a gap: 16385 is not declared"},
      {"quoted nonterminal", "%nonterminal 'x' 16385\n", 1, "a nonterminal name cannot be quoted"},
      {"bad name", "%token a-b 1\n", 1, "invalid symbol name a-b"},
      {"bad number", "%token a 1x\n", 1, "invalid number 1x for a"},
      {"unterminated quote", "%token 'a 1\n", 1, "unterminated quoted name"},
      {"unknown directive", "%left a\n", 1, "unknown declaration %left"},
      {"expect shape", "%expect else 1 2\n", 1, "expected \"%expect SYMBOL REDUCED SHIFTED shift|reduce\""},
      {"expect keeps", "%expect else 1 2 both\n", 1, "keeps either shift or reduce"},
      {"expect unknown production", withExtra("%expect a 1 7 shift\n", "0 goal: S EOF\n1 S: a\n"),
       6, "%expect names no production 7"},
      {"expect production without the symbol",
       withExtra("%expect 'b' 1 1 shift\n", "0 goal: S EOF\n1 S: a\n"), 6,
       "production 1 never shifts 'b'"},
      {"no %%", "%token EOF -1\n", 2, "missing \"%%\""},
      {"no productions", std::string(kDeclarations), 7, "the grammar has no productions"},
      {"no EOF", "%token a 1\n%nonterminal goal 0\n%%\n0 goal: a\n", 0, "the end-of-input terminal (token -1) is not declared"},
  };
  for (const Case& c : cases) {
    try {
      tablegen::buildParserTables(c.text);
      ADD_FAILURE() << c.title << ": no error";
    } catch (const tablegen::DefinitionError& e) {
      EXPECT_EQ(e.line(), c.line) << c.title << ": " << e.what();
      EXPECT_NE(e.message().find(c.message), std::string::npos) << c.title << ": " << e.message();
    }
  }
}

TEST(LalrDefinitionError, CommentsAndBlankLinesKeepLineNumbers) {
  const std::string text = "// a comment\n\n%token EOF -1   // end of input\n%token a 1\n%nonterminal goal 0\n"
                           "%nonterminal S 16385\n%%\n// productions\n0 goal: S EOF\n\n1 S: a b\n";
  try {
    tablegen::buildParserTables(text);
    FAIL() << "no error";
  } catch (const tablegen::DefinitionError& e) {
    EXPECT_EQ(e.line(), 11);
    EXPECT_STREQ(e.what(), "line 11: unknown symbol b");
  }
}

}  // namespace
}  // namespace morvane
