// An error in a token definition or grammar text, with the 1-based line it was
// found on (0 when it concerns the whole text, such as an unexpected conflict).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace morvane::tablegen {

class DefinitionError : public std::runtime_error {
 public:
  DefinitionError(std::int32_t line, const std::string& message)
      : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + message : message),
        line_(line),
        message_(message) {}
  std::int32_t line() const noexcept { return line_; }
  const std::string& message() const noexcept { return message_; }

 private:
  std::int32_t line_;
  std::string message_;
};

}  // namespace morvane::tablegen
