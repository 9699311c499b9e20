// The translation driver's GUI-free steps: prepare the C text, load the tables once,
// run lexer and CYaccClass over it, and turn OutputText into the Pascal editor's
// lines. Every failure comes back as a status; nothing escapes translate().
#include "app/core/Translator.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "app/core/EditorLines.h"
#include "lexer/EmbeddedResource.h"
#include "lexer/SSException.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"

namespace morvane {

std::string TranslationResult::pascalText() const { return joinEditorLines(pascalLines); }

std::string prepareLexerText(std::string_view cText, bool fragmentMode, const UserTypeRows& rows,
                             UserTypeTable& table) {
  std::string substituted(cText);
  SubstituteUserTypes(substituted, rows, table);
  std::string text;
  text.reserve(substituted.size() + (fragmentMode ? kFragmentOpening.size() + kFragmentClosing.size() : 0));
  if (fragmentMode) text += kFragmentOpening;
  for (const char c : substituted)
    if (c != '\r') text += c;  // wherever it stands: the lexer sees LF-only line ends
  if (fragmentMode) text += kFragmentClosing;
  return text;
}

TableLoaders TableLoaders::embedded() {
  return {[] { return std::make_unique<SSLexTable>(kLexTableName); },
          [] { return std::make_unique<SSYaccTable>(kParseTableName); }};
}

Translator::Translator() : Translator(TableLoaders::embedded()) {}
Translator::Translator(TableLoaders loaders) : loaders_(std::move(loaders)) {}
Translator::~Translator() = default;

void Translator::loadTables() {
  if (!lexTable_) lexTable_ = loaders_.lexTable();
  if (!parseTable_) parseTable_ = loaders_.parseTable();
}

TranslationResult Translator::translate(const TranslationRequest& request, TranslationProgress* progress) {
  TranslationResult result;
  auto otherError = [&result](std::string message) {
    result.status = TranslationStatus::OtherError;
    result.message = std::move(message);
  };
  try {
    runParse(request, progress, result);
  } catch (const SSException& e) {
    // Only the table loads raise it here: outside the parse it is no engine error.
    otherError(e.what());
  } catch (const std::bad_alloc&) {
    otherError("Out of memory");
  } catch (const std::exception& e) {
    otherError(e.what());
  }

  // The Pascal editor shows OutputText in every case; after an error it holds the
  // declarations completed so far, or an earlier run's text.
  try {
    result.pascalLines = splitEditorLines(outputText_);
    if (request.fragmentMode) {
      // The procedure heading, the body's opening line and its closing line.
      deleteEditorLine(result.pascalLines, static_cast<std::int64_t>(result.pascalLines.size()) - 1);
      deleteEditorLine(result.pascalLines, 0);
      deleteEditorLine(result.pascalLines, 0);
    }
  } catch (const std::bad_alloc&) {
    result.pascalLines.clear();
    otherError("Out of memory");
  }
  return result;
}

void Translator::runParse(const TranslationRequest& request, TranslationProgress* progress,
                          TranslationResult& result) {
  const std::string text = prepareLexerText(request.cText, request.fragmentMode, request.userTypes, userTypes_);
  TranslationContext context;
  context.userTypes = &userTypes_;
  context.progress = progress;
  context.editorLineCount = request.editorLineCount >= 0
                                ? request.editorLineCount
                                : static_cast<std::int32_t>(std::min<std::size_t>(
                                      countEditorLines(request.cText), INT32_MAX));

  loadTables();

  // The whole text, NUL bytes included: a NUL is an invalid token, not the end.
  SSLexStringConsumer consumer{std::string_view(text)};
  SSLex lexer(&consumer, lexTable_.get());
  std::unique_ptr<CYaccClass> parser;
  try {
    parser = std::make_unique<CYaccClass>(&lexer, parseTable_.get(), context);
    result.status = parser->parse() ? TranslationStatus::Stopped : TranslationStatus::Clean;
  } catch (const SSException& e) {
    result.status = TranslationStatus::EngineError;
    result.code = e.code();
    result.message = e.what();
    result.line = consumer.line();
    result.offset = consumer.offset();
  } catch (...) {
    // Not an engine error: translate() reports it. What was translated so far stays.
    if (parser && parser->latestTranslationUnit()) outputText_ = parser->latestTranslationUnit()->SemanticText;
    throw;
  }
  // Copied once, at the end: the latest translation_unit text of this run, if any.
  if (parser && parser->latestTranslationUnit()) outputText_ = parser->latestTranslationUnit()->SemanticText;
}

}  // namespace morvane
