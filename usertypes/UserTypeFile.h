// The user type file and the types window's grid of user type rows, without
// widgets. The file is plain 8-bit text, two lines per type (the C name, then the
// Pascal name), lines ending in CR LF when written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "usertypes/UserTypes.h"

namespace morvane {

// The grid `typesgrid`: two columns (C name, Pascal name), at least one row, every
// cell editable. Its rows are what the next translation reads.
class UserTypeGrid {
 public:
  UserTypeGrid();  // one row with two empty cells

  const UserTypeRows& rows() const noexcept { return rows_; }
  std::int32_t rowCount() const noexcept { return static_cast<std::int32_t>(rows_.size()); }
  // Column 0 the C name, 1 the Pascal name; std::out_of_range for a cell not in the grid.
  void setCell(std::int32_t row, std::int32_t column, std::string text);
  const std::string& cell(std::int32_t row, std::int32_t column) const;

  // "Add": one empty row at the end.
  void addRow();
  // "Delete": removes the row (the rows below move up); with one row, or an index
  // that names no row, nothing changes.
  void deleteRow(std::int32_t row);

  // "Open", the part after the dialog and after the file was read whole (so a file
  // that cannot be read leaves the grid as it was): the grid is cut to one row (that
  // row's cells stay until overwritten), then each pair of lines of the file text
  // fills the last row and an empty row is added; names are kept as read, without
  // trimming. A line ends at CR LF, LF or a lone CR; a last line without a line
  // break counts; a missing last Pascal name is empty.
  void loadFileText(std::string_view fileText);
  // "Save", the part after the dialog: the file text of the rows (cells trimmed, an
  // empty Pascal name taken from the C name, rows without a C name left out), each
  // line followed by CR LF. The grid is not changed.
  std::string fileText() const;

 private:
  UserTypeRows rows_;
};

}  // namespace morvane
