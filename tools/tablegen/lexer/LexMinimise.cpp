// DFA minimisation by partition refinement over blocks of states and "cords" of
// transitions (Valmari and Lehtinen's form of Hopcroft's algorithm), O(m log n) for
// m transitions: it works on the partial automaton directly, which is sound once
// every state left can still reach an accepting state.
#include "tools/tablegen/lexer/LexMinimise.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "lexer/SSLexTable.h"

namespace morvane::tablegen {
namespace {

constexpr std::int32_t kStartMarkerLabel = 256;  // the symbols are bytes 0..255 and the marker

// A partition of 0..n-1 into sets that can be split by marking elements. The
// elements of a set are contiguous in `elements_`, the marked ones first.
class RefinablePartition {
 public:
  // One set per distinct key, in key order.
  explicit RefinablePartition(const std::vector<std::int32_t>& keyOf)
      : elements_(keyOf.size()), location_(keyOf.size()), setOf_(keyOf.size()) {
    std::iota(elements_.begin(), elements_.end(), 0);
    std::stable_sort(elements_.begin(), elements_.end(),
                     [&](std::int32_t a, std::int32_t b) { return keyOf[static_cast<std::size_t>(a)] < keyOf[static_cast<std::size_t>(b)]; });
    for (std::size_t i = 0; i < elements_.size(); ++i) {
      const auto e = static_cast<std::size_t>(elements_[i]);
      if (i == 0 || keyOf[e] != keyOf[static_cast<std::size_t>(elements_[i - 1])]) {
        if (!first_.empty()) past_.push_back(static_cast<std::int32_t>(i));
        first_.push_back(static_cast<std::int32_t>(i));
        marked_.push_back(0);
      }
      location_[e] = static_cast<std::int32_t>(i);
      setOf_[e] = static_cast<std::int32_t>(first_.size() - 1);
    }
    if (!first_.empty()) past_.push_back(static_cast<std::int32_t>(elements_.size()));
  }

  std::int32_t setCount() const { return static_cast<std::int32_t>(first_.size()); }
  std::int32_t first(std::int32_t set) const { return first_[static_cast<std::size_t>(set)]; }
  std::int32_t past(std::int32_t set) const { return past_[static_cast<std::size_t>(set)]; }
  std::int32_t element(std::int32_t i) const { return elements_[static_cast<std::size_t>(i)]; }
  std::int32_t setOf(std::int32_t e) const { return setOf_[static_cast<std::size_t>(e)]; }

  // Marks an element; each element at most once between two splits.
  void mark(std::int32_t e) {
    const auto s = static_cast<std::size_t>(setOf_[static_cast<std::size_t>(e)]);
    const auto i = static_cast<std::size_t>(location_[static_cast<std::size_t>(e)]);
    const auto j = static_cast<std::size_t>(first_[s] + marked_[s]);
    elements_[i] = elements_[j];
    location_[static_cast<std::size_t>(elements_[i])] = static_cast<std::int32_t>(i);
    elements_[j] = e;
    location_[static_cast<std::size_t>(e)] = static_cast<std::int32_t>(j);
    if (marked_[s]++ == 0) touched_.push_back(static_cast<std::int32_t>(s));
  }

  // Splits every set with marked elements into its marked and unmarked parts; the
  // smaller part becomes a new set. Marks are cleared.
  void split() {
    while (!touched_.empty()) {
      const auto s = static_cast<std::size_t>(touched_.back());
      touched_.pop_back();
      const std::int32_t j = first_[s] + marked_[s];
      if (j == past_[s]) {
        marked_[s] = 0;
        continue;
      }
      std::int32_t newFirst, newPast;
      if (marked_[s] <= past_[s] - j) {
        newFirst = first_[s];
        newPast = first_[s] = j;
      } else {
        newPast = past_[s];
        newFirst = past_[s] = j;
      }
      const auto z = static_cast<std::int32_t>(first_.size());
      first_.push_back(newFirst);
      past_.push_back(newPast);
      marked_.push_back(0);
      for (std::int32_t i = newFirst; i < newPast; ++i) setOf_[static_cast<std::size_t>(elements_[static_cast<std::size_t>(i)])] = z;
      marked_[s] = 0;
    }
  }

 private:
  std::vector<std::int32_t> elements_, location_, setOf_;
  std::vector<std::int32_t> first_, past_, marked_;
  std::vector<std::int32_t> touched_;
};

// Drops the transitions into states from which no accepting state can be reached:
// reading on from there could only end in an invalid token.
void trimDeadEnds(std::vector<LexDfaState>& states) {
  const std::size_t n = states.size();
  std::vector<std::vector<std::int32_t>> incoming(n);
  for (std::size_t s = 0; s < n; ++s) {
    for (std::int32_t t : states[s].next)
      if (t >= 0) incoming[static_cast<std::size_t>(t)].push_back(static_cast<std::int32_t>(s));
    if (states[s].onStartMarker >= 0)
      incoming[static_cast<std::size_t>(states[s].onStartMarker)].push_back(static_cast<std::int32_t>(s));
  }
  std::vector<bool> live(n, false);
  std::vector<std::int32_t> work;
  for (std::size_t s = 0; s < n; ++s)
    if (states[s].record.flags & FinalFlagAccept) {
      live[s] = true;
      work.push_back(static_cast<std::int32_t>(s));
    }
  while (!work.empty()) {
    const auto s = static_cast<std::size_t>(work.back());
    work.pop_back();
    for (std::int32_t p : incoming[s])
      if (!live[static_cast<std::size_t>(p)]) {
        live[static_cast<std::size_t>(p)] = true;
        work.push_back(p);
      }
  }
  for (auto& state : states) {
    for (auto& t : state.next)
      if (t >= 0 && !live[static_cast<std::size_t>(t)]) t = -1;
    if (state.onStartMarker >= 0 && !live[static_cast<std::size_t>(state.onStartMarker)]) state.onStartMarker = -1;
  }
}

// The block of every state in the coarsest partition that keeps different final
// records apart and is stable under every symbol.
std::vector<std::int32_t> equivalenceClasses(const std::vector<LexDfaState>& states) {
  std::map<LexFinalRecord, std::int32_t> recordKey;
  std::vector<std::int32_t> stateKey;
  for (const auto& state : states) stateKey.push_back(recordKey.emplace(state.record, static_cast<std::int32_t>(recordKey.size())).first->second);
  RefinablePartition blocks(stateKey);

  // The transitions, and for each state the transitions that enter it.
  std::vector<std::int32_t> tail, label, head;
  for (std::size_t s = 0; s < states.size(); ++s) {
    auto add = [&](std::int32_t symbol, std::int32_t target) {
      if (target < 0) return;
      tail.push_back(static_cast<std::int32_t>(s));
      label.push_back(symbol);
      head.push_back(target);
    };
    for (std::int32_t b = 0; b < 256; ++b) add(b, states[s].next[static_cast<std::size_t>(b)]);
    add(kStartMarkerLabel, states[s].onStartMarker);
  }
  std::vector<std::int32_t> enteringStart(states.size() + 1, 0), entering(head.size());
  for (std::int32_t h : head) ++enteringStart[static_cast<std::size_t>(h) + 1];
  for (std::size_t s = 0; s < states.size(); ++s) enteringStart[s + 1] += enteringStart[s];
  std::vector<std::int32_t> fill(enteringStart.begin(), enteringStart.end() - 1);
  for (std::size_t t = 0; t < head.size(); ++t)
    entering[static_cast<std::size_t>(fill[static_cast<std::size_t>(head[t])]++)] = static_cast<std::int32_t>(t);

  // Cords: sets of transitions with one label whose tails lie in one block. Each
  // cord splits the blocks by "has such a transition"; each new block splits the
  // cords by "enters this block".
  RefinablePartition cords(label);
  std::int32_t b = 0, c = 0;
  while (c < cords.setCount()) {
    for (std::int32_t i = cords.first(c); i < cords.past(c); ++i) blocks.mark(tail[static_cast<std::size_t>(cords.element(i))]);
    blocks.split();
    ++c;
    for (; b < blocks.setCount(); ++b) {
      for (std::int32_t i = blocks.first(b); i < blocks.past(b); ++i) {
        const auto q = static_cast<std::size_t>(blocks.element(i));
        for (std::int32_t j = enteringStart[q]; j < enteringStart[q + 1]; ++j) cords.mark(entering[static_cast<std::size_t>(j)]);
      }
      cords.split();
    }
  }
  std::vector<std::int32_t> classOf(states.size());
  for (std::size_t s = 0; s < states.size(); ++s) classOf[s] = blocks.setOf(static_cast<std::int32_t>(s));
  return classOf;
}

// The quotient automaton, numbered breadth-first from the start state (bytes in
// ascending order, then the start marker), leaving out what cannot be reached.
LexDfa quotient(const std::vector<LexDfaState>& states, const std::vector<std::int32_t>& classOf) {
  std::map<std::int32_t, std::int32_t> newNumber;  // class -> new state
  std::vector<std::size_t> representative;
  auto number = [&](std::int32_t oldState) -> std::int32_t {
    if (oldState < 0) return -1;
    const auto [it, added] = newNumber.emplace(classOf[static_cast<std::size_t>(oldState)],
                                               static_cast<std::int32_t>(representative.size()));
    if (added) representative.push_back(static_cast<std::size_t>(oldState));
    return it->second;
  };
  LexDfa dfa;
  number(0);
  for (std::size_t i = 0; i < representative.size(); ++i) {
    const LexDfaState& old = states[representative[i]];
    LexDfaState state;
    state.record = old.record;
    for (std::size_t b = 0; b < 256; ++b) state.next[b] = number(old.next[b]);
    state.onStartMarker = number(old.onStartMarker);
    dfa.states.push_back(state);
  }
  return dfa;
}

}  // namespace

LexDfa minimiseDfa(std::vector<LexDfaState> states) {
  trimDeadEnds(states);
  return quotient(states, equivalenceClasses(states));
}

}  // namespace morvane::tablegen
