// SSYaccStackElement: one parser stack entry, shared by a hand-kept reference
// count that starts at 0 (hold it in a RefPtr). Elements made by a shift carry
// their lexeme; elements made by reductions carry the SemanticText that the
// reduce actions build.
#pragma once

#include <cstdint>
#include <string>

#include "lexer/RefPtr.h"
#include "lexer/SSLexLexeme.h"
#include "lexer/SSStack.h"

namespace morvane {

class SSYaccStackElement {
 public:
  SSYaccStackElement() noexcept { ++live_; }
  virtual ~SSYaccStackElement() { --live_; }
  SSYaccStackElement(const SSYaccStackElement&) = delete;
  SSYaccStackElement& operator=(const SSYaccStackElement&) = delete;

  SSLexLexeme* lexeme() const noexcept { return lexeme_.get(); }
  // Adds a reference to the new lexeme, then releases the old one.
  void setLexeme(RefPtr<SSLexLexeme> lexeme) noexcept { lexeme_ = std::move(lexeme); }

  std::int32_t state() const noexcept { return state_; }
  void setState(std::int32_t state) noexcept { state_ = state; }

  std::int32_t refCount() const noexcept { return refCount_; }
  void addRef() noexcept { ++refCount_; }
  bool release() noexcept { return --refCount_ == 0; }

  // The Pascal text built for this element; empty when made.
  std::string SemanticText;

  // Elements alive in this process (a leak check for tests).
  static std::int64_t liveCount() noexcept { return live_; }

 private:
  RefPtr<SSLexLexeme> lexeme_;
  std::int32_t state_ = 0;
  std::int32_t refCount_ = 0;
  static inline std::int64_t live_ = 0;
};

// The parser's stack: holding an element in it is a reference; destroying the
// stack releases every element still on it.
using SSYaccStack = SSStack<RefPtr<SSYaccStackElement>>;

}  // namespace morvane
