// SSLex: the generic table-driven scanner. Longest match with backtracking to the
// last accepting state, a stack of expression lists that accepting states push,
// pop or switch, skipped (ignored) tokens and trailing context. It knows nothing
// of C; the C lexer is this engine with the C table.
#pragma once

#include <cstdint>

#include "lexer/RefPtr.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexLexeme.h"
#include "lexer/SSLexTable.h"
#include "lexer/SSStack.h"

namespace morvane {

// The lexer's stack of active expression lists; it holds references to lists that
// the table owns.
using SSLexExpressionListStack = SSStack<SSLexExpressionList*>;

class SSLex {
 public:
  // Neither is owned. Code 5 when either is missing. Starts in expression list 0.
  SSLex(SSLexConsumer* consumer, SSLexTable* table);
  virtual ~SSLex();
  SSLex(const SSLex&) = delete;
  SSLex& operator=(const SSLex&) = delete;

  // The next lexeme, or none at end of input (and again on every later call).
  // An ignored match that consumed no text (nor the start-of-input marker) is
  // treated as unmatched text: skipping it would find it again at the same place.
  RefPtr<SSLexLexeme> nextLexeme();

  void pushList(std::int32_t index);    // code 6 when out of range
  void popList();                       // code 8 on an empty stack, 7 when none is left
  void switchList(std::int32_t index);  // pop, then push

  SSLexConsumer& consumer() noexcept { return *consumer_; }
  const SSLexConsumer& consumer() const noexcept { return *consumer_; }
  SSLexTable& table() noexcept { return *table_; }
  std::int32_t state() const noexcept { return state_; }
  const SSLexExpressionListStack& listStack() const noexcept { return listStack_; }

 protected:
  // Text that matches no pattern. The default makes scannedLexeme() and raises code
  // 9 with its line, offset and text.
  virtual RefPtr<SSLexLexeme> invalidToken();
  // Accepted text. The default makes acceptedLexeme() with the token. A replacement
  // that returns none must still consume the text, or it is scanned again.
  virtual RefPtr<SSLexLexeme> tokenLexeme(std::int32_t token);

 private:
  void applyListAction(const SSLexFinalRecord& record);

  std::int32_t state_ = 0;
  SSLexTable* table_;
  SSLexConsumer* consumer_;
  SSLexExpressionList* currentList_ = nullptr;
  SSLexExpressionListStack listStack_;
};

}  // namespace morvane
