// Faults in a token definition: each is a DefinitionError with the line it stands on
// and a message that says what is wrong.
#include <gtest/gtest.h>

#include <string>

#include "tools/tablegen/LexerGen.h"

namespace morvane::tablegen {
namespace {

struct ErrorCase {
  std::string definition;
  std::int32_t line;
  const char* fragment;  // part of the message
};

// Named parts p1 ... pN, each twice the one before: the last is 2^N letters long.
std::string doublingParts(int count) {
  std::string text = "define p0 x\n";
  for (int i = 1; i < count; ++i)
    text += "define p" + std::to_string(i) + " {p" + std::to_string(i - 1) + "}{p" + std::to_string(i - 1) + "}\n";
  return text;
}

TEST(LexerDefinitionError, ReportsTheLineAndTheFault) {
  const ErrorCase cases[] = {
      // The lines themselves.
      {"", 0, "no expression list"},
      {"1 A a\n", 1, "needs a list"},
      {"list 1\n", 1, "list 0 expected"},
      {"list 0\nlist 2\n", 2, "list 1 expected"},
      {"list 0\nfoo\n", 2, "unknown line"},
      {"list 0\n1 A a bogus\n", 2, "unknown flag \"bogus\""},
      {"list 0\n1 A a push\n", 2, "push needs a list number"},
      {"list 0\n1 A a push 5\n", 2, "pushes list 5, which is not defined"},
      {"list 0\n1 A\n", 2, "A needs a pattern"},
      {"list 0\n1 9A a\n", 2, "not a token name"},
      {"list 0\n99999999999 A a\n", 2, "out of range"},
      {"list 0 extra\n", 1, "unexpected \"extra\""},
      {"define d\n", 1, "needs a pattern"},
      {"define d a\ndefine d b\n", 2, "defined twice"},
      {"define m <start>\n", 1, "<start> must be a rule's whole pattern"},
      // Names, numbers and tie rules.
      {"list 0\n1 A a\n1 A b\n", 3, "A already has a rule in this list"},
      {"list 0\n1 A a\nlist 1\n2 A b\n", 4, "A is token 1 on line 2, not 2"},
      {"list 0\n1 A a\n1 B b\n", 3, "token 1 is A on line 2, not B"},
      {"declare 5 X\nlist 0\n6 X x\n", 3, "X is token 5 on line 1, not 6"},
      {"list 0\n1 A a over B\n", 2, "A is over B, which has no rule in this list"},
      {"list 0\n1 A a over A\n", 2, "cannot be over itself"},
      {"list 0\n1 A a over B\n2 B a over A\n", 3, "each over the other"},
      {"list 0\n-1 EOF <start>\n-2 M <start>\n", 3, "already has a <start> rule"},
      {"list 0\n1 A [a-z]+ over B\n2 B x\n", 3, "B can never be delivered"},
      {"list 0\n1 A a over B\n2 B a over C\n3 C a over A\n", 4, "no winner among A, B, C"},
      // Patterns.
      {"list 0\n1 A [a-\n", 2, "']' expected"},
      {"list 0\n1 A []\n", 2, "empty set"},
      {"list 0\n1 A [b-a]\n", 2, "range b-a runs backwards"},
      {"list 0\n1 A [^\\x00-\\xff]\n", 2, "matches no byte"},
      {"list 0\n1 A \"ab\n", 2, "closing '\"' expected"},
      {"list 0\n1 A \"\"\n", 2, "empty literal"},
      {"list 0\n1 A (ab\n", 2, "')' expected"},
      {"list 0\n1 A (a b)\n", 2, "a blank ends the pattern"},
      {"list 0\n1 A a)\n", 2, "')' without a matching '('"},
      {"list 0\n1 A a|\n", 2, "empty alternative"},
      {"list 0\n1 A *a\n", 2, "nothing to repeat"},
      {"list 0\n1 A a.b\n", 2, "'.' is reserved"},
      {"list 0\n1 A a/b\n", 2, "'/' is reserved"},
      {"list 0\n1 A {x}\n", 2, "{x} is not defined above"},
      {"list 0\n1 A a{3,2}\n", 2, "wrong order"},
      {"list 0\n1 A a{300}\n", 2, "repeat count above 255"},
      {"list 0\n1 A \\q\n", 2, "unknown escape \\q"},
      {"list 0\n1 A \\x4\n", 2, "two hex digits"},
      {"list 0\n1 A a<start>\n", 2, "<start> must be the whole pattern"},
      {"list 0\n1 A <start>*\n", 2, "<start> cannot be repeated"},
      {"list 0\n1 A \xc3\xa9\n", 2, "as an escape"},
      {"list 0\n1 A \"\x01\"\n", 2, "as an escape"},
      {"list 0\n1 A " + std::string(100, '(') + "a" + std::string(100, ')') + "\n", 2, "nested too deeply"},
      {"list 0\n1 A a" + std::string(120, '*') + "\n", 2, "nested too deeply"},
      {doublingParts(20) + "list 0\n1 A {p19}\n", 17, "pattern too large"},  // p16 has 2^17 - 1 nodes
      // An automaton that grows exponentially.
      {"list 0\n1 A [ab]*a[ab]{16}\n", 1, "needs more than"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.definition);
    try {
      buildLexerImage(c.definition);
      ADD_FAILURE() << "no error";
    } catch (const DefinitionError& e) {
      EXPECT_EQ(e.line(), c.line) << e.what();
      EXPECT_NE(e.message().find(c.fragment), std::string::npos) << e.message();
    }
  }
}

TEST(LexerDefinitionError, CommentsBlanksAndLineEndsAreFree) {
  // Comments may hold any bytes; CR LF line ends and tabs between fields are fine.
  EXPECT_NO_THROW(buildLexerImage("# caf\xc3\xa9 \x01\r\n\r\nlist 0   # the only list\r\n\t1\tA\t\"#\"\t# a hash\r\n"));
}

}  // namespace
}  // namespace morvane::tablegen
