// User-defined type names: the rows the types window edits (a C name and the
// Pascal name it becomes), the UserTypeTable built from them at every
// translation, and the substitution of the listed C names into the C text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

struct UserTypeRow {
  std::string cName;
  std::string pascalName;
  friend bool operator==(const UserTypeRow&, const UserTypeRow&) = default;
};
using UserTypeRows = std::vector<UserTypeRow>;

// Raised by FillUserTypeTable when the rows name more types than the table holds.
class UserTypeOverflow : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Entries 1 to 256, each a (C name, Pascal name) pair, and a count. A fill does not
// clear the entries above the new count: they keep what an earlier fill stored.
class UserTypeTable {
 public:
  static constexpr std::int32_t kCapacity = 256;

  std::int32_t count() const noexcept { return count_; }
  // Entry n, 1 <= n <= kCapacity (empty strings for an entry never filled).
  const std::string& cName(std::int32_t n) const { return entries_.at(static_cast<std::size_t>(n - 1)).cName; }
  const std::string& pascalName(std::int32_t n) const {
    return entries_.at(static_cast<std::size_t>(n - 1)).pascalName;
  }

 private:
  friend void FillUserTypeTable(UserTypeTable& table, const UserTypeRows& rows);
  std::array<UserTypeRow, kCapacity> entries_{};
  std::int32_t count_ = 0;
};

// The cell without the characters of code 32 or less at either end.
std::string trimUserTypeCell(std::string_view cell);

// Rebuilds the table from the rows: both cells trimmed of every character of code
// 32 or less at both ends, an empty Pascal name taken from the C name, rows without
// a C name skipped (they use no number). More than 256 named rows: UserTypeOverflow,
// and the table is left as it was.
void FillUserTypeTable(UserTypeTable& table, const UserTypeRows& rows);

// From the 1-based position, skips non-identifier characters and returns the next
// run of identifier characters (0-9, A-Z, a-z, _), leaving the position just after
// it; an empty identifier at the end of the text.
std::string ScanIdentifier(std::string_view text, std::size_t& position);

// Replaces characters first to last (1-based, inclusive) by the replacement.
void ReplaceRange(std::string& text, std::string_view replacement, std::size_t first, std::size_t last);

// Fills the table, then replaces every whole identifier run equal to an entry's C
// name by "UserDefined" + the entry's number, with the result of one pass per entry
// in entry order, computed in a single linear pass.
void SubstituteUserTypes(std::string& text, const UserTypeRows& rows, UserTypeTable& table);

}  // namespace morvane
