// Actions of productions 91 to 179 and 198 to 212: declarations, specifiers, storage
// classes and qualifiers, type names (user types included), struct, union and enum
// types, bit fields, identifier lists, tag names, type names and initializers.
#include <charconv>

#include "translate/ReduceActions.h"

namespace morvane {

namespace {

constexpr std::string_view kUserTypePrefix = "UserDefined";

// An initializer of a declaration becomes an assignment the user must move into
// the body: the note, then declarator + ":=" + initializer.
void appendInitializerTail(std::string& text, const std::string& declarator, const std::string& initializer) {
  if (initializer.empty()) return;
  text += "{ATTENTION!!! must be moved to body text}";
  text += kCrlf;
  text += declarator;
  text += ":=";
  text += initializer;
  text += ";";
  text += kCrlf;
}

// declarator + ":" + type + ";" CRLF, then the initializer tail (the only further
// use of the declarator, so without an initializer it is moved, not copied).
std::string declaredAs(std::string declarator, std::string_view colon, const std::string& type,
                       const std::string& initializer) {
  std::string text = initializer.empty() ? std::move(declarator) : declarator;
  text += colon;
  text += type;
  text += ";";
  text += kCrlf;
  appendInitializerTail(text, declarator, initializer);
  return text;
}

// 95, 96: static x -> x:{STATIC};
std::string untypedDeclarator(Rhs& r) {
  std::string type = r.t(0);
  return declaredAs(r.t(1), ":", type, r.t(2));
}

// 97: the newest declarator first, before the whole text so far.
std::string untypedDeclaratorNext(Rhs& r) {
  std::string earlier = r.t(0);
  return declaredAs(r.t(2), ",", earlier, r.t(3));
}

// 98: a specifier holding a record is written alone; the declarator's ":" is not
// looked at here.
std::string declarationSpecifierDeclarator(Rhs& r) {
  std::string type = r.t(0);
  std::string declarator = r.t(1);
  std::string initializer = r.t(2);
  if (type.find("Record =") != std::string::npos) {
    std::string text = std::move(type);
    text += ";";
    text += kCrlf;
    appendInitializerTail(text, declarator, initializer);
    return text;
  }
  return declaredAs(std::move(declarator), ":", type, initializer);
}

// 99: an array or named-parameter declarator already holds its ":".
std::string typeSpecifierDeclarator(Rhs& r) {
  std::string type = r.t(0);
  std::string declarator = r.t(1);
  const bool hasColon = declarator.find(':') != std::string::npos;
  return declaredAs(std::move(declarator), hasColon ? "" : ":", type, r.t(2));
}

// 100: the newest declarator first; no ";" of its own (the list's text ends with one).
std::string typedDeclaratorNext(Rhs& r) {
  std::string earlier = r.t(0);
  std::string declarator = r.t(2);
  std::string text = declarator;
  text += ",";
  text += earlier;
  appendInitializerTail(text, declarator, r.t(3));
  return text;
}

// 141: "UserDefined" + n names entry n of the user type table. A number outside 1 to
// 256 (or none at all) names no entry and stops the translation with the line.
std::string userTypeName(Rhs& r) {
  const std::string_view word = r.tok(0);
  const std::string_view digits =
      word.substr(word.size() < kUserTypePrefix.size() ? word.size() : kUserTypePrefix.size());
  std::int32_t n = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() || n < 1 ||
      n > UserTypeTable::kCapacity) {
    const std::int32_t line = r.tokLine(0);
    throw TranslationError(line, "line " + std::to_string(line) + ": " + std::string(word) +
                                     " names no user type (1 to " + std::to_string(UserTypeTable::kCapacity) +
                                     ")");
  }
  const UserTypeTable* table = r.context().userTypes;
  return table != nullptr ? table->pascalName(n) : std::string();
}

// 153: struct { ... } -> Record = CRLF members end CRLF.
std::string untaggedRecord(Rhs& r) {
  std::string text = r.t(0);
  text += " = ";
  text += kCrlf;
  text += r.t(2);
  text += "end";
  text += kCrlf;
  return text;
}

// 154: struct point { ... } -> point: Record = CRLF members end (no CRLF after end).
std::string taggedRecord(Rhs& r) {
  std::string keyword = r.t(0);
  std::string text = r.t(1);
  text += ": ";
  text += keyword;
  text += " = ";
  text += kCrlf;
  text += r.t(3);
  text += "end";
  return text;
}

// 177: the newest enumerator first.
std::string enumeratorNext(Rhs& r) {
  std::string earlier = r.t(0);
  std::string text = r.t(2);
  text += r.t(3);
  text += ",";
  text += earlier;
  return text;
}

constexpr ActionRow kRows[] = {
    {91, "declaration: tagged_declaration_specifier ';'", build::suffix, ";\r\n"},
    {92, "declaration: tagged_type_specifier ';'", build::suffix, ";\r\n"},
    {93, "declaration: typed_declarator_list ';'", build::pass},
    // a second ";" line after the list's own
    {94, "declaration: untyped_declarator_list ';'", build::suffix, ";\r\n"},
    {95, "untyped_declarator_list: storage_qualifier_list var_declarator initializer_opt", untypedDeclarator},
    {96, "untyped_declarator_list: qualifier_list var_declarator initializer_opt", untypedDeclarator},
    {97, "untyped_declarator_list: untyped_declarator_list ',' var_declarator initializer_opt",
     untypedDeclaratorNext},
    {98, "typed_declarator_list: declaration_specifier declarator initializer_opt",
     declarationSpecifierDeclarator},
    {99, "typed_declarator_list: type_specifier declarator initializer_opt", typeSpecifierDeclarator},
    {100, "typed_declarator_list: typed_declarator_list ',' declarator initializer_opt", typedDeclaratorNext},
    {101, "declaration_specifier: builtin_declaration_specifier", build::pass},
    {102, "declaration_specifier: tagged_declaration_specifier", build::pass},
    {103, "declaration_specifier: typename_declaration_specifier", build::pass},
    {104, "type_specifier: builtin_type_specifier", build::pass},
    {105, "type_specifier: tagged_type_specifier", build::pass},
    {106, "type_specifier: typename_type_specifier", build::pass},
    {107, "storage_qualifier_list: storage_class", build::pass},
    {108, "storage_qualifier_list: qualifier_list storage_class", build::joinNext, " "},
    {109, "storage_qualifier_list: storage_qualifier_list storage_or_qualifier", build::joinNext, " "},
    {110, "qualifier_list: type_qualifier", build::pass},
    {111, "qualifier_list: qualifier_list type_qualifier", build::joinNext, " "},
    {112, "storage_or_qualifier: storage_class", build::pass},
    {113, "storage_or_qualifier: type_qualifier", build::pass},
    {114, "type_qualifier: 'const'", build::literal, "{CONST}"},
    {115, "type_qualifier: 'volatile'", build::literal, "{CONST}"},  // the same word as const
    {116, "builtin_declaration_specifier: storage_qualifier_list builtin_type_name", build::joinNext, " "},
    {117, "builtin_declaration_specifier: builtin_type_specifier storage_class", build::joinNext, " "},
    {118, "builtin_declaration_specifier: builtin_declaration_specifier storage_or_qualifier",
     build::joinNext, " "},
    {119, "builtin_declaration_specifier: builtin_declaration_specifier builtin_type_name", build::joinNext,
     " "},
    {120, "builtin_type_specifier: builtin_type_name", build::pass},
    {121, "builtin_type_specifier: qualifier_list builtin_type_name", build::joinNext, " "},
    {122, "builtin_type_specifier: builtin_type_specifier type_qualifier", build::joinNext, " "},
    {123, "builtin_type_specifier: builtin_type_specifier builtin_type_name", build::joinNext, " "},
    {124, "tagged_declaration_specifier: storage_qualifier_list tagged_type_name", build::joinNext, " "},
    {125, "tagged_declaration_specifier: tagged_type_specifier storage_class", build::joinNext, " "},
    {126, "tagged_declaration_specifier: tagged_declaration_specifier storage_or_qualifier", build::joinNext,
     " "},
    {127, "tagged_type_specifier: tagged_type_name", build::pass},
    {128, "tagged_type_specifier: qualifier_list tagged_type_name", build::joinNext, " "},
    {129, "tagged_type_specifier: tagged_type_specifier type_qualifier", build::joinNext, " "},
    {130, "typename_declaration_specifier: typename_type_specifier storage_class", build::joinNext, " "},
    {131, "typename_declaration_specifier: storage_qualifier_list TYPEDEF_NAME",
     [](Rhs& r) { return r.t(0) + " " + std::string(r.tok(1)); }},
    {132, "typename_declaration_specifier: typename_declaration_specifier storage_or_qualifier",
     build::joinNext, " "},
    {133, "typename_type_specifier: TYPEDEF_NAME", build::token},
    {134, "typename_type_specifier: qualifier_list TYPEDEF_NAME",
     [](Rhs& r) { return r.t(0) + " " + std::string(r.tok(1)); }},
    {135, "typename_type_specifier: typename_type_specifier type_qualifier", build::joinNext, " "},
    {136, "storage_class: 'typedef'", build::literal, "{TYPEDEF}"},
    {137, "storage_class: 'extern'", build::literal, "{EXTERN}"},
    {138, "storage_class: 'static'", build::literal, "{STATIC}"},
    {139, "storage_class: 'auto'", build::literal, "{AUTO}"},
    {140, "storage_class: 'register'", build::literal, "{REGISTER}"},
    {141, "builtin_type_name: USER_TYPE_NAME", userTypeName},
    {142, "builtin_type_name: 'int'", build::literal, "Integer"},
    {143, "builtin_type_name: 'char'", build::literal, "Char"},
    {144, "builtin_type_name: 'short'", build::literal, "Byte"},
    {145, "builtin_type_name: 'long'", build::literal, "Longint"},
    {146, "builtin_type_name: 'float'", build::literal, "Real"},
    {147, "builtin_type_name: 'double'", build::literal, "Double"},
    {148, "builtin_type_name: 'signed'", build::literal, "{SIGNED}"},
    {149, "builtin_type_name: 'unsigned'", build::literal, "{UNSIGNED}"},
    {150, "builtin_type_name: 'void'", build::literal, "{VOID}"},
    {151, "tagged_type_name: struct_or_union_specifier", build::pass},
    {152, "tagged_type_name: enum_specifier", build::pass},
    {153, "struct_or_union_specifier: struct_or_union '{' member_declaration_list '}'", untaggedRecord},
    {154, "struct_or_union_specifier: struct_or_union tag_name '{' member_declaration_list '}'",
     taggedRecord},
    {155, "struct_or_union_specifier: struct_or_union tag_name", build::typeAfter, ":"},
    {156, "struct_or_union: 'struct'", build::literal, "Record"},
    {157, "struct_or_union: 'union'", build::literal, "{UNION} Record"},
    {158, "member_declaration_list: member_declaration", build::pass},
    {159, "member_declaration_list: member_declaration_list member_declaration", build::append},
    {160, "member_declaration: member_typed_declarator_list ';'", build::suffix, ";\r\n"},
    {161, "member_declaration: member_untyped_declarator_list ';'", build::pass},  // neither ";" nor CRLF
    {162, "member_untyped_declarator_list: qualifier_list member_var_declarator", build::typeAfter, ":"},
    {163, "member_untyped_declarator_list: member_untyped_declarator_list ',' member_var_declarator",
     build::newestFirst, ","},
    // no test for ":" in the declarator
    {164, "member_typed_declarator_list: type_specifier member_declarator", build::typeAfter, ":"},
    {165, "member_typed_declarator_list: member_typed_declarator_list ',' member_declarator",
     build::newestFirst, ","},
    {166, "member_declarator: declarator bit_width_opt", build::append},
    {167, "member_declarator: bit_width", build::pass},
    {168, "member_var_declarator: var_declarator bit_width_opt", build::append},
    {169, "member_var_declarator: bit_width", build::pass},
    {170, "bit_width_opt: (empty)", build::literal, ""},
    {171, "bit_width_opt: bit_width", build::pass},
    {172, "bit_width: ':' constant_expression", [](Rhs& r) { return "{ Bit Field " + r.t(1) + "}"; }},
    {173, "enum_specifier: 'enum' '{' enumerator_list '}'", [](Rhs& r) { return "= (" + r.t(2) + ")"; }},
    {174, "enum_specifier: 'enum' tag_name '{' enumerator_list '}'",
     [](Rhs& r) { return "set of " + r.t(1) + "= (" + r.t(3) + ")"; }},
    {175, "enum_specifier: 'enum' tag_name", [](Rhs& r) { return "set of " + r.t(1); }},
    {176, "enumerator_list: tag_name enum_value_opt", build::append},
    {177, "enumerator_list: enumerator_list ',' tag_name enum_value_opt", enumeratorNext},
    {178, "enum_value_opt: (empty)", build::literal, ""},
    {179, "enum_value_opt: '=' constant_expression", [](Rhs& r) { return " = " + r.t(1); }},
    {198, "identifier_list: IDENTIFIER", build::token},
    {199, "identifier_list: identifier_list ',' IDENTIFIER",
     [](Rhs& r) { return r.t(0) + "," + std::string(r.tok(2)); }},
    {200, "tag_name: IDENTIFIER", build::token},
    {201, "tag_name: TYPEDEF_NAME", build::token},
    {202, "type_name: type_specifier", build::pass},
    {203, "type_name: type_specifier abstract_declarator", build::append},
    {204, "type_name: qualifier_list", build::pass},
    {205, "type_name: qualifier_list abstract_declarator", build::append},
    {206, "initializer_opt: (empty)", build::literal, ""},
    {207, "initializer_opt: '=' initializer", [](Rhs& r) { return r.t(1); }},  // the "=" is not written
    {208, "initializer: '{' initializer_list '}'", build::parenthesised},
    {209, "initializer: '{' initializer_list ',' '}'", [](Rhs& r) { return "(" + r.t(1) + "),"; }},
    {210, "initializer: assignment_expression", build::pass},
    {211, "initializer_list: initializer", build::pass},
    {212, "initializer_list: initializer_list ',' initializer", build::binary, ";"},
};

}  // namespace

std::span<const ActionRow> declarationActions() { return kRows; }

}  // namespace morvane
