// SSException: the one exception class of the lexer and parser engines, and the
// fixed codes and message texts they raise. Messages are formatted once, at
// construction, printf-style with "%s" and "%ld" only, and cut at 255 characters.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane {

class SSException : public std::runtime_error {
 public:
  // (code, message): the message is used unchanged.
  SSException(std::uint8_t code, std::string_view message);
  // (code, format, text): fills the one "%s" of the format with the text.
  SSException(std::uint8_t code, const char* format, const char* text);
  // (code, format, integer): fills the one "%ld" of the format with the value.
  SSException(std::uint8_t code, const char* format, std::int32_t value);
  // (code, format, line, offset, text, length): fills "%ld", "%ld", "%s" in this
  // order; only the first `length` characters of the text are used.
  SSException(std::uint8_t code, const char* format, std::int32_t line, std::int32_t offset, const char* text,
              std::int32_t length);

  std::uint8_t code() const noexcept { return code_; }

  // Longest message kept; the original engine formats into a 256-byte buffer.
  static constexpr std::size_t kMaxMessageLength = 255;

 private:
  std::uint8_t code_;
};

// The codes and texts raised by the engines. The code is the raiser's choice and
// does not follow from the number inside the text. Codes 1, 3 and 12 are unused.
namespace sscode {
inline constexpr std::uint8_t kErrorOpeningFile = 0;
inline constexpr std::uint8_t kOutOfMemory = 2;
inline constexpr std::uint8_t kInvalidLexTable = 4;
inline constexpr std::uint8_t kTableOrConsumerMissing = 5;
inline constexpr std::uint8_t kInvalidListIndex = 6;
inline constexpr std::uint8_t kNoTop = 7;
inline constexpr std::uint8_t kCannotPop = 8;
inline constexpr std::uint8_t kInvalidToken = 9;
inline constexpr std::uint8_t kParseTableMissing = 10;
inline constexpr std::uint8_t kLexerMissing = 11;
inline constexpr std::uint8_t kErrorReadingTable = 13;
inline constexpr std::uint8_t kTableTooBig = 14;
inline constexpr std::uint8_t kParseFailed = 15;
inline constexpr std::uint8_t kReadPastEof = 16;
inline constexpr std::uint8_t kInvalidElementIndex = 17;
inline constexpr std::uint8_t kSyncErrNoToken = 18;
inline constexpr std::uint8_t kSyncErrEof = 19;
}  // namespace sscode

namespace ssmsg {
inline constexpr const char* kErrorOpeningFile = "SSLex0101e: Error opening file, %s";
inline constexpr const char* kOutOfMemory = "SSLex1000e: Out of memory";
inline constexpr const char* kInvalidLexTable = "SSLex0104e: Invalid table, %s";
inline constexpr const char* kTableOrConsumerMissing = "SSLex0107e: Table or consumer missing, required";
inline constexpr const char* kInvalidListIndex = "SSLex0106e: Invalid expression list index, %ld";
inline constexpr const char* kNoTop = "SSLifo0002e: No top, stack empty";
inline constexpr const char* kCannotPop = "SSLifo0004e: Cannot pop empty stack";
inline constexpr const char* kInvalidToken = "SSLex0105e: Invalid token, Line %ld, Offset %ld, %s";
inline constexpr const char* kParseTableMissing = "SSYacc0109e: Table missing, required";
inline constexpr const char* kLexerMissing = "SSYacc0110e: Lexer missing, required";
inline constexpr const char* kErrorReadingTable = "SSYacc0111e: Error reading table, %s";
inline constexpr const char* kTableTooBig = "SSYacc0112e: Table too big";
inline constexpr const char* kParseFailed = "SSYacc0102e: Parse failed, invalid table";
inline constexpr const char* kReadPastEof = "SSYacc0103e: Attempted read past eof";
inline constexpr const char* kInvalidElementIndex = "SSYacc0108e: Invalid index on ElementFromxxx";
inline constexpr const char* kSyncErrNoToken = "SSYacc0105e: SyncErr failed, no valid token";
inline constexpr const char* kSyncErrEof = "SSYacc0106e: SyncErr failed, eof";
}  // namespace ssmsg

}  // namespace morvane
