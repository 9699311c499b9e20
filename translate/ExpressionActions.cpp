// Actions of productions 17 to 90: postfix, unary, cast, binary, conditional,
// assignment and comma expressions. Only comparisons add parentheses of their own.
#include "translate/ReduceActions.h"

namespace morvane {

namespace {

// a[i][j] -> a[i,j]: a further subscript finds the "]" that ends the text so far.
// Only the last character is looked at.
std::string mergeSubscript(Rhs& r) {
  std::string text = r.t(0);
  if (!text.empty() && text.back() == ']') {
    text.back() = ',';
  } else {
    text += '[';
  }
  text += r.t(2);
  text += ']';
  return text;
}

// *p -> p^: the dereference follows its operand; the other operators precede it.
std::string unaryOperator(Rhs& r) {
  std::string op = r.t(0);
  std::string operand = r.t(1);
  if (op == "^") return operand + op;
  return op + operand;
}

// (char)c -> Char(c); a cast to plain void keeps the marker before the operand.
std::string cast(Rhs& r) {
  std::string type = r.t(1);
  if (type == "{VOID}") return type + r.t(3);
  return type + "(" + r.t(3) + ")";
}

// x = y -> x := y; x += 2 -> x := x + 2 (the target repeated, no parentheses).
std::string assignment(Rhs& r) {
  std::string target = r.t(0);
  std::string op = r.t(1);
  std::string value = r.t(2);
  if (op == "=") return target + " := " + value;
  std::string text = target;
  text += " := ";
  text += target;
  text += op;
  text += value;
  return text;
}

std::string conditional(Rhs& r) {
  return "{ATTENTION!!! Logical Expression} if " + r.t(0) + " then {argument} := " + r.t(2) +
         " else {argument} := " + r.t(4);
}

std::string comma(Rhs& r) {
  std::string text = "{ATTENTION!!! Comma expression}";
  text += r.t(0);
  text += ";";
  text += kCrlf;
  text += r.t(2);
  return text;
}

constexpr ActionRow kRows[] = {
    {17, "postfix_expression: primary_expression", build::pass},
    {18, "postfix_expression: postfix_expression '[' expression ']'", mergeSubscript},
    // a call without arguments loses its parentheses
    {19, "postfix_expression: postfix_expression '(' ')'", build::pass},
    {20, "postfix_expression: postfix_expression '(' argument_expression_list ')'",
     [](Rhs& r) { return r.t(0) + "(" + r.t(2) + ")"; }},
    {21, "postfix_expression: postfix_expression '.' member_name", build::binary, "."},
    {22, "postfix_expression: postfix_expression '->' member_name", build::binary, "^."},
    {23, "postfix_expression: postfix_expression '++'", [](Rhs& r) { return "Inc(" + r.t(0) + ")"; }},
    {24, "postfix_expression: postfix_expression '--'", [](Rhs& r) { return "Dec(" + r.t(0) + ")"; }},
    {25, "member_name: IDENTIFIER", build::token},
    {26, "member_name: TYPEDEF_NAME",
     [](Rhs& r) { return std::string(r.tok(0)) + "{ATTENTION!!! Type definition here}"; }},
    {27, "argument_expression_list: assignment_expression", build::pass},
    {28, "argument_expression_list: argument_expression_list ',' assignment_expression", build::binary, ","},
    {29, "unary_expression: postfix_expression", build::pass},
    {30, "unary_expression: '++' unary_expression",
     [](Rhs& r) { return "Inc(" + r.t(1) + ") {ATTENTION!!! Prefix expression}"; }},
    {31, "unary_expression: '--' unary_expression",
     [](Rhs& r) { return "Dec(" + r.t(1) + ") {ATTENTION!!! Prefix expression}"; }},
    {32, "unary_expression: unary_operator cast_expression", unaryOperator},
    {33, "unary_expression: 'sizeof' unary_expression", [](Rhs& r) { return "sizeof(" + r.t(1) + ")"; }},
    {34, "unary_expression: 'sizeof' '(' type_name ')'", [](Rhs& r) { return "sizeof(" + r.t(2) + ")"; }},
    {35, "unary_operator: '&'", build::literal, "@"},
    {36, "unary_operator: '*'", build::literal, "^"},
    {37, "unary_operator: '+'", build::literal, "+"},
    {38, "unary_operator: '-'", build::literal, "-"},
    {39, "unary_operator: '~'", build::literal, "not "},
    {40, "unary_operator: '!'", build::literal, "not "},
    {41, "cast_expression: unary_expression", build::pass},
    {42, "cast_expression: '(' type_name ')' cast_expression", cast},
    {43, "multiplicative_expression: cast_expression", build::pass},
    {44, "multiplicative_expression: multiplicative_expression '*' cast_expression", build::binary, " * "},
    {45, "multiplicative_expression: multiplicative_expression '/' cast_expression", build::binary, " / "},
    {46, "multiplicative_expression: multiplicative_expression '%' cast_expression", build::binary, " mod "},
    {47, "additive_expression: multiplicative_expression", build::pass},
    {48, "additive_expression: additive_expression '+' multiplicative_expression", build::binary, " + "},
    {49, "additive_expression: additive_expression '-' multiplicative_expression", build::binary, " - "},
    {50, "shift_expression: additive_expression", build::pass},
    {51, "shift_expression: shift_expression '<<' additive_expression", build::binary, " shl "},
    {52, "shift_expression: shift_expression '>>' additive_expression", build::binary, " shr "},
    {53, "relational_expression: shift_expression", build::pass},
    {54, "relational_expression: relational_expression '<' shift_expression", build::binaryParen, " < "},
    {55, "relational_expression: relational_expression '>' shift_expression", build::binaryParen, " > "},
    {56, "relational_expression: relational_expression '<=' shift_expression", build::binaryParen, " <= "},
    {57, "relational_expression: relational_expression '>=' shift_expression", build::binaryParen, " >= "},
    {58, "equality_expression: relational_expression", build::pass},
    {59, "equality_expression: equality_expression '==' relational_expression", build::binaryParen, " = "},
    {60, "equality_expression: equality_expression '!=' relational_expression", build::binaryParen, " <> "},
    {61, "and_expression: equality_expression", build::pass},
    {62, "and_expression: and_expression '&' equality_expression", build::binary, " and "},
    {63, "exclusive_or_expression: and_expression", build::pass},
    {64, "exclusive_or_expression: exclusive_or_expression '^' and_expression", build::binary, " xor "},
    {65, "inclusive_or_expression: exclusive_or_expression", build::pass},
    {66, "inclusive_or_expression: inclusive_or_expression '|' exclusive_or_expression", build::binary,
     " or "},
    {67, "logical_and_expression: inclusive_or_expression", build::pass},
    {68, "logical_and_expression: logical_and_expression '&&' inclusive_or_expression", build::binary,
     " and "},
    {69, "logical_or_expression: logical_and_expression", build::pass},
    {70, "logical_or_expression: logical_or_expression '||' logical_and_expression", build::binary, " or "},
    {71, "conditional_expression: logical_or_expression", build::pass},
    {72, "conditional_expression: logical_or_expression '?' expression ':' conditional_expression",
     conditional},
    {73, "assignment_expression: conditional_expression", build::pass},
    {74, "assignment_expression: unary_expression assignment_operator assignment_expression", assignment},
    {75, "assignment_operator: '='", build::literal, "="},
    {76, "assignment_operator: '*='", build::literal, " * "},
    {77, "assignment_operator: '/='", build::literal, " / "},
    {78, "assignment_operator: '%='", build::literal, " mod "},
    {79, "assignment_operator: '+='", build::literal, " + "},
    {80, "assignment_operator: '-='", build::literal, " - "},
    {81, "assignment_operator: '<<='", build::literal, " shl "},
    {82, "assignment_operator: '>>='", build::literal, " shr "},
    {83, "assignment_operator: '&='", build::literal, " and "},
    {84, "assignment_operator: '^='", build::literal, " xor "},
    {85, "assignment_operator: '|='", build::literal, " or "},
    {86, "expression: assignment_expression", build::pass},
    {87, "expression: expression ',' assignment_expression", comma},
    {88, "constant_expression: conditional_expression", build::pass},
    {89, "expression_opt: (empty)", build::literal, ""},
    {90, "expression_opt: expression", build::pass},
};

}  // namespace

std::span<const ActionRow> expressionActions() { return kRows; }

}  // namespace morvane
