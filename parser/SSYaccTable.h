// SSYaccTable: a loaded LALR(1) parse table image: productions (length and left
// side), one record per state with its actions and gotos, optional error entries
// for recovery, and embedded expression lists that resolve conflicts by reading
// further tokens. Every offset, count, entry target and list index is checked
// against the image at load time; nothing outside it is ever read. A fault raises
// code 13 ("name (reason)"), code 4 inside an embedded list. States may share a
// record; distinct records may not overlap, nor lie in the fixed part.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "lexer/SSLexTable.h"
#include "parser/SSYaccSymbolIndex.h"

namespace morvane {

inline constexpr std::uint32_t kYaccTableMagic = 0x53535943;  // bytes 43 59 53 53
inline constexpr std::int32_t kYaccHeaderSize = 20;
inline constexpr std::int32_t kYaccMaxFixedPart = 65535;  // 20 + 8 x productions + 4 x states

// Action word bits.
inline constexpr std::uint32_t ActionTargetMask = 0xFFFF;
inline constexpr std::uint32_t ActionConflict = 0x08000000;
inline constexpr std::uint32_t ActionAccept = 0x10000000;
inline constexpr std::uint32_t ActionReduce = 0x20000000;
inline constexpr std::uint32_t ActionShift = 0x40000000;
inline constexpr std::uint32_t ActionSync = 0x80000000;

// State flags.
inline constexpr std::uint32_t StateHasSync = 0x1;
inline constexpr std::uint32_t StateHasErrorEntry = 0x2;
inline constexpr std::uint32_t StateAllSync = 0x4;

// Symbols: terminals from 0 up, -1 end of input, -2 the error token;
// nonterminals from 16384 up; the start production's left side is 0.
inline constexpr std::int32_t kEofToken = -1;
inline constexpr std::int32_t kErrorToken = -2;
inline constexpr std::int32_t kFirstNonterminal = 16384;

struct SSYaccEntry {
  std::uint32_t word = 0;
  std::int32_t symbol = 0;
};

// A view of one state record inside the table.
struct SSYaccStateRecord {
  std::uint32_t flags = 0;
  std::span<const SSYaccEntry> actions;
  std::span<const SSYaccEntry> gotos;
  bool hasErrorEntry = false;
  SSYaccEntry errorEntry;  // valid when hasErrorEntry: bits 0..15 the state after the error token
};

struct SSYaccProduction {
  std::int32_t rhsLength = 0;
  std::int32_t lhs = 0;
};

class SSYaccTable {
 public:
  // Loads the embedded item "llr"; `name` only fills the %s of error messages.
  explicit SSYaccTable(const char* name);
  // Loads an image held in memory (tests, tools).
  SSYaccTable(std::span<const unsigned char> image, const char* name);
  ~SSYaccTable();
  SSYaccTable(const SSYaccTable&) = delete;
  SSYaccTable& operator=(const SSYaccTable&) = delete;

  std::int32_t stateCount() const noexcept { return static_cast<std::int32_t>(recordOfState_.size()); }
  std::int32_t productionCount() const noexcept { return static_cast<std::int32_t>(productions_.size()); }
  std::int32_t lookaheadListCount() const noexcept { return static_cast<std::int32_t>(lists_.size()); }

  // Every target in the table is checked at load; an index outside raises code 15
  // (code 6 for a list).
  const SSYaccStateRecord& stateRecord(std::int32_t state) const;
  SSYaccProduction production(std::int32_t n) const;
  const SSLexExpressionList& lookaheadList(std::int32_t index) const;

  // The first action entry of the state for the terminal, or nullptr (an error).
  const SSYaccEntry* findAction(std::int32_t state, std::int32_t token) const noexcept {
    return find(actions_, state, token);
  }
  // The first goto entry of the state for the nonterminal, or nullptr.
  const SSYaccEntry* findGoto(std::int32_t state, std::int32_t nonterminal) const noexcept {
    return find(gotos_, state, nonterminal);
  }

  // The image as loaded, byte for byte.
  std::span<const unsigned char> image() const noexcept { return image_; }

 private:
  void load(std::span<const unsigned char> image, const char* name);
  const SSYaccEntry* find(const SSYaccSymbolIndex& index, std::int32_t state,
                          std::int32_t symbol) const noexcept {
    if (static_cast<std::uint32_t>(state) >= recordOfState_.size()) return nullptr;
    const std::int32_t entry = index.find(recordOfState_[static_cast<std::size_t>(state)], symbol);
    return entry < 0 ? nullptr : &entries_[static_cast<std::size_t>(entry)];
  }

  std::vector<unsigned char> image_;
  std::vector<SSYaccProduction> productions_;
  std::vector<SSYaccEntry> entries_;        // every distinct record's entries
  std::vector<SSYaccStateRecord> records_;  // distinct records: states may share one
  std::vector<std::uint32_t> recordOfState_;
  std::vector<std::unique_ptr<SSLexExpressionList>> lists_;
  SSYaccSymbolIndex actions_;
  SSYaccSymbolIndex gotos_;
};

}  // namespace morvane
