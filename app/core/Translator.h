// Translator: the translation driver without widgets. It owns the two tables
// (loaded on the first run, kept for its lifetime), the program-wide OutputText
// (kept across runs) and the UserTypeTable, and runs one translation at a time:
// substitute user types, drop CRs, wrap a fragment, parse, and hand back what the
// Pascal editor must show. The window keeps one for the whole program run; the
// CLI and each test make their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "translate/CYaccClass.h"
#include "usertypes/UserTypes.h"

namespace morvane {

class SSLexTable;
class SSYaccTable;

struct TranslationRequest {
  std::string cText;              // the C editor's whole text, CR LF or LF line ends
  bool fragmentMode = false;      // "Piece of code": wrap as the body of void test()
  UserTypeRows userTypes;         // the user type rows
  std::int32_t editorLineCount = -1;  // the C editor's line count; -1: count the lines of cText
};

enum class TranslationStatus {
  Clean,        // accepted: "Sucess !!!"
  Stopped,      // the parse stopped without an engine error: the status text stays
  EngineError,  // an SSException: "Error !!!", the failing line marked
  OtherError,   // any other failure (a table that cannot be loaded, a bad user type)
};

struct TranslationResult {
  TranslationStatus status = TranslationStatus::Clean;
  std::vector<std::string> pascalLines;  // the Pascal editor's lines, as it holds them
  std::uint8_t code = 0;                 // EngineError: the exception's code
  std::string message;                   // EngineError, OtherError: the reason
  std::int32_t line = 0;                 // EngineError: the consumer's line after the failure
  std::int32_t offset = 0;               // EngineError: the consumer's offset after the failure

  // The Pascal editor's text: every line followed by CR LF.
  std::string pascalText() const;
};

class Translator {
 public:
  Translator();
  ~Translator();
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  TranslationResult translate(const TranslationRequest& request, TranslationProgress* progress = nullptr);

  // The translation of the external declarations reduced so far; never cleared.
  const std::string& outputText() const noexcept { return outputText_; }
  const UserTypeTable& userTypeTable() const noexcept { return userTypes_; }

 private:
  std::unique_ptr<SSLexTable> lexTable_;
  std::unique_ptr<SSYaccTable> parseTable_;
  std::string outputText_;
  UserTypeTable userTypes_;
};

}  // namespace morvane
