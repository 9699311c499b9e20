// SSStack: the engines' growable last-in-first-out container. Capacity starts at
// 32 and grows by 32 slots when full (the items copied over in order); it never
// shrinks. Failures leave the stack unchanged.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "lexer/SSException.h"

namespace morvane {

template <class T>
class SSStack {
 public:
  static constexpr std::int32_t kGrowth = 32;

  SSStack() : items_(std::make_unique<T[]>(kGrowth)) {}

  void push(T item) {
    if (count_ == capacity_) {
      auto grown = std::make_unique<T[]>(static_cast<std::size_t>(capacity_) + kGrowth);
      for (std::int32_t i = 0; i < count_; ++i) grown[i] = std::move(items_[i]);
      items_ = std::move(grown);
      capacity_ += kGrowth;
    }
    items_[count_++] = std::move(item);
  }

  // Removes the top item; code 8 on an empty stack.
  void pop() {
    if (count_ == 0) throw SSException(sscode::kCannotPop, ssmsg::kCannotPop);
    items_[--count_] = T();
  }

  // The top item; code 7 on an empty stack.
  T& top() {
    if (count_ == 0) throw SSException(sscode::kNoTop, ssmsg::kNoTop);
    return items_[count_ - 1];
  }
  const T& top() const { return const_cast<SSStack*>(this)->top(); }

  std::int32_t count() const noexcept { return count_; }
  std::int32_t capacity() const noexcept { return capacity_; }

  // Item by index from the bottom (0); the caller keeps 0 <= index < count.
  T& operator[](std::int32_t index) noexcept { return items_[index]; }
  const T& operator[](std::int32_t index) const noexcept { return items_[index]; }

 private:
  std::unique_ptr<T[]> items_;
  std::int32_t capacity_ = kGrowth;
  std::int32_t count_ = 0;
};

}  // namespace morvane
