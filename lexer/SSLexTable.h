// SSLexTable and SSLexExpressionList: the lexer table image (one or more DFAs,
// "expression lists") and the two lookups the lexer makes in it. The image is a
// 36-byte header followed by expression list blocks; the same block format is
// embedded in parse tables, where the automata run over token numbers.
//
// Loading checks every count and offset against the image: a malformed image
// raises SSException code 4 ("name (reason)") and nothing outside the image is
// ever read. Each state has a row of its own: rows that are shared, overlap one
// another or overlap the header, final records or row index are refused, which
// keeps the loading work proportional to the image.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

inline constexpr std::uint32_t kLexTableMagic = 0x53534C58;  // bytes 58 4C 53 53
inline constexpr std::int32_t kLexFileHeaderSize = 36;
inline constexpr std::int32_t kLexListHeaderSize = 88;
inline constexpr std::int32_t kLexFinalRecordSize = 28;
inline constexpr std::int32_t kLexTransitionSize = 12;

// Final-record flag bits.
inline constexpr std::uint32_t FinalFlagMark = 0x01;
inline constexpr std::uint32_t FinalFlagStartOfLine = 0x02;
inline constexpr std::uint32_t FinalFlagPop = 0x08;
inline constexpr std::uint32_t FinalFlagAccept = 0x10;
inline constexpr std::uint32_t FinalFlagPush = 0x20;
inline constexpr std::uint32_t FinalFlagIgnore = 0x40;
inline constexpr std::uint32_t FinalFlagTrailing = 0x80;
inline constexpr std::uint32_t FinalFlagReduce = 0x100;

// One state's final record (the 16 reserved bytes are not kept).
struct SSLexFinalRecord {
  std::int32_t token = 0;      // token delivered; in parse-table automata a state or production
  std::int32_t listIndex = 0;  // list to push or switch to
  std::uint32_t flags = 0;
};

// One expression list: a DFA over characters (0..255 and the start marker -1) or,
// inside a parse table, over token numbers.
//
// The rows are not kept as written: loading turns each into a dense next-state row
// over -1..255 (the lexer's hot path) and a sorted list of ranges for every other
// value, both giving exactly the answer of walking the written row.
class SSLexExpressionList {
 public:
  // Builds the list from a block held in memory. `block` runs from the block's first
  // byte to the end of the enclosing image; the block's own size (its second word)
  // must fit in it. Checks the block magic (code 4 with `name`) and every offset.
  // `context` (such as "lookahead list 2") is put before the reason of a fault.
  SSLexExpressionList(std::span<const unsigned char> block, const char* name, std::string_view context = {});
  ~SSLexExpressionList();
  SSLexExpressionList(const SSLexExpressionList&) = delete;
  SSLexExpressionList& operator=(const SSLexExpressionList&) = delete;

  // The next state from `state` on character (or token) c, or -1 when the row has
  // no transition for it. Rows are walked in order: for c = -1 the first transition
  // whose low is -1; otherwise the walk stops with no transition at the first low
  // above c and takes the first transition whose high is not below c.
  // A state outside the list has no transitions.
  std::int32_t nextState(std::int32_t c, std::int32_t state) const noexcept {
    if (static_cast<std::uint32_t>(state) >= static_cast<std::uint32_t>(stateCount_)) return -1;
    if (c >= -1 && c <= kLastCharacter)
      return dense_[static_cast<std::size_t>(state) * kDenseWidth + static_cast<std::size_t>(c + 1)];
    return nextStateBeyondCharacters(c, state);
  }

  // That state's final record. The caller keeps 0 <= state < stateCount().
  const SSLexFinalRecord& finalRecord(std::int32_t state) const noexcept {
    return finals_[static_cast<std::size_t>(state)];
  }

  std::int32_t stateCount() const noexcept { return stateCount_; }
  std::int32_t blockSize() const noexcept { return blockSize_; }

 private:
  friend class SSLexTable;
  struct FromFile {};
  // One piece of a row's answer for values other than -1: from `from` up to the
  // next piece's `from`, the next state is `next`.
  struct Piece {
    std::int32_t from;
    std::int32_t next;
  };
  static constexpr std::int32_t kLastCharacter = 255;
  static constexpr std::size_t kDenseWidth = kLastCharacter + 2;  // -1..255

  // The file loader's path: the block magic is not checked there.
  SSLexExpressionList(std::span<const unsigned char> block, const char* name, std::string_view context,
                      FromFile);
  void load(std::span<const unsigned char> block, const char* name, std::string_view context,
            bool checkMagic);
  std::int32_t nextStateBeyondCharacters(std::int32_t c, std::int32_t state) const noexcept;

  std::int32_t stateCount_ = 0;
  std::int32_t blockSize_ = 0;
  std::vector<SSLexFinalRecord> finals_;
  std::vector<std::int32_t> dense_;        // stateCount x kDenseWidth
  std::vector<Piece> pieces_;              // every state's pieces, in state order
  std::vector<std::uint32_t> firstPiece_;  // stateCount + 1 indexes into pieces_
};

// A loaded lexer table: its expression lists in file order.
class SSLexTable {
 public:
  // Loads the embedded item "dfa"; `name` only fills the %s of error messages.
  explicit SSLexTable(const char* name);
  // Loads an image held in memory (tests, tools).
  SSLexTable(std::span<const unsigned char> image, const char* name);
  ~SSLexTable();
  SSLexTable(const SSLexTable&) = delete;
  SSLexTable& operator=(const SSLexTable&) = delete;

  // The list with that index; code 6 with the index when it is out of range.
  SSLexExpressionList& expressionList(std::int32_t index);
  const SSLexExpressionList& expressionList(std::int32_t index) const;
  std::int32_t listCount() const noexcept { return static_cast<std::int32_t>(lists_.size()); }

 private:
  void load(std::span<const unsigned char> image, const char* name);
  std::vector<std::unique_ptr<SSLexExpressionList>> lists_;
};

}  // namespace morvane
