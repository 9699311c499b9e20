// The action rows called with hand-made children: the rules that inspect a child's
// text (both ways of each test), the productions that no C text can reach (they
// need TYPEDEF_NAME), and the user type name of production 141.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/translate/TestRhs.h"

namespace morvane {
namespace {

struct ActionCase {
  std::uint32_t production;
  std::vector<std::string> children;
  std::string text;
};

void expectCases(const std::vector<ActionCase>& cases) {
  const TranslationContext context;
  for (const ActionCase& c : cases) {
    std::string misuse;
    EXPECT_EQ(testing::reduceWith(c.production, c.children, context, &misuse), c.text)
        << "production " << c.production << " with first child \""
        << (c.children.empty() ? "" : c.children.front()) << "\"";
    EXPECT_EQ(misuse, "") << c.production;
  }
}

TEST(InspectingActions, Expressions) {
  expectCases({
      {18, {"a", "[", "i", "]"}, "a[i]"},
      {18, {"a[i]", "[", "j", "]"}, "a[i,j]"},
      {18, {"a[i,j]", "[", "k", "]"}, "a[i,j,k]"},
      {18, {"f(a[i])", "[", "j", "]"}, "f(a[i])[j]"},  // only the last character counts
      {18, {"", "[", "j", "]"}, "[j]"},
      {32, {"^", "p"}, "p^"},
      {32, {"@", "x"}, "@x"},
      {32, {"not ", "(a)"}, "not (a)"},
      {32, {"^^", "p"}, "^^p"},  // only the exact text "^"
      {42, {"(", "{VOID}", ")", "f(x)"}, "{VOID}f(x)"},
      {42, {"(", "{VOID}^", ")", "p"}, "{VOID}^(p)"},
      {42, {"(", "Char", ")", "c"}, "Char(c)"},
      {74, {"x", "=", "0"}, "x := 0"},
      {74, {"x", " + ", "2"}, "x := x + 2"},
      {74, {"x", " * ", "y + 1"}, "x := x * y + 1"},
      {74, {"x", "==", "1"}, "x := x==1"},  // only the exact text "="
      {87, {"a := 1", ",", "b := 2"}, "{ATTENTION!!! Comma expression}a := 1;\r\nb := 2"},
  });
}

TEST(InspectingActions, Declarations) {
  const std::string note = "{ATTENTION!!! must be moved to body text}\r\n";
  expectCases({
      {98,
       {"{STATIC} Integer", "a: array [0..10-1] of ", ""},
       "a: array [0..10-1] of :{STATIC} Integer;\r\n"},
      {98,
       {"{TYPEDEF} Record = \r\nx:Integer;\r\nend\r\n", "P", ""},
       "{TYPEDEF} Record = \r\nx:Integer;\r\nend\r\n;\r\n"},
      {98,
       {"{STATIC} Record = \r\nend\r\n", "r", "1"},
       "{STATIC} Record = \r\nend\r\n;\r\n" + note + "r:=1;\r\n"},
      {98, {"{STATIC} Integer", "a", "1"}, "a:{STATIC} Integer;\r\n" + note + "a:=1;\r\n"},
      {99, {"Integer", "a: array [0..10-1] of ", ""}, "a: array [0..10-1] of Integer;\r\n"},
      {99, {"Integer", "f(a:Integer)", ""}, "f(a:Integer)Integer;\r\n"},
      {99, {"Integer", "f({VOID})", ""}, "f({VOID}):Integer;\r\n"},
      {99,
       {"Integer", "m: array [0..2-1] of ", "(1;2)"},
       "m: array [0..2-1] of Integer;\r\n" + note + "m: array [0..2-1] of :=(1;2);\r\n"},
      {100, {"a:Integer;\r\n" + note + "a:=1;\r\n", ",", "b", ""}, "b,a:Integer;\r\n" + note + "a:=1;\r\n"},
      {100, {"a:Integer;\r\n", ",", "b", "2"}, "b,a:Integer;\r\n" + note + "b:=2;\r\n"},
      {95, {"{STATIC}", "x", ""}, "x:{STATIC};\r\n"},
      {96, {"{CONST}", "x", "5"}, "x:{CONST};\r\n" + note + "x:=5;\r\n"},
      {97, {"x:{STATIC};\r\n", ",", "y", ""}, "y,x:{STATIC};\r\n;\r\n"},
      {97, {"x:{STATIC};\r\n", ",", "y", "3"}, "y,x:{STATIC};\r\n;\r\n" + note + "y:=3;\r\n"},
  });
}

TEST(InspectingActions, ArrayDimensionMerge) {
  expectCases({
      {306, {": array [0..3-1] of ", "[", "4", "]"}, ": array [0..3-1, 0..4-1] of "},
      {306, {": array [0..2-1, 0..3-1] of ", "[", "4", "]"}, ": array [0..2-1, 0..3-1, 0..4-1] of "},
      {306, {": array of", "[", "4", "]"}, ": array [, 0..4-1] of "},
      {306,
       {": array [0..a[1]-1] of ", "[", "2", "]"},
       ": array [0..a[1, 0..2-1] of "},  // the first "]" ends it
      {306, {"]x[", "[", "n + 1", "]"}, ": array [, 0..n + 1-1] of "},
  });
}

TEST(InspectingActions, CaseLabelsAndSwitch) {
  expectCases({
      {220, {"case", "2", ":", "x := 1;\r\n"}, "end;\r\n2:begin {case}\r\nx := 1;\r\n"},
      {220,
       {"case", "1", ":", "end;\r\n2:begin {case}\r\nx := 1;\r\n"},
       "end;\r\n1,2:begin {case}\r\nx := 1;\r\n"},
      // A switch directly under the label: the marker is deeper, nothing is removed.
      {220,
       {"case", "1", ":", "case y of \r\n\r\n2:begin {case}\r\nz;\r\nend;\r\n"},
       "end;\r\n1,case y of \r\n\r\n2:begin {case}\r\nz;\r\nend;\r\n"},
      {221, {"default", ":", "x := 0;\r\n"}, "end;\r\nelse Begin\r\nx := 0;\r\n\r\nend;\r\n"},
      {233,
       {"switch", "(", "c", ")", "Begin \r\nend;\r\n1:begin {case}\r\nBreak;\r\nend;\r\n"},
       "case c of \r\n\r\n1:begin {case}\r\nBreak;\r\nend;\r\n"},
      {233, {"switch", "(", "c", ")", "x := 1;\r\n"}, "case c of \r\nx := 1;\r\n"},
      // The 12 characters deeper inside the body (a block opened under a label) stay.
      {233,
       {"switch", "(", "c", ")", "end;\r\n1,Begin \r\nend;\r\n2:begin {case}\r\nx;\r\nend;\r\n"},
       "case c of \r\nend;\r\n1,Begin \r\nend;\r\n2:begin {case}\r\nx;\r\nend;\r\n"},
      {232,
       {"if", "(", "a", ")", "x := 1;\r\n", "else", "x := 2;\r\n"},
       "if a then \r\nx := 1\r\nelse \r\nx := 2;\r\n"},
      {232,
       {"if", "(", "x", ")", "Begin \r\nf;\r\nend;\r\n", "else", "g;\r\n"},
       "if x then \r\nBegin \r\nf;\r\nend\r\nelse \r\ng;\r\n"},
      {232, {"if", "(", "x", ")", "a", "else", ";\r\n"}, "if x then \r\n\r\nelse \r\n;\r\n"},
  });
}

TEST(InspectingActions, FunctionHeadings) {
  const std::string body = "Begin end;\r\n";
  expectCases({
      {246, {"{STATIC} {VOID}", "f()", body}, "Procedure f(){{STATIC} {VOID}};\r\n" + body},
      {246, {"{STATIC} Integer", "g()", body}, "function g():{STATIC} Integer;\r\n" + body},
      {247, {"{VOID}", "p()^", body}, "Procedure p()^{{VOID}};\r\n" + body},
      {247, {"{VOID}^", "q()", body}, "Procedure q(){{VOID}^};\r\n" + body},
      {248, {"{STATIC}", "f()", body}, "function f():{STATIC};\r\n" + body},
      {245, {"main()", body}, "Procedure main();\r\n" + body},
      {250, {"f(a,b)", body}, "Procedure f(a,b);\r\n" + body},
      {252, {"Integer", "f(a)", body}, "function f(a):Integer;\r\n" + body},
      {257,
       {"Integer", "max(a,b)", "a:Integer;\r\nb:Integer;\r\n", body},
       "function max(a:Integer;b:Integer ):Integer;\r\n" + body},
      {257, {"{VOID}", "f(a)", "a^:Char;\r\n", body}, "procedure f(a^:Char ){VOID};\r\n" + body},
      {258, {"{STATIC}", "f(a)", "a:Integer;\r\n", body}, "function f(a:Integer ):{STATIC};\r\n" + body},
      {257, {"Integer", "f(a)^", "a:Integer;\r\n", body}, "function f(a:Integer ):Integer;\r\n" + body},
      // Pairs that close up after a deletion go too; lone CR or LF stay.
      {257, {"Integer", "f(a)", "a:\r\r\n\nX\rY\n;", body}, "function f(a:X\rY\n ):Integer;\r\n" + body},
      {257, {"Integer", "f", "a;", body}, "function a ):Integer;\r\n" + body},  // no "(": no name
      {255, {"f(a)", "a:Integer;\r\n", body}, "Procedure f(a:Integer );\r\n" + body},
      {255, {"(f)(a,b)", "b,a:Integer;\r\n", body}, "Procedure (b,a:Integer );\r\n" + body},
  });
}

// Productions built on TYPEDEF_NAME, which the lexer never delivers.
TEST(UnreachableActions, TypedefNameProductions) {
  expectCases({
      {26, {"T"}, "T{ATTENTION!!! Type definition here}"},
      {103, {"{STATIC} T"}, "{STATIC} T"},
      {106, {"T {CONST}"}, "T {CONST}"},
      {130, {"T", "{STATIC}"}, "T {STATIC}"},
      {131, {"{STATIC}", "T"}, "{STATIC} T"},
      {132, {"{STATIC} T", "{CONST}"}, "{STATIC} T {CONST}"},
      {133, {"T"}, "T"},
      {134, {"{CONST}", "T"}, "{CONST} T"},
      {135, {"T", "{CONST}"}, "T {CONST}"},
      {187, {"{REGISTER} Integer", "T"}, "{REGISTER} Integer T"},
      {194, {"Integer", "T^"}, "T^:Integer"},
      {201, {"T"}, "T"},
      {261, {"T^"}, "T^"},
      {262, {"(T)^"}, "(T)^"},
      {263, {"T"}, "T"},
      {264, {"T"}, "T"},
      {265, {"T", "(Integer)"}, "T (Integer)"},
      {266, {"T^"}, "T^"},
      {267, {"(T)"}, "(T)"},
      {268, {"*", "T"}, "T^"},
      {269, {"*", "{CONST}", "T"}, "{CONST}T^"},
      {270, {"(", "T^", ")"}, "(T^)"},
      {271, {"(", "T^", ")", "()"}, "(T^,())"},
      {272, {"(T)"}, "(T)"},
      {273, {"*", "(", "T", ")"}, "(T)^"},
      {274, {"*", "{CONST}", "(", "T", ")"}, "{CONST}(T)^"},
      {275, {"*", "(T)^"}, "(T)^^"},
      {276, {"*", "{CONST}", "(T)^"}, "{CONST} (T)^^"},
      {277, {"(", "(T)^", ")"}, "((T)^)"},
      {278, {"(", "T", ": array [0..3-1] of ", ")"}, "(T: array [0..3-1] of )"},
      {279, {"(", "(T)^", ")", "()"}, "((T)^)()"},
      {280, {"T"}, "T"},
      {281, {"(", "T", ")"}, "(T)"},
  });
}

TEST(UserTypeName, EntryNumberSelectsThePascalName) {
  UserTypeTable table;
  FillUserTypeTable(table, {{"DWORD", "Cardinal"}, {"a", "b"}, {"HANDLE", "THandle"}});
  FillUserTypeTable(table, {{"DWORD", "Cardinal"}});  // entries 2 and 3 keep the earlier fill
  TranslationContext context;
  context.userTypes = &table;
  EXPECT_EQ(testing::reduceWith(141, {"UserDefined1"}, context), "Cardinal");
  EXPECT_EQ(testing::reduceWith(141, {"UserDefined3"}, context), "THandle");
  EXPECT_EQ(testing::reduceWith(141, {"UserDefined003"}, context), "THandle");
  EXPECT_EQ(testing::reduceWith(141, {"UserDefined256"}, context), "");
}

TEST(UserTypeName, NumberNamingNoEntryStopsWithItsLine) {
  UserTypeTable table;
  TranslationContext context;
  context.userTypes = &table;
  for (const char* word : {"UserDefined", "UserDefined0", "UserDefined257", "UserDefined7000",
                           "UserDefined99999999999999999999"}) {
    try {
      testing::reduceWith(141, {word}, context, nullptr, 3);
      ADD_FAILURE() << word << " raised nothing";
    } catch (const TranslationError& e) {
      EXPECT_EQ(e.line(), 3);
      EXPECT_EQ(std::string(e.what()), "line 3: " + std::string(word) + " names no user type (1 to 256)");
    }
  }
}

}  // namespace
}  // namespace morvane
