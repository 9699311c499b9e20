// SSLexConsumer: the lexer's character source with its position bookkeeping, and
// SSLexStringConsumer over text in memory. Positions are buffer indexes; the line
// delta counts the line feeds read since the current lexeme's start.
//
// Column rule: the column counter starts at 0, grows by 1 for every character read
// other than a line feed, and is set to 1 by a line feed. A lexeme's offset is the
// counter as it stood at the end of the text before it; so the first line counts
// columns from 0 and every later line from 1.
//
// The accept mark and the trailing-context mark follow the start of every new
// lexeme (consumeAccepted, discardScanned): a scan that accepts in its start state,
// or ends in trailing context without a mark, then measures from the lexeme's own
// start and never from a position or line count left over from an earlier lexeme.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lexer/RefPtr.h"
#include "lexer/SSLexLexeme.h"

namespace morvane {

class SSLexConsumer {
 public:
  SSLexConsumer() = default;
  virtual ~SSLexConsumer();
  SSLexConsumer(const SSLexConsumer&) = delete;
  SSLexConsumer& operator=(const SSLexConsumer&) = delete;

  // Delivers the next character into current(): first the pseudo-character -1
  // (once per consumer, moving nothing), then the buffer's bytes as 0..255.
  // False when there is none (at end is then set).
  virtual bool readChar();
  // Appends more bytes after the limit and answers how many; 0 means no more input.
  virtual std::int32_t refill();

  std::int32_t line() const noexcept { return line_; }      // line of the current lexeme's start
  std::int32_t offset() const noexcept { return offset_; }  // column of the current lexeme's start
  std::int32_t current() const noexcept { return current_; }
  bool atEnd() const noexcept { return atEnd_; }
  void clearAtEnd() noexcept { atEnd_ = false; }

  // True when the accept mark lies past the lexeme start (some text was accepted).
  bool hasAcceptedText() const noexcept { return acceptPosition_ > start_; }

  // accept mark := position, line delta, column
  void markAccept() noexcept {
    acceptPosition_ = position_;
    acceptLineDelta_ = lineDelta_;
    acceptColumn_ = column_;
  }
  // trailing mark := position, line delta, column
  void markTrailing() noexcept {
    markPosition_ = position_;
    markLineDelta_ = lineDelta_;
    markColumn_ = column_;
  }
  // accept mark := trailing mark
  void restoreTrailing() noexcept {
    acceptPosition_ = markPosition_;
    acceptLineDelta_ = markLineDelta_;
    acceptColumn_ = markColumn_;
  }
  void dropLineStart() noexcept;    // drop the lexeme's first character, a line break
  void consumeAccepted() noexcept;  // move to the accept mark; the next lexeme starts there
  void discardScanned() noexcept;   // the next lexeme starts at the current position

  // A new lexeme of the text from start to the accept position, at the current line
  // and offset; then consumeAccepted.
  RefPtr<SSLexLexeme> acceptedLexeme();
  // A new lexeme of the text from start to the current position; then discardScanned.
  RefPtr<SSLexLexeme> scannedLexeme();

 protected:
  // The buffer; subclasses fill it (refill appends after limit()).
  std::string buffer_;
  std::int32_t limit_ = 0;  // valid bytes in buffer_

 private:
  // Sets the accept and trailing marks to the current position, the new lexeme's start.
  void restartMarks() noexcept;

  std::int32_t pending_ = -1;
  std::int32_t line_ = 1;
  std::int32_t offset_ = 1;
  std::int32_t current_ = 0;
  std::int32_t acceptLineDelta_ = 0;
  std::int32_t acceptColumn_ = 0;
  std::int32_t lineDelta_ = 0;
  std::int32_t column_ = 0;
  bool atEnd_ = false;
  std::int32_t start_ = 0;
  std::int32_t position_ = 0;
  std::int32_t acceptPosition_ = 0;
  std::int32_t markPosition_ = 0;
  std::int32_t markLineDelta_ = 0;
  std::int32_t markColumn_ = 0;
};

// A consumer over a copy of a text in memory (the terminator is not copied).
class SSLexStringConsumer : public SSLexConsumer {
 public:
  // Copies the NUL-terminated text (none: an empty text).
  explicit SSLexStringConsumer(const char* text);
  // Copies the bytes of the view; they may hold NUL characters. A text of 2 GiB or
  // more raises std::length_error: positions are 32-bit.
  explicit SSLexStringConsumer(std::string_view text);
};

}  // namespace morvane
