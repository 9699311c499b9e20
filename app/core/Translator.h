// Translator: the translation driver without widgets. It owns the two tables
// (loaded on the first run, kept for its lifetime), the program-wide OutputText
// (kept across runs) and the UserTypeTable, and runs one translation at a time:
// substitute user types, drop CRs, wrap a fragment, parse, and hand back what the
// Pascal editor must show. The window keeps one for the whole program run; the
// CLI and each test make their own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "translate/CYaccClass.h"
#include "usertypes/UserTypes.h"

namespace morvane {

class SSLexTable;
class SSYaccTable;

// The status pane's texts.
inline constexpr std::string_view kStatusTranslating = "translating...";
inline constexpr std::string_view kStatusSuccess = "Sucess !!!";
inline constexpr std::string_view kStatusError = "Error !!!";

// The names the tables carry into their error messages.
inline constexpr const char* kLexTableName = "c.dfa";
inline constexpr const char* kParseTableName = "c.llr";

// Fragment mode puts the text between these, with no line break added: the
// fragment's lines keep their numbers, line 1 moves right by 13 columns.
inline constexpr std::string_view kFragmentOpening = "void test() {";
inline constexpr std::string_view kFragmentClosing = "}";

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

// The text the lexer sees: the user types substituted (the table filled from the
// rows; UserTypeOverflow when they name too many), every CR dropped, and in fragment
// mode the wrapper around it.
std::string prepareLexerText(std::string_view cText, bool fragmentMode, const UserTypeRows& rows,
                             UserTypeTable& table);

// Where a Translator gets its tables, on its first run. The default loads the
// embedded items "dfa" and "llr"; tests hand in others. A loader that raises makes
// that run an OtherError, and the next run tries again.
struct TableLoaders {
  std::function<std::unique_ptr<SSLexTable>()> lexTable;
  std::function<std::unique_ptr<SSYaccTable>()> parseTable;
  static TableLoaders embedded();
};

class Translator {
 public:
  Translator();
  explicit Translator(TableLoaders loaders);
  ~Translator();
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  TranslationResult translate(const TranslationRequest& request, TranslationProgress* progress = nullptr);

  // The translation of the external declarations reduced so far; never cleared.
  const std::string& outputText() const noexcept { return outputText_; }
  const UserTypeTable& userTypeTable() const noexcept { return userTypes_; }

 private:
  void loadTables();
  void runParse(const TranslationRequest& request, TranslationProgress* progress, TranslationResult& result);

  TableLoaders loaders_;
  std::unique_ptr<SSLexTable> lexTable_;
  std::unique_ptr<SSYaccTable> parseTable_;
  std::string outputText_;
  UserTypeTable userTypes_;
};

}  // namespace morvane
