// CYaccClass: the C parser. It is the generic SSYacc over the C tables and
// overrides only reduce: every reduction runs the progress step, then the action
// of its production, which builds the Pascal text (SemanticText) of the new
// element from the texts of the right-hand side.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "parser/SSYacc.h"
#include "usertypes/UserTypes.h"

namespace morvane {

// How the progress step reaches the host: once per reduction, before the action,
// setPercent with the value below and then one pump (the host decides what to show
// and how often to process its events).
class TranslationProgress {
 public:
  virtual ~TranslationProgress() = default;
  virtual void setPercent(std::int32_t percent) = 0;
  virtual void pump() = 0;
};

// The progress value: line x 100 in wrapping 32-bit arithmetic, divided as floating
// point by the editor's line count and truncated toward zero. Not clamped: line 61
// of a 60-line text shows 101. An editor without lines shows 0.
std::int32_t progressPercent(std::int32_t line, std::int32_t lineCount);

// A failure of the translation itself that is not an engine error, such as a
// USER_TYPE_NAME whose number names no entry; carries the C line.
class TranslationError : public std::runtime_error {
 public:
  TranslationError(std::int32_t line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  std::int32_t line() const noexcept { return line_; }

 private:
  std::int32_t line_;
};

// What the reduce actions use of the translation run.
struct TranslationContext {
  const UserTypeTable* userTypes = nullptr;  // production 141 reads entry n's Pascal name
  TranslationProgress* progress = nullptr;   // may be none
  std::int32_t editorLineCount = 0;          // lines the C editor holds
};

class CYaccClass : public SSYacc {
 public:
  CYaccClass(SSLex* lexer, SSYaccTable* table, const TranslationContext& context);

  // The element made by the latest translation_unit reduction of this parse, whose
  // SemanticText is what OutputText holds so far; none before the first one. The
  // driver copies its text once, when the parse ends.
  const SSYaccStackElement* latestTranslationUnit() const noexcept { return latestUnit_.get(); }

 protected:
  RefPtr<SSYaccStackElement> reduce(std::uint32_t production, std::int32_t rhsLength) override;

 private:
  TranslationContext context_;
  RefPtr<SSYaccStackElement> latestUnit_;
};

}  // namespace morvane
