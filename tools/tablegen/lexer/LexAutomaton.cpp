// Builds one expression list's DFA. The subset construction runs breadth-first, so
// the first path that reaches a state is a shortest text for it: ties are reported
// with that text as an example.
#include "tools/tablegen/lexer/LexAutomaton.h"

#include <algorithm>
#include <map>
#include <string>

#include "lexer/SSLexTable.h"
#include "tools/tablegen/DefinitionError.h"
#include "tools/tablegen/lexer/LexMinimise.h"

namespace morvane::tablegen {
namespace {

constexpr std::size_t kMaxNfaNodes = 200000;
constexpr std::size_t kMaxDfaStates = 20000;
// Steps of the subset construction (NFA nodes looked at); about a second of work.
constexpr std::uint64_t kMaxWork = 400'000'000;
constexpr int kStartMarkerSymbol = -1;

struct NfaNode {
  std::vector<std::int32_t> epsilon;
  ByteSet label;                    // bytes of the one labelled edge
  std::int32_t labelTarget = -1;    // its target; -1 for none
  std::int32_t markerTarget = -1;   // the edge on the start-of-input marker
  std::int32_t acceptRule = -1;     // the rule this node completes
};

struct Fragment {
  std::int32_t start;
  std::int32_t end;
};

class NfaBuilder {
 public:
  explicit NfaBuilder(std::int32_t listIndex) : listIndex_(listIndex) {}

  std::vector<NfaNode> build(const std::vector<TokenRule>& rules) {
    const std::int32_t start = add();
    for (std::size_t i = 0; i < rules.size(); ++i) {
      const Fragment fragment = build(rules[i].pattern);
      const std::int32_t accept = add();
      nodes_[static_cast<std::size_t>(accept)].acceptRule = static_cast<std::int32_t>(i);
      link(start, fragment.start);
      link(fragment.end, accept);
    }
    return std::move(nodes_);
  }

 private:
  std::int32_t add() {
    if (nodes_.size() >= kMaxNfaNodes)
      throw DefinitionError(0, "the patterns of list " + std::to_string(listIndex_) + " are too large");
    nodes_.emplace_back();
    return static_cast<std::int32_t>(nodes_.size() - 1);
  }

  NfaNode& node(std::int32_t id) { return nodes_[static_cast<std::size_t>(id)]; }
  void link(std::int32_t from, std::int32_t to) { node(from).epsilon.push_back(to); }

  Fragment build(const PatternNode& pattern) {
    switch (pattern.kind) {
      case PatternNode::Kind::Bytes: {
        const Fragment f{add(), add()};
        node(f.start).label = pattern.bytes;
        node(f.start).labelTarget = f.end;
        return f;
      }
      case PatternNode::Kind::StartMarker: {
        const Fragment f{add(), add()};
        node(f.start).markerTarget = f.end;
        return f;
      }
      case PatternNode::Kind::Sequence: {
        Fragment f{add(), -1};
        f.end = f.start;
        for (const auto& child : pattern.children) {
          const Fragment part = build(child);
          link(f.end, part.start);
          f.end = part.end;
        }
        return f;
      }
      case PatternNode::Kind::Choice: {
        const Fragment f{add(), add()};
        for (const auto& child : pattern.children) {
          const Fragment part = build(child);
          link(f.start, part.start);
          link(part.end, f.end);
        }
        return f;
      }
      case PatternNode::Kind::Repeat:
        return buildRepeat(pattern);
    }
    return {add(), add()};
  }

  // The required copies in a row, then either a loop or the optional copies nested
  // so that each may stop early.
  Fragment buildRepeat(const PatternNode& pattern) {
    const PatternNode& child = pattern.children.front();
    const std::int32_t start = add();
    std::int32_t current = start;
    for (int i = 0; i < pattern.minCount; ++i) {
      const Fragment part = build(child);
      link(current, part.start);
      current = part.end;
    }
    if (pattern.maxCount < 0) {
      const std::int32_t loop = add();
      link(current, loop);
      const Fragment part = build(child);
      link(loop, part.start);
      link(part.end, loop);
      return {start, loop};
    }
    const std::int32_t end = add();
    for (int i = pattern.minCount; i < pattern.maxCount; ++i) {
      link(current, end);
      const Fragment part = build(child);
      link(current, part.start);
      current = part.end;
    }
    link(current, end);
    return {start, end};
  }

  std::int32_t listIndex_;
  std::vector<NfaNode> nodes_;
};

// A DFA state during construction: the NFA nodes it stands for and how it was reached.
struct RawState {
  LexDfaState dfa;
  std::int32_t parent = -1;
  int symbol = 0;
  std::int32_t rule = -1;
};

class SubsetConstruction {
 public:
  SubsetConstruction(const ExpressionListDefinition& list, std::int32_t listIndex)
      : list_(list), listIndex_(listIndex), nfa_(NfaBuilder(listIndex).build(list.rules)), stamp_(nfa_.size(), 0) {}

  std::vector<RawState> run() {
    intern(closure({0}), -1, 0);
    for (std::size_t i = 0; i < sets_.size(); ++i) expand(i);
    checkEveryRuleWins();
    return std::move(states_);
  }

 private:
  std::vector<std::int32_t> closure(std::vector<std::int32_t> seeds) {
    ++generation_;
    std::vector<std::int32_t> result;
    while (!seeds.empty()) {
      const std::int32_t n = seeds.back();
      seeds.pop_back();
      auto& seen = stamp_[static_cast<std::size_t>(n)];
      if (seen == generation_) continue;
      seen = generation_;
      result.push_back(n);
      for (std::int32_t next : nfa_[static_cast<std::size_t>(n)].epsilon) seeds.push_back(next);
    }
    spend(result.size());
    std::sort(result.begin(), result.end());
    return result;
  }

  void spend(std::uint64_t steps) {
    work_ += steps;
    if (work_ > kMaxWork)
      throw DefinitionError(list_.line, "list " + std::to_string(listIndex_) + " is too complex to build");
  }

  std::int32_t intern(std::vector<std::int32_t> set, std::int32_t parent, int symbol) {
    const auto found = index_.find(set);
    if (found != index_.end()) return found->second;
    if (sets_.size() >= kMaxDfaStates)
      throw DefinitionError(list_.line, "list " + std::to_string(listIndex_) + " needs more than " +
                                            std::to_string(kMaxDfaStates) + " states");
    const auto id = static_cast<std::int32_t>(sets_.size());
    index_.emplace(set, id);
    sets_.push_back(std::move(set));
    RawState state;
    state.dfa.next.fill(-1);
    state.parent = parent;
    state.symbol = symbol;
    states_.push_back(state);
    return id;
  }

  void expand(std::size_t id) {
    const std::vector<std::int32_t> set = sets_[id];
    std::vector<std::int32_t> labelled, accepting, markerMove;
    for (std::int32_t n : set) {
      const NfaNode& node = nfa_[static_cast<std::size_t>(n)];
      if (node.labelTarget >= 0) labelled.push_back(n);
      if (node.markerTarget >= 0) markerMove.push_back(node.markerTarget);
      if (node.acceptRule >= 0) accepting.push_back(node.acceptRule);
    }
    spend(256 * static_cast<std::uint64_t>(labelled.size()) + set.size());
    std::vector<std::int32_t> move, previousMove;
    std::int32_t previousTarget = -1;
    for (int b = 0; b < 256; ++b) {
      move.clear();
      for (std::int32_t n : labelled) {
        const NfaNode& node = nfa_[static_cast<std::size_t>(n)];
        if (node.label.test(static_cast<std::size_t>(b))) move.push_back(node.labelTarget);
      }
      std::int32_t target = -1;
      if (b > 0 && move == previousMove) {
        target = previousTarget;
      } else if (!move.empty()) {
        target = intern(closure(move), static_cast<std::int32_t>(id), b);
      }
      states_[id].dfa.next[static_cast<std::size_t>(b)] = target;
      previousMove = move;
      previousTarget = target;
    }
    if (!markerMove.empty())
      states_[id].dfa.onStartMarker = intern(closure(markerMove), static_cast<std::int32_t>(id), kStartMarkerSymbol);
    if (!accepting.empty()) {
      std::sort(accepting.begin(), accepting.end());
      const std::int32_t rule = winner(accepting, id);
      states_[id].rule = rule;
      states_[id].dfa.record = finalRecordOf(list_.rules[static_cast<std::size_t>(rule)]);
    }
  }

  bool beats(std::int32_t a, std::int32_t b) const {
    const auto& beaten = list_.rules[static_cast<std::size_t>(a)].beats;
    return std::find(beaten.begin(), beaten.end(), static_cast<std::size_t>(b)) != beaten.end();
  }

  // The rule that is over every other rule accepting here.
  std::int32_t winner(const std::vector<std::int32_t>& rules, std::size_t id) const {
    for (std::int32_t candidate : rules) {
      bool overAll = true;
      for (std::int32_t other : rules) overAll = overAll && (other == candidate || beats(candidate, other));
      if (overAll) return candidate;
    }
    const std::string example = exampleText(id);
    for (std::size_t i = 0; i < rules.size(); ++i) {
      for (std::size_t j = i + 1; j < rules.size(); ++j) {
        if (beats(rules[i], rules[j]) || beats(rules[j], rules[i])) continue;
        const TokenRule& a = list_.rules[static_cast<std::size_t>(rules[i])];
        const TokenRule& b = list_.rules[static_cast<std::size_t>(rules[j])];
        throw DefinitionError(std::max(a.line, b.line),
                              a.name + " (line " + std::to_string(a.line) + ") and " + b.name + " (line " +
                                  std::to_string(b.line) + ") both match " + example +
                                  " as the longest text; put \"over\" on the one that should win");
      }
    }
    std::string names;
    std::int32_t line = 0;
    for (std::int32_t r : rules) {
      const TokenRule& rule = list_.rules[static_cast<std::size_t>(r)];
      names += (names.empty() ? "" : ", ") + rule.name;
      line = std::max(line, rule.line);
    }
    throw DefinitionError(line, "no winner among " + names + " for " + example + ": their \"over\" flags go round in a circle");
  }

  // A shortest text that leads to the state, quoted, for messages.
  std::string exampleText(std::size_t id) const {
    std::vector<int> symbols;
    for (auto s = static_cast<std::int32_t>(id); states_[static_cast<std::size_t>(s)].parent >= 0;
         s = states_[static_cast<std::size_t>(s)].parent)
      symbols.push_back(states_[static_cast<std::size_t>(s)].symbol);
    std::string text = "\"";
    for (auto it = symbols.rbegin(); it != symbols.rend(); ++it)
      text += *it == kStartMarkerSymbol ? std::string("<start>") : describeByte(*it);
    return text + "\"";
  }

  void checkEveryRuleWins() const {
    std::vector<bool> wins(list_.rules.size(), false);
    for (const auto& state : states_)
      if (state.rule >= 0) wins[static_cast<std::size_t>(state.rule)] = true;
    for (std::size_t i = 0; i < list_.rules.size(); ++i)
      if (!wins[i])
        throw DefinitionError(list_.rules[i].line, list_.rules[i].name +
                                                       " can never be delivered: every text it matches goes to a rule over it");
  }

  const ExpressionListDefinition& list_;
  std::int32_t listIndex_;
  std::vector<NfaNode> nfa_;
  std::vector<std::uint32_t> stamp_;
  std::uint32_t generation_ = 0;
  std::uint64_t work_ = 0;
  std::map<std::vector<std::int32_t>, std::int32_t> index_;
  std::vector<std::vector<std::int32_t>> sets_;
  std::vector<RawState> states_;
};

}  // namespace

LexFinalRecord finalRecordOf(const TokenRule& rule) {
  LexFinalRecord record;
  record.token = rule.token;
  record.flags = FinalFlagAccept;
  if (rule.ignore) record.flags |= FinalFlagIgnore;
  if (rule.pop) record.flags |= FinalFlagPop;
  if (rule.pushList >= 0) {
    record.flags |= FinalFlagPush;
    record.listIndex = rule.pushList;
  }
  return record;
}

LexDfa buildListAutomaton(const ExpressionListDefinition& list, std::int32_t listIndex) {
  std::vector<RawState> raw = SubsetConstruction(list, listIndex).run();
  std::vector<LexDfaState> states;
  states.reserve(raw.size());
  for (auto& state : raw) states.push_back(state.dfa);
  return minimiseDfa(std::move(states));
}

}  // namespace morvane::tablegen
