// Bounds-checked access to a table image for the loaders of the lexer and parse
// tables. Offsets and sizes are 64-bit so that no count read from an image can wrap.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "lexer/LittleEndian.h"

namespace morvane {

class TableImage {
 public:
  explicit TableImage(std::span<const unsigned char> bytes) noexcept : bytes_(bytes) {}

  std::int64_t size() const noexcept { return static_cast<std::int64_t>(bytes_.size()); }
  // True when [offset, offset + length) lies inside the image.
  bool contains(std::int64_t offset, std::int64_t length) const noexcept {
    return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
  }
  // The word at `offset`; the caller has checked contains(offset, 4).
  std::uint32_t word(std::int64_t offset) const noexcept { return readLe32(bytes_.data() + offset); }
  std::int32_t signedWord(std::int64_t offset) const noexcept {
    return readLe32Signed(bytes_.data() + offset);
  }
  std::span<const unsigned char> bytes() const noexcept { return bytes_; }

 private:
  std::span<const unsigned char> bytes_;
};

// "name (reason)": the %s of the messages that report a malformed table.
inline std::string nameWithReason(const char* name, std::string_view reason) {
  std::string text = name ? name : "";
  text += " (";
  text += reason;
  text += ')';
  return text;
}

}  // namespace morvane
