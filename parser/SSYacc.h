// SSYacc: the generic table-driven LALR(1) parser with a reference-counted
// semantic stack. It pulls lexemes from an SSLex, looks up actions and gotos in an
// SSYaccTable, and calls the overridable reduce action once per reduction; the
// element it returns replaces the right-hand side on the stack. Conflict actions
// run an embedded automaton over read-ahead tokens; error actions go to the
// syntaxError hook, whose default is the SyncErr panic-mode recovery.
#pragma once

#include <cstdint>

#include "lexer/RefPtr.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexLexeme.h"
#include "parser/SSYaccLexemeCache.h"
#include "parser/SSYaccStackElement.h"
#include "parser/SSYaccTable.h"

namespace morvane {

// Watches a parse (for traces); not part of the parse itself.
class ParseObserver {
 public:
  virtual ~ParseObserver() = default;
  virtual void onShift(const SSLexLexeme& lexeme, std::int32_t newState) = 0;
  virtual void onReduce(std::int32_t production, std::int32_t rhsLength) = 0;
  virtual void onAccept() = 0;
};

class SSYacc {
 public:
  enum class ActionKind { Shift, Error, Reduce, Accept, Conflict };

  // Neither is owned. Code 10 without a table; a missing lexer is noticed only when
  // a token is needed (code 11).
  SSYacc(SSLex* lexer, SSYaccTable* table);
  virtual ~SSYacc();
  SSYacc(const SSYacc&) = delete;
  SSYacc& operator=(const SSYacc&) = delete;

  // True when the parse failed or was stopped, false after a clean accept.
  // Engine errors are raised as SSException. A syntaxError replacement that answers
  // false must leave an action other than error (as SyncErr does), or the same
  // error is met again at once. A table that keeps reducing or recovering without
  // ever shifting ends in code 15 instead of looping.
  bool parse();

  // During a reduction: the element of right-hand-side position i (0 the leftmost;
  // negative positions reach below the right-hand side). Code 17 outside the stack.
  SSYaccStackElement& elementFromProduction(std::int32_t i);

  void setObserver(ParseObserver* observer) noexcept { observer_ = observer; }

  SSLex* lexer() const noexcept { return lexer_; }
  SSYaccTable& table() const noexcept { return *table_; }
  std::int32_t state() const noexcept { return state_; }
  bool errorFlag() const noexcept { return errorFlag_; }
  bool eofSeen() const noexcept { return eofSeen_; }
  SSLexLexeme* lookahead() const noexcept { return lookahead_.get(); }
  SSYaccStackElement* currentElement() const noexcept { return currentElement_.get(); }
  SSYaccStackElement* resultElement() const noexcept { return resultElement_.get(); }
  const SSYaccStack& stack() const noexcept { return stack_; }
  ActionKind actionKind() const noexcept { return actionKind_; }

 protected:
  // Virtual operations, in slot order.
  virtual RefPtr<SSLexLexeme> scanLexeme();                              // the lexer's next lexeme
  virtual RefPtr<SSYaccStackElement> shiftElement();                     // newElement()
  virtual RefPtr<SSYaccStackElement> newElement();                       // a new, empty element
  virtual bool cachedLexeme(SSLexLexeme& lexeme);                        // false; true stops the parse
  virtual bool syntaxError(std::int32_t state, SSLexLexeme& lookahead);  // SyncErr, then false
  virtual bool conflictError(std::int32_t state, SSLexLexeme& lookahead, SSLexLexeme* readAhead);
  // None by default (which stops the parse): every concrete parser supplies it.
  virtual RefPtr<SSYaccStackElement> reduce(std::uint32_t production, std::int32_t rhsLength);

  // Engine steps, for subclasses and for SyncErr.
  void lookupAction(std::int32_t token);
  bool readLexeme(bool lookup);
  bool fetchLookahead(bool lookup);
  void popElements(std::int32_t n);
  void syncErr();

 private:
  bool shiftStep();
  bool reduceStep();
  void pushGoto(std::int32_t lhs);
  void acceptStep();
  bool conflictStep();
  // Cached lexemes first (advancing the cache position), then new ones, which are
  // appended to the cache. At most one end-of-input lexeme is made this way; asking
  // for more raises code 16.
  RefPtr<SSLexLexeme> readAheadLexeme();
  RefPtr<SSLexLexeme> makeEofLexeme();
  // production, lhs and rhs length for a reduction by `production`.
  void setReduction(std::int32_t production);
  // Reductions and error actions since the last shift are limited (code 15 beyond).
  void renewStepBudget() noexcept;
  void spendStep();

  SSLex* lexer_;
  SSYaccTable* table_;
  bool errorFlag_ = false;
  bool eofSeen_ = false;
  bool readAheadEof_ = false;  // an end-of-input lexeme was read ahead
  std::int64_t stepsLeft_ = 0;
  std::int32_t cachePosition_ = -1;  // -1: none
  std::int32_t state_ = 0;
  std::int32_t lhs_ = 0;
  std::int32_t production_ = 0;
  std::int32_t rhsLength_ = 0;
  RefPtr<SSLexLexeme> lookahead_;
  RefPtr<SSLexLexeme> readAhead_;
  SSYaccStack stack_;
  RefPtr<SSLexLexeme> eofLexeme_;
  ActionKind actionKind_ = ActionKind::Error;
  SSYaccLexemeCache cache_;
  RefPtr<SSYaccStackElement> currentElement_;
  RefPtr<SSYaccStackElement> resultElement_;
  const SSLexExpressionList* conflictList_ = nullptr;
  ParseObserver* observer_ = nullptr;
};

}  // namespace morvane
