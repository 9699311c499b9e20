// morvane-cli: translates C files to Pascal from the command line, and shows what
// the lexer and parser make of them.
//
//   morvane-cli [--fragment] [--types FILE] [--lf] [--indent] [-o OUT | --out-dir DIR] FILE...
//   morvane-cli [--fragment] [--types FILE] --tokens|--check|--trace FILE
//   morvane-cli --dump-table dfa|llr
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>

#include "cli/Cli.h"

namespace {

using namespace morvane::cli;

int run(const Options& options) {
  const int modes = (options.tokens ? 1 : 0) + (options.check ? 1 : 0) + (options.trace ? 1 : 0) +
                    (options.dumpTable.empty() ? 0 : 1);
  if (modes > 1) throw UsageError("--tokens, --check, --trace and --dump-table exclude one another");
  if (!options.dumpTable.empty()) {
    if (!options.files.empty()) throw UsageError("--dump-table takes no input files");
    return runDumpTable(options.dumpTable);
  }
  if (options.files.empty()) throw UsageError("no input file (use - for standard input)");
  if (std::count(options.files.begin(), options.files.end(), "-") > 1)
    throw UsageError("standard input (-) can be read only once");
  const bool translating = modes == 0;
  if (!translating && (options.lineFeeds || options.indent || !options.outputFile.empty() ||
                       !options.outputFolder.empty()))
    throw UsageError("--lf, --indent, -o and --out-dir apply to translations only");
  if (options.tokens) return runTokens(options);
  if (options.check) return runCheck(options);
  if (options.trace) return runTrace(options);
  return runTranslate(options);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  CLI::App app{"Translates C source text into Pascal source text.", "morvane-cli"};
  app.add_option("FILE", options.files, "C files to read; - reads standard input")->type_name("FILE");
  app.add_flag("--fragment", options.fragment, "the text is a piece of code (the body of a procedure)");
  app.add_option("--types", options.typesFile, "user type file: C name and Pascal name, one line each")
      ->type_name("FILE");
  app.add_flag("--lf", options.lineFeeds, "end the Pascal lines with LF instead of CR LF");
  app.add_flag("--indent", options.indent, "indent the Pascal text");
  auto* output = app.add_option("-o,--output", options.outputFile, "write the Pascal text to this file")
                     ->type_name("OUT");
  auto* folder = app.add_option("--out-dir", options.outputFolder, "write DIR/<input name>.pas for every input")
                     ->type_name("DIR");
  output->excludes(folder);
  app.add_flag("--tokens", options.tokens, "print the lexemes: LINE OFFSET TOKEN TEXT");
  app.add_flag("--check", options.check, "lex and parse only; silent when the text is accepted");
  app.add_flag("--trace", options.trace, "print every parser action: shift, reduce, accept");
  app.add_option("--dump-table", options.dumpTable, "write the embedded table image to standard output")
      ->check(CLI::IsMember({"dfa", "llr"}))
      ->type_name("dfa|llr");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "morvane-cli: " << e.what() << "\nRun with --help for more information.\n";
    return kExitUsageOrIo;
  }

  try {
    return run(options);
  } catch (const UsageError& e) {
    std::cerr << "morvane-cli: " << e.what() << "\nRun with --help for more information.\n";
    return kExitUsageOrIo;
  } catch (const IoError& e) {
    std::cerr << "morvane-cli: " << e.what() << "\n";
    return kExitUsageOrIo;
  } catch (const std::exception& e) {
    std::cerr << "morvane-cli: " << e.what() << "\n";
    return kExitUsageOrIo;
  }
}
