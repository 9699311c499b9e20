// SSYaccLexemeCache: the first-in-first-out queue of lexemes read ahead while a
// conflict action is resolved. The queue holds a reference to each lexeme.
#pragma once

#include <cstdint>
#include <deque>

#include "lexer/RefPtr.h"
#include "lexer/SSLexLexeme.h"

namespace morvane {

class SSYaccLexemeCache {
 public:
  void enqueue(RefPtr<SSLexLexeme> lexeme) { queue_.push_back(std::move(lexeme)); }
  // Removes the first lexeme and hands its reference to the caller; none when empty.
  RefPtr<SSLexLexeme> dequeue() {
    if (queue_.empty()) return nullptr;
    RefPtr<SSLexLexeme> first = std::move(queue_.front());
    queue_.pop_front();
    return first;
  }
  std::int32_t count() const noexcept { return static_cast<std::int32_t>(queue_.size()); }
  SSLexLexeme* at(std::int32_t position) const noexcept { return queue_[position].get(); }

 private:
  std::deque<RefPtr<SSLexLexeme>> queue_;
};

}  // namespace morvane
