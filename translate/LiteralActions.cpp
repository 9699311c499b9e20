// Actions of productions 1 to 16: constants, string literals, identifiers and
// parentheses; and the octal and hexadecimal digit-string conversions.
#include <cstddef>

#include "translate/ReduceActions.h"

namespace morvane {

namespace {

constexpr std::string_view kIntegerSuffixes = "lLuU";
constexpr std::string_view kFloatSuffixes = "lLfF";
// Longest string body that production 12 keeps.
constexpr std::size_t kMaxStringBody = 255;

std::string_view dropFront(std::string_view text, std::size_t n) {
  return text.substr(n < text.size() ? n : text.size());
}

// Digits in wrapping 32-bit arithmetic: Horner's rule in uint32_t gives the sum of
// digit x base^position modulo 2^32, converted to signed once at the end.
std::int32_t sumDigits(std::string_view digits, std::uint32_t base) {
  std::uint32_t value = 0;
  for (char c : digits) {
    std::uint32_t digit = 0;
    if (c >= '0' && c <= '9')
      digit = static_cast<std::uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<std::uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    value = value * base + digit;
  }
  return static_cast<std::int32_t>(value);
}

std::string_view withoutLeadingL(std::string_view text) {
  return !text.empty() && text.front() == 'L' ? text.substr(1) : text;
}

// The digits of '\101' or '\x41': the quote and the backslash dropped in front, the
// closing quote at the end.
std::string escapeDigits(std::string_view token) {
  std::string_view body = dropFront(withoutLeadingL(token), 2);
  if (!body.empty()) body.remove_suffix(1);
  return "0" + std::string(body);
}

// 0x1FUL -> $1F: digits keep their case.
std::string hexConstant(Rhs& r) {
  return "$" + std::string(dropFront(stripSuffix(r.tok(0), kIntegerSuffixes), 2));
}

std::string octalConstant(Rhs& r) { return std::to_string(OctalToInt(r.tok(0))); }

std::string strippedConstant(Rhs& r) { return std::string(stripSuffix(r.tok(0), r.arg())); }

// '\101' -> #65; the full value, up to 511, not reduced to a byte.
std::string charOctalConstant(Rhs& r) { return "#" + std::to_string(OctalToInt(escapeDigits(r.tok(0)))); }

// '\x41' -> 'A': only the low byte of the value is kept.
std::string charHexConstant(Rhs& r) {
  const auto value = static_cast<std::uint32_t>(HexToInt(escapeDigits(r.tok(0))));
  std::string text = "'";
  text += static_cast<char>(value & 0xFFu);
  text += '\'';
  return text;
}

// No escape conversion: the body is copied byte for byte, cut at 255 characters.
std::string stringLiteral(Rhs& r) {
  std::string text = "'";
  text += r.tok(1).substr(0, kMaxStringBody);
  text += '\'';
  return text;
}

constexpr ActionRow kRows[] = {
    {1, "constant: HEX_CONSTANT", hexConstant},
    {2, "constant: OCTAL_CONSTANT", octalConstant},
    {3, "constant: DECIMAL_CONSTANT", strippedConstant, kIntegerSuffixes},
    {4, "constant: FLOAT_DOT_CONSTANT", strippedConstant, kFloatSuffixes},
    {5, "constant: FLOAT_FRACTION_CONSTANT", strippedConstant, kFloatSuffixes},
    {6, "constant: FLOAT_EXPONENT_CONSTANT", strippedConstant, kFloatSuffixes},
    {7, "constant: CHAR_CONSTANT", [](Rhs& r) { return std::string(withoutLeadingL(r.tok(0))); }},
    {8, "constant: CHAR_OCTAL_CONSTANT", charOctalConstant},
    {9, "constant: CHAR_HEX_CONSTANT", charHexConstant},
    {10, "string_literal_list: string_literal", build::pass},
    {11, "string_literal_list: string_literal_list string_literal", build::joinNext, " + "},
    {12, "string_literal: STRING_OPEN STRING_TEXT STRING_CLOSE", stringLiteral},
    {13, "primary_expression: IDENTIFIER", build::token},
    {14, "primary_expression: constant", build::pass},
    {15, "primary_expression: string_literal_list", build::pass},
    {16, "primary_expression: '(' expression ')'", build::parenthesised},
};

}  // namespace

std::span<const ActionRow> literalActions() { return kRows; }

std::string_view stripSuffix(std::string_view text, std::string_view suffixSet) {
  while (!text.empty() && suffixSet.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
  return text;
}

std::int32_t OctalToInt(std::string_view digits) {
  return sumDigits(dropFront(stripSuffix(digits, kIntegerSuffixes), 1), 8);
}

std::int32_t HexToInt(std::string_view digits) {
  return sumDigits(dropFront(stripSuffix(digits, kIntegerSuffixes), 2), 16);
}

}  // namespace morvane
