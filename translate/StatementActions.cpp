// Actions of productions 213 to 240: labels and case labels, compound statements,
// declaration and statement lists, expression, selection, iteration and jump
// statements. Every statement text ends with ";" CRLF.
#include "translate/ReduceActions.h"

namespace morvane {

namespace {

constexpr std::string_view kCaseMarker = "{case}";
constexpr std::string_view kEndLine = "end;\r\n";
// The start of a compound statement whose first statement is a case label.
constexpr std::string_view kBeginCase = "Begin \r\nend;";

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// 220: each label closes the "begin" before it; consecutive labels share one
// selector line: case 1: case 2: x = 1; -> end; 1,2:begin {case} x := 1;
std::string caseLabel(Rhs& r) {
  std::string value = r.t(1);
  std::string statement = r.t(3);
  std::string text(kEndLine);
  text += value;
  if (statement.find(kCaseMarker) == std::string::npos) {
    text += ":begin {case}";
    text += kCrlf;
  } else {
    text += ',';
    if (startsWith(statement, kEndLine)) statement.erase(0, kEndLine.size());
  }
  text += statement;
  return text;
}

std::string defaultLabel(Rhs& r) {
  std::string text = "end;\r\nelse Begin\r\n";
  text += r.t(2);
  text += "\r\nend;\r\n";
  return text;
}

std::string compoundWithDeclarations(Rhs& r) {
  std::string text = "Var \r\n";
  text += r.t(1);
  text += "Begin end;\r\n";
  return text;
}

std::string compoundWithStatements(Rhs& r) {
  std::string text = "Begin \r\n";
  text += r.t(1);
  text += kEndLine;
  return text;
}

std::string compoundWithBoth(Rhs& r) {
  std::string text = "Var \r\n";
  text += r.t(1);
  text += "\r\nBegin\r\n";
  text += r.t(2);
  text += kEndLine;
  return text;
}

std::string ifThen(Rhs& r) {
  std::string text = "if ";
  text += r.t(2);
  text += " then \r\n";
  text += r.t(4);
  return text;
}

// 232: the then-statement loses its final ";" CRLF: no semicolon before else.
std::string ifThenElse(Rhs& r) {
  std::string text = "if ";
  text += r.t(2);
  text += " then \r\n";
  std::string thenPart = r.t(4);
  thenPart.resize(thenPart.size() >= 3 ? thenPart.size() - 3 : 0);
  text += thenPart;
  text += "\r\nelse \r\n";
  text += r.t(6);
  return text;
}

// 233: a body that starts as a compound statement whose first statement is a case
// label loses that "Begin " CRLF "end;": the first label has no begin to close.
// Only a body that begins with those 12 characters is cut; one that holds them
// deeper inside (a block opened by a case label) is kept whole.
std::string switchStatement(Rhs& r) {
  std::string text = "case ";
  text += r.t(2);
  text += " of \r\n";
  const std::string statement = r.t(4);
  std::string_view body = statement;
  if (startsWith(body, kBeginCase)) body.remove_prefix(kBeginCase.size());
  text += body;
  return text;
}

std::string whileLoop(Rhs& r) {
  std::string text = "While ";
  text += r.t(2);
  text += " do \r\n";
  text += r.t(4);
  return text;
}

std::string doLoop(Rhs& r) {
  std::string text = "Repeat ";
  text += r.t(1);
  text += "Until not (";
  text += r.t(4);
  text += ");\r\n";
  return text;
}

// 236: a block of the initialisation, then a while loop whose body is the C body
// followed by the step.
std::string forLoop(Rhs& r) {
  std::string text = "begin \r\n";
  text += r.t(2);
  text += ";\r\nwhile ";
  text += r.t(4);
  text += " do begin\r\n";
  text += r.t(8);
  text += r.t(6);
  text += ";\r\nend;\r\nend;\r\n";
  return text;
}

std::string returnStatement(Rhs& r) {
  std::string text = "Begin\r\nResult := ";
  text += r.t(1);
  text += ";\r\nExit;\r\nend;\r\n";
  return text;
}

constexpr ActionRow kRows[] = {
    {213, "statement: labeled_statement", build::pass},
    {214, "statement: compound_statement", build::pass},
    {215, "statement: expression_statement", build::pass},
    {216, "statement: selection_statement", build::pass},
    {217, "statement: iteration_statement", build::pass},
    {218, "statement: jump_statement", build::pass},
    {219, "labeled_statement: tag_name ':' statement", [](Rhs& r) { return r.t(0) + ":\r\n" + r.t(2); }},
    {220, "labeled_statement: 'case' constant_expression ':' statement", caseLabel},
    {221, "labeled_statement: 'default' ':' statement", defaultLabel},
    {222, "compound_statement: '{' '}'", build::literal, "Begin end;\r\n"},
    {223, "compound_statement: '{' declaration_list '}'", compoundWithDeclarations},
    {224, "compound_statement: '{' statement_list '}'", compoundWithStatements},
    {225, "compound_statement: '{' declaration_list statement_list '}'", compoundWithBoth},
    {226, "declaration_list: declaration", build::pass},
    {227, "declaration_list: declaration_list declaration", build::append},
    {228, "statement_list: statement", build::pass},
    {229, "statement_list: statement_list statement", build::append},
    {230, "expression_statement: expression_opt ';'", build::suffix, ";\r\n"},
    {231, "selection_statement: 'if' '(' expression ')' statement", ifThen},
    {232, "selection_statement: 'if' '(' expression ')' statement 'else' statement", ifThenElse},
    {233, "selection_statement: 'switch' '(' expression ')' statement", switchStatement},
    {234, "iteration_statement: 'while' '(' expression ')' statement", whileLoop},
    {235, "iteration_statement: 'do' statement 'while' '(' expression ')' ';'", doLoop},
    {236, "iteration_statement: 'for' '(' expression_opt ';' expression_opt ';' expression_opt ')' statement",
     forLoop},
    {237, "jump_statement: 'goto' tag_name ';'", [](Rhs& r) { return "GoTo " + r.t(1) + ";\r\n"; }},
    {238, "jump_statement: 'continue' ';'", build::literal, "Continue;\r\n"},
    {239, "jump_statement: 'break' ';'", build::literal, "Break;\r\n"},
    {240, "jump_statement: 'return' expression_opt ';'", returnStatement},
};

}  // namespace

std::span<const ActionRow> statementActions() { return kRows; }

}  // namespace morvane
