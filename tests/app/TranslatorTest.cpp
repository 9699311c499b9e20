// The translation driver over the real C tables: statuses, OutputText across runs,
// fragment mode, CR LF handling, the progress count and table load failures.
#include <gtest/gtest.h>

#include <vector>

#include "app/core/EditorLines.h"
#include "app/core/Translator.h"
#include "lexer/EmbeddedResource.h"
#include "lexer/SSException.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"

namespace morvane {
namespace {

TranslationResult translateText(Translator& translator, std::string text, bool fragment = false,
                                UserTypeRows rows = {}) {
  TranslationRequest request;
  request.cText = std::move(text);
  request.fragmentMode = fragment;
  request.userTypes = std::move(rows);
  return translator.translate(request);
}

// What a fresh translator makes of a text that translates cleanly.
std::string cleanOutput(const std::string& text) {
  Translator translator;
  const TranslationResult result = translateText(translator, text);
  EXPECT_EQ(result.status, TranslationStatus::Clean) << text << ": " << result.message;
  return translator.outputText();
}

const char* const kTwoFunctions =
    "int add(int a, int b)\n{\n    return a + b;\n}\n\nvoid clear(int *p)\n{\n    *p = 0;\n}\n";

TEST(Translator, CleanRunShowsOutputTextLineByLine) {
  Translator translator;
  const TranslationResult result = translateText(translator, kTwoFunctions);
  ASSERT_EQ(result.status, TranslationStatus::Clean) << result.message;
  EXPECT_FALSE(translator.outputText().empty());
  EXPECT_EQ(result.pascalLines, splitEditorLines(translator.outputText()));
  EXPECT_EQ(result.pascalText(), joinEditorLines(result.pascalLines));
  EXPECT_NE(translator.outputText().find("function add("), std::string::npos) << translator.outputText();
  // The status texts as the program has always shown them, spelling included.
  EXPECT_EQ(kStatusSuccess, "Sucess !!!");
  EXPECT_EQ(kStatusError, "Error !!!");
  EXPECT_EQ(kStatusTranslating, "translating...");
}

TEST(Translator, CrLfAndLfGiveTheSameResult) {
  std::string crlf;
  for (const char c : std::string(kTwoFunctions)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Translator lf, dos;
  const TranslationResult a = translateText(lf, kTwoFunctions);
  const TranslationResult b = translateText(dos, crlf);
  EXPECT_EQ(a.status, TranslationStatus::Clean);
  EXPECT_EQ(a.pascalLines, b.pascalLines);
  // Errors report the same place.
  Translator x, y;
  const TranslationResult e1 = translateText(x, "int a;\nint b;\n\n  int c d;\n");
  const TranslationResult e2 = translateText(y, "int a;\r\nint b;\r\n\r\n  int c d;\r\n");
  ASSERT_EQ(e1.status, TranslationStatus::EngineError);
  EXPECT_EQ(e2.status, e1.status);
  EXPECT_EQ(e2.line, e1.line);
  EXPECT_EQ(e2.offset, e1.offset);
  EXPECT_EQ(e1.line, 4);
}

TEST(Translator, FragmentModeDropsTheWrapperLines) {
  Translator fragment;
  const TranslationResult result = translateText(fragment, "x = 1;\ny = x + 2;\n", true);
  ASSERT_EQ(result.status, TranslationStatus::Clean) << result.message;
  // The same lines as the wrapped text in full-unit mode, less heading, opening and end.
  EditorLines full = splitEditorLines(cleanOutput("void test() {x = 1;\ny = x + 2;\n}"));
  ASSERT_GE(full.size(), 3u);
  full.pop_back();
  full.erase(full.begin(), full.begin() + 2);
  EXPECT_EQ(result.pascalLines, full);
  for (const std::string& line : result.pascalLines) EXPECT_EQ(line.find("test"), std::string::npos) << line;

  // Errors keep their lines: the fragment's line 2 is line 2.
  Translator failing;
  const TranslationResult error = translateText(failing, "x = 1;\n#\n", true);
  EXPECT_EQ(error.status, TranslationStatus::EngineError);
  EXPECT_EQ(error.line, 2);
}

TEST(Translator, EngineErrorsKeepWhatWasTranslated) {
  Translator translator;
  ASSERT_EQ(translateText(translator, "int a;\n").status, TranslationStatus::Clean);
  const std::string first = translator.outputText();
  ASSERT_FALSE(first.empty());

  // Fails before any declaration is complete: the earlier run's text stays.
  TranslationResult result = translateText(translator, "int b c;\n");
  EXPECT_EQ(result.status, TranslationStatus::EngineError);
  EXPECT_EQ(result.code, sscode::kSyncErrNoToken);
  EXPECT_EQ(result.message, ssmsg::kSyncErrNoToken);
  EXPECT_EQ(result.line, 1);
  EXPECT_EQ(translator.outputText(), first);
  EXPECT_EQ(result.pascalLines, splitEditorLines(first));

  // An invalid token on line 3: the declaration of line 1 was completed in this run.
  result = translateText(translator, "char b;\nint c;\n#\n");
  EXPECT_EQ(result.status, TranslationStatus::EngineError);
  EXPECT_EQ(result.code, sscode::kInvalidToken);
  EXPECT_EQ(result.message, "SSLex0105e: Invalid token, Line 3, Offset 1, #");
  EXPECT_EQ(result.line, 3);
  EXPECT_EQ(result.offset, 2);  // just after the failing character
  EXPECT_EQ(translator.outputText(), cleanOutput("char b;\n"));
}

TEST(Translator, EmptyTextInFullUnitModeIsAnEngineError) {
  Translator translator;
  const TranslationResult result = translateText(translator, "");
  EXPECT_EQ(result.status, TranslationStatus::EngineError);
  EXPECT_TRUE(result.pascalLines.empty());
  EXPECT_TRUE(translator.outputText().empty());
}

TEST(Translator, NulBytesAreInvalidTokensNotTheEnd) {
  Translator translator;
  const TranslationResult result = translateText(translator, std::string("int a;\0 garbage", 15));
  EXPECT_EQ(result.status, TranslationStatus::EngineError);
  EXPECT_EQ(result.code, sscode::kInvalidToken);
}

TEST(Translator, UserTypesAreSubstitutedAndChecked) {
  Translator translator;
  TranslationResult result = translateText(translator, "DWORD x;\n", false, {{"DWORD", "Cardinal"}});
  ASSERT_EQ(result.status, TranslationStatus::Clean) << result.message;
  EXPECT_NE(translator.outputText().find("Cardinal"), std::string::npos) << translator.outputText();
  EXPECT_EQ(translator.userTypeTable().count(), 1);

  UserTypeRows many;
  for (int i = 0; i < 300; ++i) many.push_back({"T" + std::to_string(i), ""});
  result = translateText(translator, "int y;\n", false, many);
  EXPECT_EQ(result.status, TranslationStatus::OtherError);
  EXPECT_EQ(result.message, "Too many user types: 300 named rows, at most 256");
  EXPECT_EQ(translator.userTypeTable().cName(1), "DWORD");

  // A USER_TYPE_NAME written directly with a number that names no entry.
  result = translateText(translator, "UserDefined999 z;\n");
  EXPECT_EQ(result.status, TranslationStatus::OtherError);
  EXPECT_FALSE(result.message.empty());
}

class RecordingProgress : public TranslationProgress {
 public:
  void setPercent(std::int32_t percent) override { percents.push_back(percent); }
  void pump() override { ++pumps; }
  std::vector<std::int32_t> percents;
  int pumps = 0;
};

TEST(Translator, ProgressCountsTheEditorLines) {
  const std::string text = "int a;\r\nint b;\r\nint c;\r\nint d;";  // four editor lines
  Translator translator;
  RecordingProgress counted;
  TranslationRequest request;
  request.cText = text;
  ASSERT_EQ(translator.translate(request, &counted).status, TranslationStatus::Clean);
  ASSERT_FALSE(counted.percents.empty());
  EXPECT_EQ(counted.pumps, static_cast<int>(counted.percents.size()));
  EXPECT_EQ(counted.percents.back(), 100);

  RecordingProgress given;
  request.editorLineCount = 2;  // not clamped: line 4 of 2 shows 200
  ASSERT_EQ(translator.translate(request, &given).status, TranslationStatus::Clean);
  EXPECT_EQ(given.percents.back(), 200);
}

TEST(Translator, TableLoadFailuresAreOtherErrorsAndRetried) {
  static const unsigned char kGarbage[] = {1, 2, 3, 4, 5, 6, 7, 8};
  int lexLoads = 0;
  TableLoaders loaders = TableLoaders::embedded();
  const auto embeddedLex = loaders.lexTable;
  loaders.lexTable = [&]() -> std::unique_ptr<SSLexTable> {
    if (++lexLoads == 1) return std::make_unique<SSLexTable>(std::span<const unsigned char>(kGarbage), kLexTableName);
    return embeddedLex();
  };
  Translator translator(loaders);
  TranslationResult result = translateText(translator, "int a;\n");
  EXPECT_EQ(result.status, TranslationStatus::OtherError);
  EXPECT_NE(result.message.find("c.dfa"), std::string::npos) << result.message;
  result = translateText(translator, "int a;\n");
  EXPECT_EQ(result.status, TranslationStatus::Clean) << result.message;
  EXPECT_EQ(lexLoads, 2);
  result = translateText(translator, "int b;\n");
  EXPECT_EQ(lexLoads, 2);  // kept once loaded

  TableLoaders missing = TableLoaders::embedded();
  missing.parseTable = []() -> std::unique_ptr<SSYaccTable> { throw ResourceNotFound("llr"); };
  Translator withoutParseTable(missing);
  result = translateText(withoutParseTable, "int a;\n");
  EXPECT_EQ(result.status, TranslationStatus::OtherError);
  EXPECT_NE(result.message.find("llr"), std::string::npos) << result.message;
}

}  // namespace
}  // namespace morvane
