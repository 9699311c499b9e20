// morvane-cli's commands over the GUI-free core: translation to Pascal files or
// standard output, and the engine views (--tokens, --check, --trace, --dump-table).
// Exit codes: 0 success, 1 a translation or engine error, 2 usage and I/O errors.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "usertypes/UserTypes.h"

namespace morvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitTranslationError = 1;
inline constexpr int kExitUsageOrIo = 2;

// A wrong combination of options or arguments: exit 2 with the usage hint.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be read or written: exit 2.
class IoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::vector<std::string> files;  // "-" is standard input
  bool fragment = false;
  std::string typesFile;
  bool lineFeeds = false;  // --lf: lines end in LF instead of CR LF
  bool indent = false;
  std::string outputFile;
  std::string outputFolder;
  bool tokens = false;
  bool check = false;
  bool trace = false;
  std::string dumpTable;  // "dfa" or "llr"
};

// The input's bytes; "-" reads standard input. IoError on failure.
std::string readInput(const std::string& file);
// The rows of a user type file (empty for no file). IoError on failure.
UserTypeRows readUserTypes(const std::string& typesFile);
// The bytes with backslash, line feed, tab and CR escaped, and every other byte
// below 32 or above 126 written as \xHH.
std::string escapeText(std::string_view text);
// "FILE:LINE:OFFSET: error: MESSAGE" or, without a position, "FILE: error: MESSAGE".
void printEngineError(const std::string& file, std::int32_t line, std::int32_t offset, const std::string& message);
void printError(const std::string& file, const std::string& message);

int runTranslate(const Options& options);
int runTokens(const Options& options);
int runCheck(const Options& options);
int runTrace(const Options& options);
int runDumpTable(const std::string& name);

}  // namespace morvane::cli
