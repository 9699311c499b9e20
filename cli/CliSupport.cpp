// Input reading, escaping and the error lines shared by morvane-cli's commands.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/core/FileIO.h"
#include "cli/Cli.h"
#include "usertypes/UserTypeFile.h"

namespace morvane::cli {

std::string readInput(const std::string& file) {
  if (file != "-") {
    try {
      return readFileBytes(file);
    } catch (const std::exception& e) {
      throw IoError(e.what());
    }
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw IoError(std::string("cannot read standard input: ") + std::strerror(errno));
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

UserTypeRows readUserTypes(const std::string& typesFile) {
  if (typesFile.empty()) return {};
  UserTypeGrid grid;
  grid.loadFileText(readInput(typesFile));
  return grid.rows();
}

std::string escapeText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (byte) {
      case '\\': escaped += "\\\\"; break;
      case '\n': escaped += "\\n"; break;
      case '\t': escaped += "\\t"; break;
      case '\r': escaped += "\\r"; break;
      default:
        if (byte < 32 || byte > 126) {
          escaped += "\\x";
          escaped += kHex[byte >> 4];
          escaped += kHex[byte & 15];
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

void printEngineError(const std::string& file, std::int32_t line, std::int32_t offset, const std::string& message) {
  std::fflush(stdout);  // what was printed before the failure comes first on a shared terminal
  std::cerr << file << ":" << line << ":" << offset << ": error: " << message << std::endl;
}

void printError(const std::string& file, const std::string& message) {
  std::fflush(stdout);
  std::cerr << file << ": error: " << message << std::endl;
}

}  // namespace morvane::cli
