// The reduce actions of CYaccClass as rows, one per production, and what the rows
// share: the Rhs accessor over the children of a reduction, the common builders,
// the digit-string conversions and the dispatch by production number.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "translate/CYaccClass.h"

namespace morvane {

inline constexpr std::string_view kCrlf = "\r\n";

// The children of one reduction, position 0 being the leftmost symbol of the right
// side. t(i) moves a nonterminal child's text out: the child is discarded right
// after the reduction, so every text is taken once and appended to, never copied.
class Rhs {
 public:
  explicit Rhs(const TranslationContext& context) noexcept : context_(&context) {}
  virtual ~Rhs() = default;

  virtual std::string t(std::int32_t i) = 0;         // SemanticText of child i, moved out
  virtual std::string_view tok(std::int32_t i) = 0;  // token text of terminal child i
  virtual std::int32_t tokLine(std::int32_t i) = 0;  // line of terminal child i

  const TranslationContext& context() const noexcept { return *context_; }
  // The arg of the row being run (an operator text, a literal piece).
  std::string_view arg() const noexcept { return arg_; }
  void setArg(std::string_view arg) noexcept { arg_ = arg; }

 private:
  const TranslationContext* context_;
  std::string_view arg_;
};

using ActionBuilder = std::string (*)(Rhs&);

// One production's action: its number, its rule as the grammar writes it, the
// builder of its SemanticText and the builder's piece of text.
struct ActionRow {
  std::int32_t production;
  std::string_view rule;
  ActionBuilder build;
  std::string_view arg = {};
};

inline constexpr std::int32_t kLastProduction = 314;

// The rows, by group; together they hold one row for each production 1 to 314.
std::span<const ActionRow> literalActions();      // 1-16
std::span<const ActionRow> expressionActions();   // 17-90
std::span<const ActionRow> declarationActions();  // 91-179, 198-212
std::span<const ActionRow> declaratorActions();   // 180-197, 260-314
std::span<const ActionRow> statementActions();    // 213-240
std::span<const ActionRow> functionActions();     // 241-259

// The row of a production; none for 0 and numbers above 314.
const ActionRow* findActionRow(std::uint32_t production);
// The SemanticText of a reduction by the production: its row's builder, or
// "{" + number + "}" for a production without an action.
std::string runAction(std::uint32_t production, Rhs& rhs);

// The translation_unit productions, whose result is the text so far (OutputText).
inline bool isTranslationUnitProduction(std::uint32_t production) noexcept {
  return production == 241 || production == 242;
}

// Shared builders, for the rows of one shape.
namespace build {
std::string pass(Rhs& r);           // t0
std::string literal(Rhs& r);        // arg
std::string token(Rhs& r);          // tok0
std::string append(Rhs& r);         // t0 + t1, amortised O(|t1|)
std::string joinNext(Rhs& r);       // t0 + arg + t1
std::string binary(Rhs& r);         // t0 + arg + t2
std::string binaryParen(Rhs& r);    // "(" + t0 + arg + t2 + ")"
std::string suffix(Rhs& r);         // t0 + arg
std::string typeAfter(Rhs& r);      // t1 + arg + t0 (declarator, then its type)
std::string newestFirst(Rhs& r);    // t2 + arg + t0 (lists that put the newest item first)
std::string parenthesised(Rhs& r);  // "(" + t1 + ")"
std::string parenSuffix(Rhs& r);    // "(" + t1 + ")" + t3
std::string pointer(Rhs& r);        // t1 + "^"
}  // namespace build

// Digit strings: the suffix letters l, L, u, U stripped, then the leading 0 (octal)
// or the 0x or 0X (hex) dropped; the digits summed in 32-bit wrapping arithmetic.
std::int32_t OctalToInt(std::string_view digits);
std::int32_t HexToInt(std::string_view digits);
// The text without the trailing characters that belong to the set, any number, in
// any order.
std::string_view stripSuffix(std::string_view text, std::string_view suffixSet);

}  // namespace morvane
