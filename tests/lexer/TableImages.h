// Hand-assembled table images for the engine tests: lexer tables (lists of states
// with final records and rows) and parse tables (productions, state records,
// embedded lookahead lists), laid out as the generator lays them out, plus a heap
// copy of exactly the image's size so that the sanitizers see any read beyond it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "lexer/LittleEndian.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"

namespace morvane::testimage {

using Bytes = std::vector<unsigned char>;

inline void putWord(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  if (bytes.size() < offset + 4) bytes.resize(offset + 4);
  writeLe32(bytes.data() + offset, value);
}
inline void appendWord(Bytes& bytes, std::uint32_t value) { putWord(bytes, bytes.size(), value); }
inline std::int32_t wordAt(const Bytes& bytes, std::size_t offset) {
  return readLe32Signed(bytes.data() + offset);
}

struct Transition {
  std::int32_t low;
  std::int32_t high;
  std::int32_t next;
};

struct LexState {
  std::int32_t token = 0;
  std::int32_t listIndex = 0;
  std::uint32_t flags = 0;
  std::vector<Transition> row;
};
using LexList = std::vector<LexState>;

// Where the parts of a block built by lexBlock lie, relative to the block.
constexpr std::size_t kFinalsAt = kLexListHeaderSize;
inline std::size_t rowIndexAt(std::size_t states) { return kFinalsAt + states * kLexFinalRecordSize; }

// One expression list block: header, final records, row index, rows.
inline Bytes lexBlock(const LexList& list) {
  const std::size_t states = list.size();
  Bytes block(kLexListHeaderSize, 0);
  putWord(block, 0, kLexTableMagic);
  putWord(block, 40, static_cast<std::uint32_t>(states));
  putWord(block, 48, static_cast<std::uint32_t>(rowIndexAt(states)));
  putWord(block, 52, static_cast<std::uint32_t>(kFinalsAt));
  for (const LexState& state : list) {
    appendWord(block, static_cast<std::uint32_t>(state.token));
    appendWord(block, static_cast<std::uint32_t>(state.listIndex));
    appendWord(block, state.flags);
    for (int i = 0; i < 4; ++i) appendWord(block, 0);
  }
  std::size_t rowAt = rowIndexAt(states) + 4 * states;
  for (const LexState& state : list) {
    appendWord(block, static_cast<std::uint32_t>(rowAt));
    rowAt += 4 + state.row.size() * kLexTransitionSize;
  }
  for (const LexState& state : list) {
    appendWord(block, static_cast<std::uint32_t>(state.row.size()));
    for (const Transition& t : state.row) {
      appendWord(block, static_cast<std::uint32_t>(t.low));
      appendWord(block, static_cast<std::uint32_t>(t.high));
      appendWord(block, static_cast<std::uint32_t>(t.next));
    }
  }
  putWord(block, 4, static_cast<std::uint32_t>(block.size()));
  putWord(block, 44, static_cast<std::uint32_t>(block.size()));
  return block;
}

// A lexer table image: the 36-byte file header, then the blocks.
inline Bytes lexImage(const std::vector<LexList>& lists) {
  Bytes image(kLexFileHeaderSize, 0);
  putWord(image, 0, static_cast<std::uint32_t>(lists.size()));
  putWord(image, 4, kLexTableMagic);
  for (const LexList& list : lists) {
    const Bytes block = lexBlock(list);
    image.insert(image.end(), block.begin(), block.end());
  }
  return image;
}

// An image copied into a heap block of exactly its size.
class HeapImage {
 public:
  explicit HeapImage(const Bytes& bytes) : size_(bytes.size()), data_(new unsigned char[bytes.size()]) {
    for (std::size_t i = 0; i < size_; ++i) data_[i] = bytes[i];
  }
  HeapImage(const Bytes& bytes, std::size_t prefix)
      : HeapImage(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(prefix))) {}
  std::span<const unsigned char> span() const { return {data_.get(), size_}; }

 private:
  std::size_t size_;
  std::unique_ptr<unsigned char[]> data_;
};

// Parse tables.
inline SSYaccEntry shiftOn(std::int32_t token, std::uint32_t state) { return {ActionShift | state, token}; }
inline SSYaccEntry reduceOn(std::int32_t token, std::uint32_t production) {
  return {ActionReduce | production, token};
}
inline SSYaccEntry acceptOn(std::int32_t token) { return {ActionAccept, token}; }
inline SSYaccEntry conflictOn(std::int32_t token, std::uint32_t list) {
  return {ActionConflict | list, token};
}
inline SSYaccEntry errorOn(std::int32_t token) { return {0, token}; }
inline SSYaccEntry gotoOn(std::int32_t nonterminal, std::uint32_t state) { return {state, nonterminal}; }

struct YaccState {
  std::uint32_t flags = 0;
  std::vector<SSYaccEntry> actions;
  std::vector<SSYaccEntry> gotos;
  std::uint32_t errorTarget = 0;  // written when flags has StateHasErrorEntry
};

struct YaccImage {
  std::vector<SSYaccProduction> productions;
  std::vector<YaccState> states;
  std::vector<LexList> lists;
};

inline std::size_t stateRecordsAt(const YaccImage& table) {
  return kYaccHeaderSize + 4 * table.states.size() + 8 * table.productions.size();
}

inline Bytes yaccImage(const YaccImage& table) {
  const std::size_t states = table.states.size();
  const std::size_t productions = table.productions.size();
  Bytes image;
  appendWord(image, kYaccTableMagic);
  appendWord(image, static_cast<std::uint32_t>(productions | table.lists.size() << 16));
  appendWord(image, static_cast<std::uint32_t>(states));
  appendWord(image, static_cast<std::uint32_t>(stateRecordsAt(table)));
  appendWord(image, static_cast<std::uint32_t>(kYaccHeaderSize + 4 * states));
  std::size_t recordAt = stateRecordsAt(table);
  for (const YaccState& state : table.states) {
    appendWord(image, static_cast<std::uint32_t>(recordAt));
    const bool extra = state.flags & StateHasErrorEntry;
    recordAt += 12 + 8 * (state.actions.size() + state.gotos.size() + (extra ? 1 : 0));
  }
  for (const SSYaccProduction& p : table.productions) {
    appendWord(image, static_cast<std::uint32_t>(p.rhsLength));
    appendWord(image, static_cast<std::uint32_t>(p.lhs));
  }
  for (const YaccState& state : table.states) {
    appendWord(image, state.flags);
    appendWord(image, static_cast<std::uint32_t>(state.gotos.size()));
    appendWord(image, static_cast<std::uint32_t>(state.actions.size()));
    for (const SSYaccEntry& e : state.actions) {
      appendWord(image, e.word);
      appendWord(image, static_cast<std::uint32_t>(e.symbol));
    }
    for (const SSYaccEntry& e : state.gotos) {
      appendWord(image, e.word);
      appendWord(image, static_cast<std::uint32_t>(e.symbol));
    }
    if (state.flags & StateHasErrorEntry) {
      appendWord(image, state.errorTarget);
      appendWord(image, 0);
    }
  }
  for (const LexList& list : table.lists) {
    const Bytes block = lexBlock(list);
    image.insert(image.end(), block.begin(), block.end());
  }
  return image;
}

}  // namespace morvane::testimage
