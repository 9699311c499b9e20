// SSSetOfLongint: an unordered set of signed 32-bit values in insertion order,
// searched linearly; grows by `growth` slots when full.
#pragma once

#include <cstdint>
#include <memory>

namespace morvane {

class SSSetOfLongint {
 public:
  SSSetOfLongint(std::int32_t capacity, std::int32_t growth);
  // False when the value is present; otherwise appends it and answers true.
  bool add(std::int32_t value);
  bool contains(std::int32_t value) const noexcept;
  std::int32_t count() const noexcept { return count_; }
  std::int32_t capacity() const noexcept { return capacity_; }
  std::int32_t operator[](std::int32_t index) const noexcept { return items_[index]; }

 private:
  std::int32_t growth_;
  std::int32_t capacity_;
  std::int32_t count_ = 0;
  std::unique_ptr<std::int32_t[]> items_;
};

}  // namespace morvane
