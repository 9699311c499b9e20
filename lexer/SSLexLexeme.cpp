// SSLexLexeme: construction and the live count used by leak checks.
#include "lexer/SSLexLexeme.h"

namespace morvane {

SSLexLexeme::SSLexLexeme(const char* text, std::int32_t length, std::int32_t line, std::int32_t offset)
    : text_(text && length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string()),
      line_(line),
      offset_(offset) {
  ++live_;
}

SSLexLexeme::~SSLexLexeme() { --live_; }

}  // namespace morvane
