// morvane-cli's views of the engines: the lexemes of a text (--tokens), a parse
// without translation (--check), the parser's actions as they happen (--trace), and
// the embedded table images (--dump-table). The text is prepared as for a
// translation (user types when given, CRs dropped, the fragment wrapper when asked).
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <span>

#include "app/core/Translator.h"
#include "cgrammar/CGrammar.h"
#include "cli/Cli.h"
#include "lexer/EmbeddedResource.h"
#include "lexer/SSException.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYacc.h"
#include "parser/SSYaccTable.h"

namespace morvane::cli {

namespace {

// Parses without translating: every reduction makes a new empty element.
class CheckParser : public SSYacc {
 public:
  using SSYacc::SSYacc;

 protected:
  RefPtr<SSYaccStackElement> reduce(std::uint32_t, std::int32_t) override { return newElement(); }
};

class TracePrinter : public ParseObserver {
 public:
  void onShift(const SSLexLexeme& lexeme, std::int32_t) override {
    std::cout << "shift " << symbol(lexeme.token()) << " " << escapeText(lexeme.view()) << "\n";
  }
  void onReduce(std::int32_t production, std::int32_t rhsLength) override {
    const std::string_view rule = cgrammar::productionRule(production);
    std::cout << "reduce " << production << " ";
    if (rule.empty()) std::cout << "(" << rhsLength << " symbols)";
    else std::cout << rule;
    std::cout << "\n";
  }
  void onAccept() override { std::cout << "accept\n"; }

 private:
  static std::string symbol(std::int32_t token) {
    const std::string_view name = cgrammar::symbolName(token);
    return name.empty() ? std::to_string(token) : std::string(name);
  }
};

std::string preparedText(const Options& options, const std::string& file) {
  const std::string cText = readInput(file);
  UserTypeTable table;
  return prepareLexerText(cText, options.fragment, readUserTypes(options.typesFile), table);
}

std::string onlyFile(const Options& options, const char* mode) {
  if (options.files.size() != 1) throw UsageError(std::string(mode) + " takes exactly one input file");
  return options.files.front();
}

// Runs the work with the lexer over the prepared text; maps failures to the exit
// codes. `work` gets the lexer and may build a parser over it.
template <class Work>
int withLexer(const Options& options, const std::string& file, Work work) {
  std::string text;
  try {
    text = preparedText(options, file);
  } catch (const UserTypeOverflow& e) {
    printError(file, e.what());
    return kExitTranslationError;
  }
  std::unique_ptr<SSLexTable> lexTable;
  try {
    lexTable = std::make_unique<SSLexTable>(kLexTableName);
  } catch (const std::exception& e) {
    printError(file, e.what());
    return kExitTranslationError;
  }
  SSLexStringConsumer consumer{std::string_view(text)};
  SSLex lexer(&consumer, lexTable.get());
  try {
    return work(lexer);
  } catch (const SSException& e) {
    printEngineError(file, consumer.line(), consumer.offset(), e.what());
    return kExitTranslationError;
  }
}

int parseFile(const Options& options, const std::string& file, ParseObserver* observer) {
  std::unique_ptr<SSYaccTable> parseTable;
  try {
    parseTable = std::make_unique<SSYaccTable>(kParseTableName);
  } catch (const std::exception& e) {
    printError(file, e.what());
    return kExitTranslationError;
  }
  return withLexer(options, file, [&](SSLex& lexer) {
    CheckParser parser(&lexer, parseTable.get());
    parser.setObserver(observer);
    if (parser.parse()) {
      printError(file, "the parse stopped before the end of the text");
      return kExitTranslationError;
    }
    return kExitOk;
  });
}

}  // namespace

int runTokens(const Options& options) {
  const std::string file = onlyFile(options, "--tokens");
  return withLexer(options, file, [&file](SSLex& lexer) {
    // An empty lexeme does not advance the text: the same one again means the lexer
    // is stuck (a line break inside a string literal), and would be forever.
    RefPtr<SSLexLexeme> previous;
    while (RefPtr<SSLexLexeme> lexeme = lexer.nextLexeme()) {
      if (lexeme->length() == 0 && previous && previous->length() == 0 && previous->token() == lexeme->token() &&
          previous->line() == lexeme->line() && previous->offset() == lexeme->offset()) {
        printEngineError(file, lexer.consumer().line(), lexer.consumer().offset(),
                         "the lexer makes no progress here (a line break inside a string literal?)");
        return kExitTranslationError;
      }
      std::cout << lexeme->line() << " " << lexeme->offset() << " " << lexeme->token() << " "
                << escapeText(lexeme->view()) << "\n";
      previous = std::move(lexeme);
    }
    return kExitOk;
  });
}

int runCheck(const Options& options) {
  int exitCode = kExitOk;
  for (const std::string& file : options.files) exitCode = std::max(exitCode, parseFile(options, file, nullptr));
  return exitCode;
}

int runTrace(const Options& options) {
  TracePrinter printer;
  return parseFile(options, onlyFile(options, "--trace"), &printer);
}

int runDumpTable(const std::string& name) {
  const std::span<const unsigned char> image = findEmbeddedResource(name);
  if (std::fwrite(image.data(), 1, image.size(), stdout) != image.size() || std::fflush(stdout) != 0)
    throw IoError("cannot write standard output");
  return kExitOk;
}

}  // namespace morvane::cli
