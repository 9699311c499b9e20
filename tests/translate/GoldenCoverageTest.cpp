// Every production that C text can reach is reduced at least once by the golden
// corpus (tests/golden/cases), and none of those built on TYPEDEF_NAME is: the
// cases run through CYaccClass with an observer that records the reductions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "app/core/EditorLines.h"
#include "app/core/Translator.h"
#include "cgrammar/CGrammar.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"
#include "translate/ReduceActions.h"
#include "usertypes/UserTypeFile.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

class ReductionRecorder final : public ParseObserver {
 public:
  void onShift(const SSLexLexeme&, std::int32_t) override {}
  void onReduce(std::int32_t production, std::int32_t) override { reduced.insert(production); }
  void onAccept() override {}
  std::set<std::int32_t> reduced;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The productions that need TYPEDEF_NAME, which the lexer never delivers.
std::set<std::int32_t> typedefNameProductions() {
  std::set<std::int32_t> productions = {26, 103, 106, 130, 131, 132, 133, 134, 135, 187, 194, 201};
  for (std::int32_t n = 261; n <= 281; ++n) productions.insert(n);
  return productions;
}

TEST(GoldenCoverage, CorpusReducesEveryLiveProduction) {
  if (cgrammar::productionCount() == 0) GTEST_SKIP() << "built with the placeholder tables";
  SSLexTable lexTable(kLexTableName);
  SSYaccTable parseTable(kParseTableName);
  ReductionRecorder recorder;
  int caseCount = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(MORVANE_SOURCE_DIR) / "tests/golden/cases")) {
    const fs::path source = entry.path();
    if (source.extension() != ".c") continue;
    ++caseCount;
    fs::path options = source;
    options.replace_extension(".opts");
    const bool fragmentMode =
        fs::exists(options) && readFile(options).find("--fragment") != std::string::npos;
    fs::path typesFile = source;
    typesFile.replace_extension(".types");
    UserTypeGrid grid;
    if (fs::exists(typesFile)) grid.loadFileText(readFile(typesFile));

    const std::string cText = readFile(source);
    UserTypeTable userTypes;
    const std::string text = prepareLexerText(cText, fragmentMode, grid.rows(), userTypes);
    SSLexStringConsumer consumer{std::string_view(text)};
    SSLex lexer(&consumer, &lexTable);
    TranslationContext context;
    context.userTypes = &userTypes;
    context.editorLineCount = static_cast<std::int32_t>(countEditorLines(cText));
    CYaccClass parser(&lexer, &parseTable, context);
    parser.setObserver(&recorder);
    try {
      parser.parse();
    } catch (const std::exception&) {
      // The error cases stop early; what they reduced before still counts.
    }
  }
  ASSERT_GT(caseCount, 0);

  const std::set<std::int32_t> unreachable = typedefNameProductions();
  for (std::int32_t n = 1; n <= kLastProduction; ++n) {
    if (unreachable.count(n) != 0) {
      EXPECT_EQ(recorder.reduced.count(n), 0u) << "production " << n << " needs TYPEDEF_NAME";
    } else {
      EXPECT_EQ(recorder.reduced.count(n), 1u)
          << "no golden case reduces production " << n << ": " << findActionRow(static_cast<std::uint32_t>(n))->rule;
    }
  }
}

}  // namespace
}  // namespace morvane
