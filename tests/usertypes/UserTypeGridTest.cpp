// UserTypeGrid: Add, Delete, and the user type file text read by Open and written
// by Save.
#include <gtest/gtest.h>

#include "usertypes/UserTypeFile.h"

namespace morvane {
namespace {

UserTypeGrid gridOf(const UserTypeRows& rows) {
  UserTypeGrid grid;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) grid.addRow();
    grid.setCell(static_cast<std::int32_t>(i), 0, rows[i].cName);
    grid.setCell(static_cast<std::int32_t>(i), 1, rows[i].pascalName);
  }
  return grid;
}

TEST(UserTypeGrid, StartsWithOneEmptyRowAndAddsEmptyRows) {
  UserTypeGrid grid;
  EXPECT_EQ(grid.rows(), (UserTypeRows{{"", ""}}));
  grid.setCell(0, 1, "Cardinal");
  grid.addRow();
  EXPECT_EQ(grid.rows(), (UserTypeRows{{"", "Cardinal"}, {"", ""}}));
  EXPECT_EQ(grid.cell(0, 1), "Cardinal");
  EXPECT_THROW(grid.setCell(2, 0, "x"), std::out_of_range);
  EXPECT_THROW(grid.cell(0, 2), std::out_of_range);
  EXPECT_THROW(grid.cell(-1, 0), std::out_of_range);
}

TEST(UserTypeGrid, DeleteMovesTheRowsBelowUpAndKeepsOneRow) {
  UserTypeGrid grid = gridOf({{"A", "a"}, {"B", "b"}, {"C", "c"}});
  grid.deleteRow(1);
  EXPECT_EQ(grid.rows(), (UserTypeRows{{"A", "a"}, {"C", "c"}}));
  grid.deleteRow(5);
  grid.deleteRow(-1);
  EXPECT_EQ(grid.rowCount(), 2);
  grid.deleteRow(1);
  grid.deleteRow(0);  // the only row: nothing changes
  EXPECT_EQ(grid.rows(), (UserTypeRows{{"A", "a"}}));
}

TEST(UserTypeGrid, SaveTrimsDefaultsAndSkipsUnnamedRows) {
  EXPECT_EQ(gridOf({{"A", ""}, {"", "B"}, {"C", "D"}}).fileText(), "A\r\nA\r\nC\r\nD\r\n");
  const UserTypeGrid padded = gridOf({{"  DWORD\t", " Cardinal  "}, {" \t ", " "}, {"HANDLE", "\r\n"}});
  EXPECT_EQ(padded.fileText(), "DWORD\r\nCardinal\r\nHANDLE\r\nHANDLE\r\n");
  EXPECT_EQ(padded.cell(0, 0), "  DWORD\t");  // saving leaves the grid alone
  EXPECT_EQ(UserTypeGrid().fileText(), "");
}

TEST(UserTypeGrid, OpenFillsRowsFromLinePairs) {
  struct Case {
    const char* what;
    std::string_view fileText;
    UserTypeRows rows;
  };
  const Case cases[] = {
      {"CR LF", "DWORD\r\nCardinal\r\nHANDLE\r\nTHandle\r\n",
       {{"DWORD", "Cardinal"}, {"HANDLE", "THandle"}, {"", ""}}},
      {"LF, lone CR, no final break", "A\nB\rC\r\nD", {{"A", "B"}, {"C", "D"}, {"", ""}}},
      {"odd line count: empty Pascal name", "A\r\nB\r\nC\r\n", {{"A", "B"}, {"C", ""}, {"", ""}}},
      {"kept as read, blank lines too", " A \r\n\r\n\r\n\r\n", {{" A ", ""}, {"", ""}, {"", ""}}},
      {"CR CR LF is an empty line", "A\r\r\nB\r\n", {{"A", ""}, {"B", ""}, {"", ""}}},
  };
  for (const Case& c : cases) {
    UserTypeGrid grid = gridOf({{"old", "rows"}, {"go", "away"}});
    grid.loadFileText(c.fileText);
    EXPECT_EQ(grid.rows(), c.rows) << c.what;
  }
}

TEST(UserTypeGrid, OpeningAnEmptyFileKeepsTheFirstRow) {
  UserTypeGrid grid = gridOf({{"first", "row"}, {"second", "row"}});
  grid.loadFileText("");
  EXPECT_EQ(grid.rows(), (UserTypeRows{{"first", "row"}}));
}

TEST(UserTypeGrid, SavedFileOpensToTheSameTypes) {
  const UserTypeGrid saved = gridOf({{"DWORD", "Cardinal"}, {"", "lost"}, {"BYTE", ""}});
  UserTypeGrid opened;
  opened.loadFileText(saved.fileText());
  EXPECT_EQ(opened.rows(), (UserTypeRows{{"DWORD", "Cardinal"}, {"BYTE", "BYTE"}, {"", ""}}));
}

}  // namespace
}  // namespace morvane
