// CYaccClass::reduce: the progress step, then the action row of the production
// over the children that elementFromProduction gives.
#include "translate/CYaccClass.h"

#include "translate/ReduceActions.h"

namespace morvane {

namespace {

// The children of the reduction under way, read from the parser's stack.
class ParserRhs final : public Rhs {
 public:
  ParserRhs(SSYacc& parser, const TranslationContext& context) noexcept : Rhs(context), parser_(parser) {}

  std::string t(std::int32_t i) override { return std::move(parser_.elementFromProduction(i).SemanticText); }
  std::string_view tok(std::int32_t i) override {
    const SSLexLexeme* lexeme = parser_.elementFromProduction(i).lexeme();
    return lexeme != nullptr ? lexeme->view() : std::string_view();
  }
  std::int32_t tokLine(std::int32_t i) override {
    const SSLexLexeme* lexeme = parser_.elementFromProduction(i).lexeme();
    return lexeme != nullptr ? lexeme->line() : 0;
  }

 private:
  SSYacc& parser_;
};

}  // namespace

CYaccClass::CYaccClass(SSLex* lexer, SSYaccTable* table, const TranslationContext& context)
    : SSYacc(lexer, table), context_(context) {}

RefPtr<SSYaccStackElement> CYaccClass::reduce(std::uint32_t production, std::int32_t /*rhsLength*/) {
  if (context_.progress != nullptr) {
    const std::int32_t line = lexer() != nullptr ? lexer()->consumer().line() : 0;
    context_.progress->setPercent(progressPercent(line, context_.editorLineCount));
    context_.progress->pump();
  }

  ParserRhs rhs(*this, context_);
  RefPtr<SSYaccStackElement> element = newElement();
  element->SemanticText = runAction(production, rhs);
  // The driver copies the text of the latest unit once, when the parse ends.
  if (isTranslationUnitProduction(production)) latestUnit_ = element;
  return element;
}

}  // namespace morvane
