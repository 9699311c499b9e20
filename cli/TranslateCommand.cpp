// morvane-cli's translation: each input through a fresh Translator, the Pascal text
// written as the Pascal editor would hold it, to standard output, one file or one
// file per input in a folder; a progress bar on a terminal for large inputs.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

#include "app/core/FileIO.h"
#include "app/core/TextTools.h"
#include "app/core/Translator.h"
#include "cli/Cli.h"

namespace morvane::cli {

namespace {

namespace fs = std::filesystem;

// Inputs above this size get a progress bar when standard error is a terminal.
constexpr std::size_t kProgressThreshold = 4u << 20;
constexpr int kBarWidth = 40;

class TerminalProgress : public TranslationProgress {
 public:
  explicit TerminalProgress(std::string label) : label_(std::move(label)) {}
  ~TerminalProgress() override {
    if (drawn_) std::fprintf(stderr, "\r%*s\r", static_cast<int>(label_.size()) + kBarWidth + 10, "");
  }

  void setPercent(std::int32_t percent) override {
    // Not clamped by the driver: a bar shows 0 to 100.
    percent = std::clamp(percent, 0, 100);
    if (percent == shown_) return;
    shown_ = percent;
    drawn_ = true;
    const int filled = percent * kBarWidth / 100;
    std::fprintf(stderr, "\r%s [%s%s] %3d%%", label_.c_str(), std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kBarWidth - filled), ' ').c_str(), percent);
    std::fflush(stderr);
  }
  void pump() override {}

 private:
  std::string label_;
  std::int32_t shown_ = -1;
  bool drawn_ = false;
};

std::string outputText(const TranslationResult& result, const Options& options) {
  EditorLines lines = result.pascalLines;
  if (options.indent) indentPascalLines(lines);
  if (!options.lineFeeds) return joinEditorLines(lines);
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

void writeStandardOutput(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw IoError("cannot write standard output");
}

// DIR/<stem>.pas for every input; standard input has no name to give, and two
// inputs must not write the same file.
std::vector<fs::path> outputPaths(const Options& options) {
  std::vector<fs::path> paths;
  if (options.outputFolder.empty()) return paths;
  std::set<fs::path> seen;
  for (const std::string& file : options.files) {
    if (file == "-") throw UsageError("--out-dir needs input files: standard input (-) has no name for its output");
    fs::path path = fs::path(options.outputFolder) / fs::path(file).stem();
    path += ".pas";
    if (!seen.insert(path.lexically_normal()).second)
      throw UsageError("two inputs would write the same output " + path.string());
    paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace

int runTranslate(const Options& options) {
  if (!options.outputFile.empty() && options.files.size() != 1)
    throw UsageError("-o takes exactly one input file; use --out-dir for several");
  const std::vector<fs::path> folderOutputs = outputPaths(options);
  if (!options.outputFolder.empty()) {
    std::error_code ec;
    fs::create_directories(options.outputFolder, ec);
    if (ec) throw IoError("cannot create the folder " + options.outputFolder + ": " + ec.message());
  }
  const UserTypeRows rows = readUserTypes(options.typesFile);
  const bool terminal = ::isatty(STDERR_FILENO) == 1;

  int exitCode = kExitOk;
  for (std::size_t i = 0; i < options.files.size(); ++i) {
    const std::string& file = options.files[i];
    TranslationRequest request;
    try {
      request.cText = readInput(file);
    } catch (const IoError& e) {
      std::cerr << "morvane-cli: " << e.what() << "\n";
      exitCode = std::max(exitCode, kExitUsageOrIo);
      continue;
    }
    request.fragmentMode = options.fragment;
    request.userTypes = rows;

    std::unique_ptr<TerminalProgress> progress;
    if (terminal && request.cText.size() > kProgressThreshold) progress = std::make_unique<TerminalProgress>(file);
    Translator translator;
    const TranslationResult result = translator.translate(request, progress.get());
    progress.reset();

    // What the Pascal editor would show is written in every case.
    const std::string pascal = outputText(result, options);
    try {
      if (!options.outputFile.empty()) writeFileAtomically(options.outputFile, pascal);
      else if (!folderOutputs.empty()) writeFileAtomically(folderOutputs[i], pascal);
      else writeStandardOutput(pascal);
    } catch (const std::exception& e) {
      std::cerr << "morvane-cli: " << e.what() << "\n";
      exitCode = std::max(exitCode, kExitUsageOrIo);
    }

    switch (result.status) {
      case TranslationStatus::Clean:
        break;
      case TranslationStatus::Stopped:
        printError(file, "the parse stopped before the end of the text");
        exitCode = std::max(exitCode, kExitTranslationError);
        break;
      case TranslationStatus::EngineError:
        printEngineError(file, result.line, result.offset, result.message);
        exitCode = std::max(exitCode, kExitTranslationError);
        break;
      case TranslationStatus::OtherError:
        printError(file, result.message);
        exitCode = std::max(exitCode, kExitTranslationError);
        break;
    }
  }
  return exitCode;
}

}  // namespace morvane::cli
