// The one place that knows the tables are little-endian images of 32-bit words.
// Callers check bounds before reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace morvane {

inline std::uint32_t readLe32(const unsigned char* p) noexcept {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline std::int32_t readLe32Signed(const unsigned char* p) noexcept {
  return static_cast<std::int32_t>(readLe32(p));  // two's complement, defined since C++20
}

inline void writeLe32(unsigned char* p, std::uint32_t value) noexcept {
  p[0] = static_cast<unsigned char>(value);
  p[1] = static_cast<unsigned char>(value >> 8);
  p[2] = static_cast<unsigned char>(value >> 16);
  p[3] = static_cast<unsigned char>(value >> 24);
}

}  // namespace morvane
