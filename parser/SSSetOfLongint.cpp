// SSSetOfLongint: insertion-ordered values in a growable array, searched linearly.
#include "parser/SSSetOfLongint.h"

#include <algorithm>

namespace morvane {

SSSetOfLongint::SSSetOfLongint(std::int32_t capacity, std::int32_t growth)
    : growth_(std::max(growth, 1)),
      capacity_(std::max(capacity, 1)),
      items_(std::make_unique<std::int32_t[]>(static_cast<std::size_t>(capacity_))) {}

bool SSSetOfLongint::add(std::int32_t value) {
  if (contains(value)) return false;
  if (count_ == capacity_) {
    auto grown = std::make_unique<std::int32_t[]>(static_cast<std::size_t>(capacity_) +
                                                  static_cast<std::size_t>(growth_));
    std::copy(items_.get(), items_.get() + count_, grown.get());
    items_ = std::move(grown);
    capacity_ += growth_;
  }
  items_[static_cast<std::size_t>(count_++)] = value;
  return true;
}

bool SSSetOfLongint::contains(std::int32_t value) const noexcept {
  return std::find(items_.get(), items_.get() + count_, value) != items_.get() + count_;
}

}  // namespace morvane
