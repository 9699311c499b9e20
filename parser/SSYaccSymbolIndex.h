// SSYaccSymbolIndex: finds the first entry of a state record for a symbol, for the
// parse table's action and goto lookups. Dense rows over the symbols' range when
// they need no more cells than the image has bytes (the C table's case), else an
// open-addressing hash; either way memory stays proportional to the image.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace morvane {

struct SSYaccEntry;

class SSYaccSymbolIndex {
 public:
  // `records` holds each record's entries, all inside the array starting at `base`.
  void build(const std::vector<std::span<const SSYaccEntry>>& records, const SSYaccEntry* base,
             std::int64_t cellLimit);

  // The index (from `base`) of the record's first entry for the symbol, or -1.
  std::int32_t find(std::uint32_t record, std::int32_t symbol) const noexcept {
    if (!dense_.empty()) {
      const std::uint64_t column = static_cast<std::uint64_t>(std::int64_t{symbol} - low_);
      if (column >= width_) return -1;
      return static_cast<std::int32_t>(dense_[record * width_ + column]) - 1;
    }
    return findHashed(record, symbol);
  }

 private:
  struct Slot {
    std::uint64_t key = 0;  // 0: empty
    std::uint32_t entry = 0;
  };
  static std::uint64_t keyOf(std::uint32_t record, std::int32_t symbol) noexcept {
    return std::uint64_t{record + 1} << 32 | static_cast<std::uint32_t>(symbol);
  }
  std::size_t home(std::uint64_t key) const noexcept {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  std::int32_t findHashed(std::uint32_t record, std::int32_t symbol) const noexcept;

  std::int64_t low_ = 0;              // the lowest symbol, column 0
  std::uint64_t width_ = 0;           // columns per record
  std::vector<std::uint32_t> dense_;  // entry index + 1; 0: none
  std::vector<Slot> slots_;
  int shift_ = 64;
};

}  // namespace morvane
