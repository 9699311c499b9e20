// SyncErr: the default recovery from a syntax error. It gathers the synchronising
// tokens of the states on the stack, skips input until one of them, then unwinds
// the stack to a state that can go on with it, pushing an element for the error
// token where a state's error entry allows.
#include <vector>

#include "lexer/SSException.h"
#include "parser/SSSetOfLongint.h"
#include "parser/SSYacc.h"

namespace morvane {

void SSYacc::syncErr() {
  constexpr std::uint32_t kSyncFlags = StateHasSync | StateAllSync;
  {
    SSSetOfLongint sync(16, 16);
    // A state met again adds nothing new: each is looked at once.
    std::vector<bool> seen(static_cast<std::size_t>(table_->stateCount()));
    for (std::int32_t i = 0; i < stack_.count(); ++i) {
      const std::int32_t state = stack_[i]->state();
      const SSYaccStateRecord& record = table_->stateRecord(state);
      if (seen[static_cast<std::size_t>(state)]) continue;
      seen[static_cast<std::size_t>(state)] = true;
      if (record.flags & kSyncFlags) {
        for (const SSYaccEntry& action : record.actions)
          if ((record.flags & StateAllSync) || (action.word & ActionSync)) sync.add(action.symbol);
      }
      if (record.hasErrorEntry) {
        const SSYaccStateRecord& after =
            table_->stateRecord(static_cast<std::int32_t>(record.errorEntry.word & ActionTargetMask));
        for (const SSYaccEntry& action : after.actions) sync.add(action.symbol);
      }
    }
    if (sync.count() == 0) throw SSException(sscode::kSyncErrNoToken, ssmsg::kSyncErrNoToken);
    // Reading past the end-of-input lexeme raises code 16 in readLexeme.
    while (!sync.contains(lookahead_->token()))
      if (fetchLookahead(false)) throw SSException(sscode::kSyncErrEof, ssmsg::kSyncErrEof);
  }

  for (;;) {
    const SSYaccStateRecord& record = table_->stateRecord(state_);
    if (record.hasErrorEntry) {
      const auto afterError = static_cast<std::int32_t>(record.errorEntry.word & ActionTargetMask);
      state_ = afterError;
      lookupAction(lookahead_->token());
      if (actionKind_ != ActionKind::Error) {
        RefPtr<SSLexLexeme> error(new SSLexLexeme("error", 5, 0, 0));
        error->setToken(kErrorToken);
        currentElement_ = newElement();
        currentElement_->setLexeme(std::move(error));
        currentElement_->setState(afterError);
        stack_.push(currentElement_);
        return;
      }
      // The state's own synchronising tokens are not tried.
    } else if (record.flags & kSyncFlags) {
      lookupAction(lookahead_->token());
      if (actionKind_ != ActionKind::Error) return;
    }
    popElements(1);  // code 7 once the last element is gone
  }
}

}  // namespace morvane
