// SSYaccSymbolIndex: building the dense rows or the hash; the first entry of a
// record for a symbol is the one kept.
#include "parser/SSYaccSymbolIndex.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "parser/SSYaccTable.h"

namespace morvane {

void SSYaccSymbolIndex::build(const std::vector<std::span<const SSYaccEntry>>& records,
                              const SSYaccEntry* base, std::int64_t cellLimit) {
  std::int64_t low = std::numeric_limits<std::int64_t>::max();
  std::int64_t high = std::numeric_limits<std::int64_t>::min();
  std::size_t entries = 0;
  for (const auto& record : records) {
    for (const SSYaccEntry& e : record) {
      low = std::min<std::int64_t>(low, e.symbol);
      high = std::max<std::int64_t>(high, e.symbol);
    }
    entries += record.size();
  }
  dense_.clear();
  slots_.clear();
  if (entries == 0) {
    width_ = 0;
    dense_.assign(1, 0);  // every lookup falls outside the (empty) range
    return;
  }
  const std::int64_t width = high - low + 1;
  if (width <= cellLimit / std::max<std::int64_t>(static_cast<std::int64_t>(records.size()), 1)) {
    low_ = low;
    width_ = static_cast<std::uint64_t>(width);
    dense_.assign(records.size() * width_, 0);
    for (std::size_t r = 0; r < records.size(); ++r) {
      for (const SSYaccEntry& e : records[r]) {
        std::uint32_t& cell = dense_[r * width_ + static_cast<std::uint64_t>(e.symbol - low_)];
        if (cell == 0) cell = static_cast<std::uint32_t>(&e - base) + 1;
      }
    }
    return;
  }
  std::size_t capacity = 16;
  while (capacity < 2 * entries) capacity *= 2;
  slots_.assign(capacity, {});
  shift_ = 64 - std::countr_zero(capacity);
  const std::size_t mask = capacity - 1;
  for (std::size_t r = 0; r < records.size(); ++r) {
    for (const SSYaccEntry& e : records[r]) {
      const std::uint64_t key = keyOf(static_cast<std::uint32_t>(r), e.symbol);
      for (std::size_t i = home(key);; i = (i + 1) & mask) {
        if (slots_[i].key == key) break;  // a later entry for the symbol: the first one stays
        if (slots_[i].key == 0) {
          slots_[i] = {key, static_cast<std::uint32_t>(&e - base)};
          break;
        }
      }
    }
  }
}

std::int32_t SSYaccSymbolIndex::findHashed(std::uint32_t record, std::int32_t symbol) const noexcept {
  const std::uint64_t key = keyOf(record, symbol);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = home(key);; i = (i + 1) & mask) {
    if (slots_[i].key == key) return static_cast<std::int32_t>(slots_[i].entry);
    if (slots_[i].key == 0) return -1;
  }
}

}  // namespace morvane
