// SSException: formatting of the engines' fixed message texts. Only "%s" and "%ld"
// are substituted, in order; the result is cut at kMaxMessageLength characters.
#include "lexer/SSException.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace morvane {
namespace {

// One value for a placeholder: a text (with its length) or a signed integer.
struct FormatArgument {
  std::string_view text;
  std::int32_t value = 0;
  bool isText = true;
};

// Fills the placeholders of `format` in order; a placeholder without an argument,
// or any other '%' sequence, is kept as written.
std::string formatMessage(const char* format, std::initializer_list<FormatArgument> arguments) {
  std::string message;
  const FormatArgument* next = arguments.begin();
  for (const char* p = format ? format : ""; *p != '\0'; ++p) {
    const bool isText = p[0] == '%' && p[1] == 's';
    const bool isValue = p[0] == '%' && p[1] == 'l' && p[2] == 'd';
    if ((isText || isValue) && next != arguments.end()) {
      if (next->isText)
        message.append(next->text);
      else
        message.append(std::to_string(next->value));
      ++next;
      p += isText ? 1 : 2;
    } else {
      message.push_back(*p);
    }
    if (message.size() > SSException::kMaxMessageLength) break;
  }
  if (message.size() > SSException::kMaxMessageLength) message.resize(SSException::kMaxMessageLength);
  return message;
}

// The text as a C string, ending at its terminator or after `limit` characters.
std::string_view boundedText(const char* text, std::size_t limit) {
  if (text == nullptr) return {};
  return {text, strnlen(text, limit)};
}

}  // namespace

SSException::SSException(std::uint8_t code, std::string_view message)
    : std::runtime_error(std::string(message.substr(0, kMaxMessageLength))), code_(code) {}

SSException::SSException(std::uint8_t code, const char* format, const char* text)
    : std::runtime_error(formatMessage(format, {{boundedText(text, kMaxMessageLength + 1)}})), code_(code) {}

SSException::SSException(std::uint8_t code, const char* format, std::int32_t value)
    : std::runtime_error(formatMessage(format, {{{}, value, false}})), code_(code) {}

SSException::SSException(std::uint8_t code, const char* format, std::int32_t line, std::int32_t offset,
                         const char* text, std::int32_t length)
    : std::runtime_error(
          formatMessage(format, {{{}, line, false},
                                 {{}, offset, false},
                                 {boundedText(text, length > 0 ? static_cast<std::size_t>(length) : 0)}})),
      code_(code) {}

}  // namespace morvane
