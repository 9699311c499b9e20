// SSLexLexeme: one scanned token, shared by a hand-kept reference count that
// starts at 0 (hold it in a RefPtr).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

class SSLexLexeme {
 public:
  // Copies `length` characters of `text` (a terminator is kept after them).
  SSLexLexeme(const char* text, std::int32_t length, std::int32_t line, std::int32_t offset);
  ~SSLexLexeme();
  SSLexLexeme(const SSLexLexeme&) = delete;
  SSLexLexeme& operator=(const SSLexLexeme&) = delete;

  const char* text() const noexcept { return text_.c_str(); }
  std::string_view view() const noexcept { return text_; }
  std::int32_t length() const noexcept { return static_cast<std::int32_t>(text_.size()); }
  std::int32_t line() const noexcept { return line_; }
  std::int32_t offset() const noexcept { return offset_; }
  std::int32_t token() const noexcept { return token_; }
  void setToken(std::int32_t token) noexcept { token_ = token; }

  std::int32_t refCount() const noexcept { return refCount_; }
  void addRef() noexcept { ++refCount_; }
  // Lowers the count; true when it reached 0 (the caller then destroys the lexeme).
  bool release() noexcept { return --refCount_ == 0; }

  // Lexemes alive in this process (a leak check for tests).
  static std::int64_t liveCount() noexcept { return live_; }

 private:
  std::string text_;
  std::int32_t refCount_ = 0;
  std::int32_t line_;
  std::int32_t offset_;
  std::int32_t token_ = 0;
  static inline std::int64_t live_ = 0;
};

}  // namespace morvane
