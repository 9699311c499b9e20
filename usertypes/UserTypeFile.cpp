// UserTypeGrid: the rows of the types window with its Add, Delete, Open and Save
// rules, and the text of the user type file (two lines per type).
#include "usertypes/UserTypeFile.h"

#include <stdexcept>
#include <vector>

namespace morvane {

namespace {

// The file's lines: a line ends at CR LF, LF or a lone CR; a last line without a
// line break counts, a final line break starts no new line.
std::vector<std::string_view> fileLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void checkCell(std::int32_t row, std::int32_t column, std::int32_t rowCount) {
  if (row < 0 || row >= rowCount || column < 0 || column > 1) {
    throw std::out_of_range("user type grid: no cell at row " + std::to_string(row) + ", column " +
                            std::to_string(column));
  }
}

}  // namespace

UserTypeGrid::UserTypeGrid() : rows_(1) {}

void UserTypeGrid::setCell(std::int32_t row, std::int32_t column, std::string text) {
  checkCell(row, column, rowCount());
  UserTypeRow& r = rows_[static_cast<std::size_t>(row)];
  (column == 0 ? r.cName : r.pascalName) = std::move(text);
}

const std::string& UserTypeGrid::cell(std::int32_t row, std::int32_t column) const {
  checkCell(row, column, rowCount());
  const UserTypeRow& r = rows_[static_cast<std::size_t>(row)];
  return column == 0 ? r.cName : r.pascalName;
}

void UserTypeGrid::addRow() { rows_.emplace_back(); }

void UserTypeGrid::deleteRow(std::int32_t row) {
  // The grid keeps at least one row; an index naming no row changes nothing.
  if (rows_.size() <= 1 || row < 0 || row >= rowCount()) return;
  rows_.erase(rows_.begin() + row);
}

void UserTypeGrid::loadFileText(std::string_view fileText) {
  // The caller has read the whole file already, so a failed read never gets here and
  // the grid stays as it was.
  rows_.resize(1);  // the first row's cells stay until overwritten
  const std::vector<std::string_view> lines = fileLines(fileText);
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    UserTypeRow& last = rows_.back();
    last.cName = std::string(lines[i]);
    last.pascalName = i + 1 < lines.size() ? std::string(lines[i + 1]) : std::string();
    rows_.emplace_back();
  }
}

std::string UserTypeGrid::fileText() const {
  std::string text;
  for (const UserTypeRow& row : rows_) {
    const std::string cName = trimUserTypeCell(row.cName);
    if (cName.empty()) continue;
    std::string pascalName = trimUserTypeCell(row.pascalName);
    if (pascalName.empty()) pascalName = cName;
    text += cName;
    text += "\r\n";
    text += pascalName;
    text += "\r\n";
  }
  return text;
}

}  // namespace morvane
