// SSYacc: the parse loop, its steps (shift, reduce, goto, accept), the lookahead
// and read-ahead handling, and conflict resolution through embedded lookahead
// automata. Error recovery (SyncErr) lives in SyncErr.cpp.
#include "parser/SSYacc.h"

#include "lexer/SSException.h"

namespace morvane {

SSYacc::SSYacc(SSLex* lexer, SSYaccTable* table) : lexer_(lexer), table_(table) {
  if (table == nullptr) throw SSException(sscode::kParseTableMissing, ssmsg::kParseTableMissing);
  // Called from the constructor, so SSYacc's own newElement: state 0, no lexeme.
  currentElement_ = newElement();
  stack_.push(currentElement_);
  renewStepBudget();
}

// A table whose reductions or recoveries cycle without shifting would loop for
// ever (or grow the stack without bound). Between two shifts a sound table makes a
// number of reductions bounded by the stack depth times a small factor of the
// grammar; the budget is far above that.
void SSYacc::renewStepBudget() noexcept {
  stepsLeft_ = 64 * (std::int64_t{stack_.count()} + table_->productionCount());
}

void SSYacc::spendStep() {
  if (--stepsLeft_ < 0) throw SSException(sscode::kParseFailed, ssmsg::kParseFailed);
}

SSYacc::~SSYacc() {
  eofLexeme_.reset();
  lookahead_.reset();
  readAhead_.reset();
  currentElement_.reset();
  resultElement_.reset();
  // The stack and the cache release what they still hold as members.
}

RefPtr<SSLexLexeme> SSYacc::scanLexeme() {
  if (lexer_ == nullptr) throw SSException(sscode::kLexerMissing, ssmsg::kLexerMissing);
  return lexer_->nextLexeme();
}

RefPtr<SSYaccStackElement> SSYacc::shiftElement() { return newElement(); }

RefPtr<SSYaccStackElement> SSYacc::newElement() { return makeRef<SSYaccStackElement>(); }

bool SSYacc::cachedLexeme(SSLexLexeme&) { return false; }

bool SSYacc::syntaxError(std::int32_t, SSLexLexeme&) {
  syncErr();
  return false;
}

bool SSYacc::conflictError(std::int32_t state, SSLexLexeme& lookahead, SSLexLexeme*) {
  return syntaxError(state, lookahead);
}

RefPtr<SSYaccStackElement> SSYacc::reduce(std::uint32_t, std::int32_t) { return nullptr; }

bool SSYacc::parse() {
  if (fetchLookahead(true)) return true;
  for (;;) {
    switch (actionKind_) {
      case ActionKind::Shift:
        if (shiftStep()) return true;
        break;
      case ActionKind::Error:
        spendStep();
        errorFlag_ = true;
        if (syntaxError(state_, *lookahead_)) return true;
        break;
      case ActionKind::Reduce:
        if (reduceStep()) return true;
        break;
      case ActionKind::Accept:
        acceptStep();
        return errorFlag_;
      case ActionKind::Conflict:
        if (conflictStep()) return true;
        break;
      default:
        throw SSException(sscode::kParseFailed, ssmsg::kParseFailed);
    }
  }
}

SSYaccStackElement& SSYacc::elementFromProduction(std::int32_t i) {
  const std::int64_t index = std::int64_t{i} + stack_.count() - rhsLength_;
  if (index < 0 || index >= stack_.count())
    throw SSException(sscode::kInvalidElementIndex, ssmsg::kInvalidElementIndex);
  return *stack_[static_cast<std::int32_t>(index)];
}

void SSYacc::lookupAction(std::int32_t token) {
  const SSYaccEntry* entry = table_->findAction(state_, token);
  const std::uint32_t word = entry ? entry->word : 0;
  const auto target = static_cast<std::int32_t>(word & ActionTargetMask);
  if (word & ActionShift) {
    actionKind_ = ActionKind::Shift;
    state_ = target;
  } else if (word & ActionReduce) {
    actionKind_ = ActionKind::Reduce;
    setReduction(target);
  } else if (word & ActionAccept) {
    actionKind_ = ActionKind::Accept;
  } else if (word & ActionConflict) {
    actionKind_ = ActionKind::Conflict;
    conflictList_ = &table_->lookaheadList(target);
  } else {
    actionKind_ = ActionKind::Error;
  }
}

void SSYacc::setReduction(std::int32_t production) {
  const SSYaccProduction p = table_->production(production);
  production_ = production;
  lhs_ = p.lhs;
  rhsLength_ = p.rhsLength;
}

bool SSYacc::readLexeme(bool lookup) {
  if (eofSeen_) throw SSException(sscode::kReadPastEof, ssmsg::kReadPastEof);
  lookahead_ = scanLexeme();
  if (!lookahead_) {
    eofLexeme_ = makeEofLexeme();
    eofSeen_ = true;
    lookahead_ = eofLexeme_;
  }
  if (lookup) lookupAction(lookahead_->token());
  return false;
}

bool SSYacc::fetchLookahead(bool lookup) {
  if (RefPtr<SSLexLexeme> cached = cache_.dequeue()) {
    lookahead_ = std::move(cached);
    const bool stop = cachedLexeme(*lookahead_);
    if (!stop && lookup) lookupAction(lookahead_->token());
    return stop;
  }
  return readLexeme(lookup);
}

RefPtr<SSLexLexeme> SSYacc::makeEofLexeme() {
  RefPtr<SSLexLexeme> eof(new SSLexLexeme("eof", 3, 0, 0));
  eof->setToken(kEofToken);
  return eof;
}

bool SSYacc::shiftStep() {
  currentElement_ = shiftElement();
  if (!currentElement_) return true;
  currentElement_->setLexeme(lookahead_);
  currentElement_->setState(state_);
  stack_.push(currentElement_);
  renewStepBudget();
  if (observer_) observer_->onShift(*lookahead_, state_);
  return fetchLookahead(true);
}

bool SSYacc::reduceStep() {
  spendStep();
  if (observer_) observer_->onReduce(production_, rhsLength_);
  currentElement_ = reduce(static_cast<std::uint32_t>(production_), rhsLength_);
  if (!currentElement_) return true;
  popElements(rhsLength_);
  pushGoto(lhs_);
  return false;
}

void SSYacc::popElements(std::int32_t n) {
  for (std::int32_t i = 0; i < n; ++i) {
    RefPtr<SSYaccStackElement> top = std::move(stack_.top());
    stack_.pop();
  }  // each popped element is released here, destroyed unless still current
  state_ = stack_.top()->state();
}

void SSYacc::pushGoto(std::int32_t lhs) {
  const SSYaccEntry* entry = table_->findGoto(state_, lhs);
  if (entry == nullptr) throw SSException(sscode::kParseFailed, ssmsg::kParseFailed);
  state_ = static_cast<std::int32_t>(entry->word & ActionTargetMask);
  currentElement_->setState(state_);
  stack_.push(currentElement_);
  lookupAction(lookahead_->token());
}

void SSYacc::acceptStep() {
  resultElement_ = currentElement_;
  if (observer_) observer_->onAccept();
}

bool SSYacc::conflictStep() {
  const SSLexExpressionList& list = *conflictList_;
  cachePosition_ = 0;
  std::int32_t d = list.nextState(lookahead_->token(), 0);
  while (d != -1) {
    readAhead_ = readAheadLexeme();
    d = list.nextState(readAhead_->token(), d);
    if (d == -1) break;
    const SSLexFinalRecord& decision = list.finalRecord(d);
    if (decision.flags & FinalFlagAccept) {
      if (decision.flags & FinalFlagReduce) {
        setReduction(decision.token);
        return reduceStep();
      }
      state_ = decision.token;
      return shiftStep();
    }
  }
  spendStep();
  errorFlag_ = true;
  return conflictError(state_, *lookahead_, readAhead_.get());
}

RefPtr<SSLexLexeme> SSYacc::readAheadLexeme() {
  if (cachePosition_ >= 0 && cachePosition_ < cache_.count())
    return RefPtr<SSLexLexeme>(cache_.at(cachePosition_++));
  cachePosition_ = -1;
  // One end-of-input lexeme may be read ahead; an automaton that asks for more
  // would read ahead forever.
  if (readAheadEof_) throw SSException(sscode::kReadPastEof, ssmsg::kReadPastEof);
  RefPtr<SSLexLexeme> lexeme = scanLexeme();
  if (!lexeme) {
    lexeme = makeEofLexeme();
    eofSeen_ = true;
    readAheadEof_ = true;
  }
  cache_.enqueue(lexeme);
  return lexeme;
}

}  // namespace morvane
