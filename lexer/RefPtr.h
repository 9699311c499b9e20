// RefPtr: a small intrusive pointer over the engines' hand-kept reference counts.
// T provides addRef() and release() -> bool (true when the count reached 0);
// the holder that sees true destroys the object. A new object starts at count 0,
// so wrapping it in a RefPtr makes its count 1.
#pragma once

#include <cstddef>
#include <utility>

namespace morvane {

template <class T>
class RefPtr {
 public:
  RefPtr() noexcept = default;
  RefPtr(std::nullptr_t) noexcept {}
  explicit RefPtr(T* object) noexcept : p_(object) {
    if (p_) p_->addRef();
  }
  RefPtr(const RefPtr& other) noexcept : RefPtr(other.p_) {}
  RefPtr(RefPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class U>
  RefPtr(const RefPtr<U>& other) noexcept : RefPtr(other.get()) {}
  ~RefPtr() { drop(); }

  RefPtr& operator=(const RefPtr& other) noexcept {
    // Add the new reference before releasing the old one: assigning an object to
    // itself must not destroy it on the way.
    if (other.p_) other.p_->addRef();
    drop();
    p_ = other.p_;
    return *this;
  }
  RefPtr& operator=(RefPtr&& other) noexcept {
    if (this != &other) {
      drop();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  T& operator*() const noexcept { return *p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  void reset() noexcept {
    drop();
    p_ = nullptr;
  }

  friend bool operator==(const RefPtr& a, const RefPtr& b) noexcept { return a.p_ == b.p_; }
  friend bool operator==(const RefPtr& a, std::nullptr_t) noexcept { return a.p_ == nullptr; }

 private:
  void drop() noexcept {
    if (p_ && p_->release()) delete p_;
  }
  T* p_ = nullptr;
};

// Makes a new reference-counted object held by one RefPtr (count 1).
template <class T, class... Args>
RefPtr<T> makeRef(Args&&... args) {
  return RefPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace morvane
