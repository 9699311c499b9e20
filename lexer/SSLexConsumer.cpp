// SSLexConsumer's reading and position bookkeeping, and SSLexStringConsumer.
#include "lexer/SSLexConsumer.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace morvane {

SSLexConsumer::~SSLexConsumer() = default;

bool SSLexConsumer::readChar() {
  if (atEnd_) return false;
  if (pending_ != 0) {
    // The start-of-input marker: no position, no counter.
    current_ = pending_;
    pending_ = 0;
    return true;
  }
  if (position_ >= limit_) {
    const std::int32_t added = refill();
    // A refill can only make bytes that are in the buffer valid.
    const std::int64_t limit =
        std::min<std::int64_t>(std::int64_t{limit_} + std::max(added, 0),
                               std::min<std::int64_t>(static_cast<std::int64_t>(buffer_.size()),
                                                      std::numeric_limits<std::int32_t>::max()));
    if (limit <= position_) {
      atEnd_ = true;
      return false;
    }
    limit_ = static_cast<std::int32_t>(limit);
  }
  current_ = static_cast<unsigned char>(buffer_[static_cast<std::size_t>(position_++)]);
  if (current_ == '\n') {
    ++lineDelta_;
    column_ = 1;
  } else {
    ++column_;
  }
  return true;
}

std::int32_t SSLexConsumer::refill() { return 0; }

void SSLexConsumer::dropLineStart() noexcept {
  ++start_;
  ++line_;
  --acceptLineDelta_;
  --markLineDelta_;
  offset_ = 1;
}

void SSLexConsumer::consumeAccepted() noexcept {
  start_ = acceptPosition_;
  position_ = acceptPosition_;
  line_ += acceptLineDelta_;
  offset_ = acceptColumn_;
  lineDelta_ = 0;
  column_ = acceptColumn_;
  restartMarks();
}

void SSLexConsumer::discardScanned() noexcept {
  start_ = position_;
  line_ += lineDelta_;
  offset_ = column_;
  lineDelta_ = 0;
  restartMarks();
}

void SSLexConsumer::restartMarks() noexcept {
  // Both marks now stand at the new lexeme start.
  acceptPosition_ = position_;
  acceptLineDelta_ = 0;
  acceptColumn_ = column_;
  markPosition_ = position_;
  markLineDelta_ = 0;
  markColumn_ = column_;
}

RefPtr<SSLexLexeme> SSLexConsumer::acceptedLexeme() {
  const std::int32_t length = std::max(acceptPosition_ - start_, 0);
  RefPtr<SSLexLexeme> lexeme(new SSLexLexeme(buffer_.data() + start_, length, line_, offset_));
  consumeAccepted();
  return lexeme;
}

RefPtr<SSLexLexeme> SSLexConsumer::scannedLexeme() {
  const std::int32_t length = std::max(position_ - start_, 0);
  RefPtr<SSLexLexeme> lexeme(new SSLexLexeme(buffer_.data() + start_, length, line_, offset_));
  discardScanned();
  return lexeme;
}

SSLexStringConsumer::SSLexStringConsumer(const char* text)
    : SSLexStringConsumer(text ? std::string_view(text) : std::string_view()) {}

SSLexStringConsumer::SSLexStringConsumer(std::string_view text) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("SSLexStringConsumer: text too long");
  buffer_.assign(text);
  limit_ = static_cast<std::int32_t>(text.size());
}

}  // namespace morvane
