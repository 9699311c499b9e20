// SSLex: the scan loop (longest match with backtracking to the last accepting
// state), the list actions of accepting states and the default token hooks.
#include "lexer/SSLex.h"

#include "lexer/SSException.h"

namespace morvane {

SSLex::SSLex(SSLexConsumer* consumer, SSLexTable* table) : table_(table), consumer_(consumer) {
  if (consumer == nullptr || table == nullptr)
    throw SSException(sscode::kTableOrConsumerMissing, ssmsg::kTableOrConsumerMissing);
  pushList(0);
}

SSLex::~SSLex() = default;

RefPtr<SSLexLexeme> SSLex::nextLexeme() {
  SSLexConsumer& source = *consumer_;
  for (;;) {
    const SSLexExpressionList& list = *currentList_;
    std::int32_t state = 0;
    const SSLexFinalRecord* accepted = &list.finalRecord(0);
    source.clearAtEnd();
    if (!source.readChar()) {
      state_ = state;
      return nullptr;  // end of input
    }
    // The start-of-input marker occupies no position: reading it is progress even
    // when no text is accepted.
    const bool readMarker = source.current() == -1;
    do {
      state = list.nextState(source.current(), state);
      if (state == -1) break;
      const SSLexFinalRecord& record = list.finalRecord(state);
      if (record.flags & FinalFlagAccept) {
        source.markAccept();
        accepted = &record;
      }
      if (record.flags & FinalFlagMark) source.markTrailing();
    } while (source.readChar());
    state_ = state;

    const std::uint32_t flags = accepted->flags;
    if (flags & FinalFlagTrailing) source.restoreTrailing();
    // An ignored match that consumed nothing would be found again at the same place
    // forever; it is unmatched text instead.
    const bool progress = readMarker || source.hasAcceptedText();
    if ((flags & FinalFlagIgnore) && progress) {
      source.consumeAccepted();
      applyListAction(*accepted);
      continue;
    }
    if (!(flags & FinalFlagAccept) || (flags & FinalFlagIgnore)) {
      if (RefPtr<SSLexLexeme> lexeme = invalidToken()) return lexeme;
      source.discardScanned();
      continue;
    }
    applyListAction(*accepted);
    // Dropping needs a first character to drop.
    if ((flags & FinalFlagStartOfLine) && source.line() != 1 && source.offset() != 1 &&
        source.hasAcceptedText())
      source.dropLineStart();
    if (RefPtr<SSLexLexeme> lexeme = tokenLexeme(accepted->token)) return lexeme;
  }
}

void SSLex::applyListAction(const SSLexFinalRecord& record) {
  const bool pop = record.flags & FinalFlagPop;
  const bool push = record.flags & FinalFlagPush;
  if (pop && push)
    switchList(record.listIndex);
  else if (pop)
    popList();
  else if (push)
    pushList(record.listIndex);
}

void SSLex::pushList(std::int32_t index) {
  SSLexExpressionList& list = table_->expressionList(index);
  listStack_.push(&list);
  currentList_ = &list;
}

void SSLex::popList() {
  listStack_.pop();
  currentList_ = listStack_.top();
}

void SSLex::switchList(std::int32_t index) {
  listStack_.pop();
  pushList(index);
}

RefPtr<SSLexLexeme> SSLex::invalidToken() {
  const RefPtr<SSLexLexeme> lexeme = consumer_->scannedLexeme();
  throw SSException(sscode::kInvalidToken, ssmsg::kInvalidToken, lexeme->line(), lexeme->offset(),
                    lexeme->text(), lexeme->length());
}

RefPtr<SSLexLexeme> SSLex::tokenLexeme(std::int32_t token) {
  RefPtr<SSLexLexeme> lexeme = consumer_->acceptedLexeme();
  lexeme->setToken(token);
  return lexeme;
}

}  // namespace morvane
