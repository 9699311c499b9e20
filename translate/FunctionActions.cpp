// Actions of productions 241 to 259: the translation unit, external declarations
// and function definitions, prototype style and old (K&R) style. A definition is one
// heading line ending with ";" CRLF, then the body's lines.
#include "translate/ReduceActions.h"

namespace morvane {

namespace {

constexpr std::string_view kVoidMarker = "{VOID}";

bool holdsVoid(std::string_view type) { return type.find(kVoidMarker) != std::string_view::npos; }

// A void return type travels into a brace comment behind the declarator.
std::string heading(const std::string& type, const std::string& declarator, const std::string& body) {
  std::string text;
  if (holdsVoid(type)) {
    text = "Procedure " + declarator + "{" + type + "};";
  } else {
    text = "function " + declarator + ":" + type + ";";
  }
  text += kCrlf;
  text += body;
  return text;
}

// Every CR LF pair removed, as repeated deletion of the first one would leave it (a
// pair that closes up after a deletion goes too), in one pass.
std::string withoutLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == '\n' && !result.empty() && result.back() == '\r') {
      result.pop_back();
    } else {
      result += c;
    }
  }
  return result;
}

// The parts of an old-style heading: the name up to and including its "(" (the
// identifier list is dropped), and the parameter declarations on one line with a
// final ";" turned into a blank.
struct KrHeadingParts {
  std::string name;
  std::string parameters;
};

KrHeadingParts krHeadingParts(std::string_view declarator, std::string_view declarations) {
  KrHeadingParts parts;
  const auto open = declarator.find('(');
  if (open != std::string_view::npos) parts.name = declarator.substr(0, open + 1);
  parts.parameters = withoutLineBreaks(declarations);
  if (!parts.parameters.empty() && parts.parameters.back() == ';') parts.parameters.back() = ' ';
  return parts;
}

// int max(a, b) int a; int b; {...} -> function max(a:Integer;b:Integer ):Integer;
std::string krHeading(const std::string& type, const std::string& declarator, const std::string& declarations,
                      const std::string& body) {
  const KrHeadingParts parts = krHeadingParts(declarator, declarations);
  std::string text = holdsVoid(type) ? "procedure " : "function ";
  text += parts.name;
  text += parts.parameters;
  text += holdsVoid(type) ? ")" : "):";
  text += type;
  text += ";";
  text += kCrlf;
  text += body;
  return text;
}

// 246, 247, 251 to 254: type, declarator, body.
std::string typedDefinition(Rhs& r) {
  const std::string type = r.t(0);
  const std::string declarator = r.t(1);
  return heading(type, declarator, r.t(2));
}

// 245, 250: no return type, a procedure.
std::string untypedDefinition(Rhs& r) {
  std::string text = "Procedure " + r.t(0) + ";";
  text += kCrlf;
  text += r.t(1);
  return text;
}

// 248, 249: storage and qualifier words never hold "{VOID}": always a function.
std::string storageDefinition(Rhs& r) {
  const std::string type = r.t(0);
  std::string text = "function " + r.t(1) + ":" + type + ";";
  text += kCrlf;
  text += r.t(2);
  return text;
}

// 256 to 259: type, old-style declarator, parameter declarations, body.
std::string krDefinition(Rhs& r) {
  const std::string type = r.t(0);
  const std::string declarator = r.t(1);
  const std::string declarations = r.t(2);
  return krHeading(type, declarator, declarations, r.t(3));
}

// 255: an old-style definition with neither return type nor storage class. Like the
// other definitions without a type (245, 250) it is a procedure; its parameters are
// taken as in the K&R heading: f(a) int a; { } -> Procedure f(a:Integer );
std::string untypedKrDefinition(Rhs& r) {
  const std::string declarator = r.t(0);
  const KrHeadingParts parts = krHeadingParts(declarator, r.t(1));
  std::string text = "Procedure " + parts.name + parts.parameters + ");";
  text += kCrlf;
  text += r.t(2);
  return text;
}

constexpr ActionRow kRows[] = {
    {241, "translation_unit: external_declaration", build::pass},
    {242, "translation_unit: translation_unit external_declaration", build::append},
    {243, "external_declaration: function_definition", build::pass},
    {244, "external_declaration: declaration", build::pass},
    {245, "function_definition: var_declarator compound_statement", untypedDefinition},
    {246, "function_definition: declaration_specifier var_declarator compound_statement", typedDefinition},
    {247, "function_definition: type_specifier var_declarator compound_statement", typedDefinition},
    {248, "function_definition: storage_qualifier_list var_declarator compound_statement", storageDefinition},
    {249, "function_definition: qualifier_list var_declarator compound_statement", storageDefinition},
    // the declarator keeps its identifier list
    {250, "function_definition: kr_function_declarator compound_statement", untypedDefinition},
    {251, "function_definition: declaration_specifier kr_function_declarator compound_statement",
     typedDefinition},
    {252, "function_definition: type_specifier kr_function_declarator compound_statement", typedDefinition},
    {253, "function_definition: storage_qualifier_list kr_function_declarator compound_statement",
     typedDefinition},
    {254, "function_definition: qualifier_list kr_function_declarator compound_statement", typedDefinition},
    {255, "function_definition: kr_function_declarator declaration_list compound_statement",
     untypedKrDefinition},
    {256,
     "function_definition: declaration_specifier kr_function_declarator declaration_list compound_statement",
     krDefinition},
    {257, "function_definition: type_specifier kr_function_declarator declaration_list compound_statement",
     krDefinition},
    {258,
     "function_definition: storage_qualifier_list kr_function_declarator declaration_list compound_statement",
     krDefinition},
    {259, "function_definition: qualifier_list kr_function_declarator declaration_list compound_statement",
     krDefinition},
};

}  // namespace

std::span<const ActionRow> functionActions() { return kRows; }

}  // namespace morvane
