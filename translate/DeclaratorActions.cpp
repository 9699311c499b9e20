// Actions of productions 180 to 197 and 260 to 314: parameter lists and parameter
// declarations, and every declarator form (plain, pointer, function, array,
// old-style function, typedef-name and abstract declarators), built inside out.
#include "translate/ReduceActions.h"

namespace morvane {

namespace {

// 306: m[3][4] -> m: array [0..3-1, 0..4-1] of. The bounds so far are what stands
// between the first "[" and the next "]"; a suffix without size has none.
std::string mergeArrayDimension(Rhs& r) {
  const std::string earlier = r.t(0);
  std::string_view bounds = earlier;
  if (const auto open = bounds.find('['); open != std::string_view::npos) bounds.remove_prefix(open + 1);
  const auto close = bounds.find(']');
  bounds = close == std::string_view::npos ? std::string_view() : bounds.substr(0, close);
  std::string text = ": array [";
  text += bounds;
  text += ", 0..";
  text += r.t(2);
  text += "-1] of ";
  return text;
}

// 286, 276: * const p -> {CONST} p^ (the qualifier words first).
std::string qualifiedPointer(Rhs& r) {
  std::string text = r.t(1);
  text += ' ';
  text += r.t(2);
  text += '^';
  return text;
}

// 269, 310: the qualifier words and the inner text joined without a blank.
std::string qualifiedInnerPointer(Rhs& r) {
  std::string text = r.t(1);
  text += r.t(2);
  text += '^';
  return text;
}

constexpr ActionRow kRows[] = {
    {180, "parameter_type_list: parameter_list", build::pass},
    {181, "parameter_type_list: parameter_list ',' '...'", build::suffix, "; array of Variant"},
    {182, "parameter_list: parameter_declaration", build::pass},
    {183, "parameter_list: parameter_list ',' parameter_declaration", build::binary, ";"},
    {184, "parameter_declaration: declaration_specifier", build::pass},
    // the abstract declarator is dropped
    {185, "parameter_declaration: declaration_specifier abstract_declarator", build::pass},
    {186, "parameter_declaration: declaration_specifier var_declarator", build::joinNext, " "},
    {187, "parameter_declaration: declaration_specifier param_typename_declarator", build::joinNext, " "},
    {188, "parameter_declaration: storage_qualifier_list", build::pass},
    {189, "parameter_declaration: storage_qualifier_list abstract_declarator", build::joinNext, " "},
    {190, "parameter_declaration: storage_qualifier_list var_declarator", build::joinNext, " "},
    {191, "parameter_declaration: type_specifier", build::pass},
    {192, "parameter_declaration: type_specifier abstract_declarator", build::typeAfter, ":"},
    {193, "parameter_declaration: type_specifier var_declarator", build::typeAfter, ":"},
    {194, "parameter_declaration: type_specifier param_typename_declarator", build::typeAfter, ":"},
    {195, "parameter_declaration: qualifier_list", build::pass},
    {196, "parameter_declaration: qualifier_list abstract_declarator", build::typeAfter, ":"},
    {197, "parameter_declaration: qualifier_list var_declarator", build::typeAfter, ":"},
    {260, "declarator: var_declarator", build::pass},
    {261, "declarator: typename_declarator", build::pass},
    {262, "typename_declarator: paren_typename_declarator", build::pass},
    {263, "typename_declarator: param_typename_declarator", build::pass},
    {264, "param_typename_declarator: TYPEDEF_NAME", build::token},
    {265, "param_typename_declarator: TYPEDEF_NAME declarator_suffix",
     [](Rhs& r) { return std::string(r.tok(0)) + " " + r.t(1); }},
    {266, "param_typename_declarator: plain_typename_declarator", build::pass},
    {267, "plain_typename_declarator: plain_postfix_typename_declarator", build::pass},
    {268, "plain_typename_declarator: '*' param_typename_declarator", build::pointer},
    {269, "plain_typename_declarator: '*' qualifier_list param_typename_declarator", qualifiedInnerPointer},
    {270, "plain_postfix_typename_declarator: '(' plain_typename_declarator ')'", build::parenthesised},
    {271, "plain_postfix_typename_declarator: '(' plain_typename_declarator ')' declarator_suffix",
     [](Rhs& r) { return "(" + r.t(1) + "," + r.t(3) + ")"; }},
    {272, "paren_typename_declarator: paren_postfix_typename_declarator", build::pass},
    {273, "paren_typename_declarator: '*' '(' simple_paren_typename_declarator ')'",
     [](Rhs& r) { return "(" + r.t(2) + ")^"; }},
    {274, "paren_typename_declarator: '*' qualifier_list '(' simple_paren_typename_declarator ')'",
     [](Rhs& r) { return r.t(1) + "(" + r.t(3) + ")^"; }},
    {275, "paren_typename_declarator: '*' paren_typename_declarator", build::pointer},
    {276, "paren_typename_declarator: '*' qualifier_list paren_typename_declarator", qualifiedPointer},
    {277, "paren_postfix_typename_declarator: '(' paren_typename_declarator ')'", build::parenthesised},
    {278, "paren_postfix_typename_declarator: '(' simple_paren_typename_declarator declarator_suffix ')'",
     [](Rhs& r) { return "(" + r.t(1) + r.t(2) + ")"; }},
    {279, "paren_postfix_typename_declarator: '(' paren_typename_declarator ')' declarator_suffix",
     build::parenSuffix},
    {280, "simple_paren_typename_declarator: TYPEDEF_NAME", build::token},
    {281, "simple_paren_typename_declarator: '(' simple_paren_typename_declarator ')'", build::parenthesised},
    {282, "var_declarator: unary_var_declarator", build::pass},
    {283, "var_declarator: paren_var_declarator", build::pass},
    {284, "unary_var_declarator: postfix_var_declarator", build::pass},
    {285, "unary_var_declarator: '*' var_declarator", build::pointer},
    {286, "unary_var_declarator: '*' qualifier_list var_declarator", qualifiedPointer},
    {287, "postfix_var_declarator: paren_var_declarator declarator_suffix", build::append},
    {288, "postfix_var_declarator: '(' unary_var_declarator ')'", build::parenthesised},
    {289, "postfix_var_declarator: '(' unary_var_declarator ')' declarator_suffix", build::parenSuffix},
    {290, "paren_var_declarator: IDENTIFIER", build::token},
    {291, "paren_var_declarator: '(' paren_var_declarator ')'", build::parenthesised},
    {292, "kr_function_declarator: postfix_kr_function_declarator", build::pass},
    {293, "kr_function_declarator: '*' kr_function_declarator", build::pointer},
    // The declarator first, the qualifier words after it, no blank.
    {294, "kr_function_declarator: '*' qualifier_list kr_function_declarator",
     [](Rhs& r) { return r.t(2) + r.t(1) + "^"; }},
    {295, "postfix_kr_function_declarator: paren_var_declarator '(' identifier_list ')'",
     [](Rhs& r) { return r.t(0) + "(" + r.t(2) + ")"; }},
    {296, "postfix_kr_function_declarator: '(' kr_function_declarator ')'", build::parenthesised},
    {297, "postfix_kr_function_declarator: '(' kr_function_declarator ')' declarator_suffix",
     build::parenSuffix},
    {298, "abstract_declarator: unary_abstract_declarator", build::pass},
    {299, "abstract_declarator: postfix_abstract_declarator", build::pass},
    {300, "abstract_declarator: declarator_suffix", build::pass},
    {301, "declarator_suffix: array_suffix", build::pass},
    {302, "declarator_suffix: '(' ')'", build::literal, "()"},
    {303, "declarator_suffix: '(' parameter_type_list ')'", build::parenthesised},
    {304, "array_suffix: '[' ']'", build::literal, ": array of"},  // no blank after "of"
    {305, "array_suffix: '[' constant_expression ']'",
     [](Rhs& r) { return ": array [0.." + r.t(1) + "-1] of "; }},
    {306, "array_suffix: array_suffix '[' constant_expression ']'", mergeArrayDimension},
    {307, "unary_abstract_declarator: '*'", build::literal, "^"},
    {308, "unary_abstract_declarator: '*' qualifier_list", build::pointer},
    {309, "unary_abstract_declarator: '*' abstract_declarator", build::pointer},
    {310, "unary_abstract_declarator: '*' qualifier_list abstract_declarator", qualifiedInnerPointer},
    {311, "postfix_abstract_declarator: '(' unary_abstract_declarator ')'", build::parenthesised},
    {312, "postfix_abstract_declarator: '(' postfix_abstract_declarator ')'", build::parenthesised},
    {313, "postfix_abstract_declarator: '(' declarator_suffix ')'", build::parenthesised},
    {314, "postfix_abstract_declarator: '(' unary_abstract_declarator ')' declarator_suffix",
     build::parenSuffix},
};

}  // namespace

std::span<const ActionRow> declaratorActions() { return kRows; }

}  // namespace morvane
