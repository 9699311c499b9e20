// UserTypeTable fill, ScanIdentifier, ReplaceRange and SubstituteUserTypes; the
// linear substitution is checked against a literal pass-per-entry version.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "usertypes/UserTypes.h"

namespace morvane {
namespace {

// The substitution as one pass over the whole text per entry, in entry order.
void literalSubstitute(std::string& text, const UserTypeRows& rows, UserTypeTable& table) {
  FillUserTypeTable(table, rows);
  if (table.count() == 0 || text.empty()) return;
  for (std::int32_t k = 1; k <= table.count(); ++k) {
    std::size_t position = 1;
    for (;;) {
      const std::string identifier = ScanIdentifier(text, position);
      if (identifier.empty()) break;
      if (identifier == table.cName(k)) {
        const std::string word = "UserDefined" + std::to_string(k);
        const std::size_t first = position - identifier.size();
        ReplaceRange(text, word, first, position - 1);
        position = first + word.size();
      }
    }
  }
}

TEST(FillUserTypeTable, TrimsDefaultsAndNumbersTheNamedRows) {
  UserTypeTable table;
  FillUserTypeTable(table, {{"  DWORD\t", " Cardinal "},
                            {" \t", "Ignored"},
                            {"HANDLE", ""},
                            {"BYTE", " \x01 "},
                            {"\x1fWORD\r\n", "Word"}});
  ASSERT_EQ(table.count(), 4);
  EXPECT_EQ(table.cName(1), "DWORD");
  EXPECT_EQ(table.pascalName(1), "Cardinal");
  EXPECT_EQ(table.cName(2), "HANDLE");  // the blank row used no number
  EXPECT_EQ(table.pascalName(2), "HANDLE");
  EXPECT_EQ(table.pascalName(3), "BYTE");  // a blank Pascal cell counts as empty
  EXPECT_EQ(table.cName(4), "WORD");
}

TEST(FillUserTypeTable, KeepsEntriesAboveTheNewCount) {
  UserTypeTable table;
  FillUserTypeTable(table, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
  FillUserTypeTable(table, {{"X", "x"}});
  EXPECT_EQ(table.count(), 1);
  EXPECT_EQ(table.cName(1), "X");
  EXPECT_EQ(table.cName(2), "B");
  EXPECT_EQ(table.pascalName(3), "c");
  EXPECT_EQ(table.cName(256), "");
  FillUserTypeTable(table, {});
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(table.cName(1), "X");
}

TEST(FillUserTypeTable, RefusesMoreThan256NamedRowsAndLeavesTheTable) {
  UserTypeTable table;
  FillUserTypeTable(table, {{"Keep", "Me"}});
  UserTypeRows rows;
  for (int i = 0; i < 300; ++i) rows.push_back({"T" + std::to_string(i), ""});
  rows.push_back({" ", "blank rows do not count"});
  try {
    FillUserTypeTable(table, rows);
    FAIL() << "no UserTypeOverflow";
  } catch (const UserTypeOverflow& e) {
    EXPECT_STREQ(e.what(), "Too many user types: 300 named rows, at most 256");
  }
  EXPECT_EQ(table.count(), 1);
  EXPECT_EQ(table.cName(1), "Keep");
  EXPECT_EQ(table.cName(2), "");

  rows.resize(256);
  rows.push_back({"", "unnamed"});
  FillUserTypeTable(table, rows);
  EXPECT_EQ(table.count(), 256);
  EXPECT_EQ(table.cName(256), "T255");

  std::string text = "T0";
  rows.push_back({"T300", ""});
  EXPECT_THROW(SubstituteUserTypes(text, rows, table), UserTypeOverflow);
  EXPECT_EQ(text, "T0");
}

TEST(ScanIdentifier, FindsTheNextRunAndMovesPastIt) {
  struct Case {
    std::string_view text;
    std::size_t from;
    std::string_view identifier;
    std::size_t after;
  };
  const Case cases[] = {
      {"DWORD x;", 1, "DWORD", 6},
      {"DWORD x;", 6, "x", 8},
      {"DWORD x;", 8, "", 9},           // end reached: one past the end
      {"a+0x1F;", 2, "0x1F", 7},        // a run may begin with a digit
      {"  _tail", 1, "_tail", 8},       // the run ends the text
      {"x\xe9y", 1, "x", 2},            // 8-bit letters are no identifier characters
      {"", 1, "", 1},
      {"abc", 9, "", 4},
  };
  for (const Case& c : cases) {
    std::size_t position = c.from;
    EXPECT_EQ(ScanIdentifier(c.text, position), c.identifier) << c.text << " from " << c.from;
    EXPECT_EQ(position, c.after) << c.text << " from " << c.from;
  }
}

TEST(ReplaceRange, ReplacesInclusiveOneBasedRanges) {
  std::string text = "int DWORD;";
  ReplaceRange(text, "UserDefined1", 5, 9);
  EXPECT_EQ(text, "int UserDefined1;");
  ReplaceRange(text, "x", 1, 0);  // empty range: an insertion
  EXPECT_EQ(text, "xint UserDefined1;");
  ReplaceRange(text, "", 18, 18);
  EXPECT_EQ(text, "xint UserDefined1");
  EXPECT_THROW(ReplaceRange(text, "y", 0, 1), std::out_of_range);
  EXPECT_THROW(ReplaceRange(text, "y", 5, 18), std::out_of_range);
  EXPECT_THROW(ReplaceRange(text, "y", 5, 3), std::out_of_range);
  EXPECT_EQ(text, "xint UserDefined1");
}

TEST(SubstituteUserTypes, ReplacesWholeRunsAsThePassesWould) {
  const std::string longName = "A_TWENTY_CHAR_NAME_X";
  struct Case {
    const char* what;
    UserTypeRows rows;
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"plain", {{"DWORD", "Cardinal"}}, "DWORD x;", "UserDefined1 x;"},
      {"whole runs only", {{"BYTE", ""}}, "BYTE BYTES MYBYTE BYTE_ 1BYTE", "UserDefined1 BYTES MYBYTE BYTE_ 1BYTE"},
      {"case-sensitive", {{"dword", ""}}, "DWORD dword", "DWORD UserDefined1"},
      {"comments and strings too", {{"DWORD", ""}}, "/* DWORD */ \"DWORD\" 'DWORD'",
       "/* UserDefined1 */ \"UserDefined1\" 'UserDefined1'"},
      {"at the very end", {{"T", ""}}, "x T", "x UserDefined1"},
      {"long name, close together", {{longName, ""}}, longName + "," + longName + "\n" + longName,
       "UserDefined1,UserDefined1\nUserDefined1"},
      {"numbers follow the named rows", {{"", "x"}, {"A", ""}, {" ", ""}, {"B", ""}}, "B A", "UserDefined2 UserDefined1"},
      {"duplicate names: the first wins", {{"T", "One"}, {"T", "Two"}}, "T T", "UserDefined1 UserDefined1"},
      {"chain into a later entry", {{"A", ""}, {"UserDefined1", ""}}, "A UserDefined1", "UserDefined2 UserDefined2"},
      {"an earlier entry never sees a later word", {{"UserDefined2", ""}, {"A", ""}}, "A UserDefined2",
       "UserDefined2 UserDefined1"},
      {"a name that is no identifier never matches", {{"unsigned long", ""}, {"a-b", ""}}, "unsigned long a-b",
       "unsigned long a-b"},
      {"no rows", {}, "DWORD", "DWORD"},
      {"empty text", {{"DWORD", ""}}, "", ""},
  };
  for (const Case& c : cases) {
    UserTypeTable table;
    std::string text = c.text;
    SubstituteUserTypes(text, c.rows, table);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

// Random row sets and texts over a small vocabulary that makes chains, duplicates,
// blank rows and near misses likely.
TEST(SubstituteUserTypes, MatchesThePassPerEntryVersion) {
  const std::vector<std::string> words = {"A",  "B",           "AB",          "a",           "UserDefined",
                                          "_",  "UserDefined1", "UserDefined2", "UserDefined3", "UserDefined4",
                                          "x1", "UserDefined12", "1A",         "BB"};
  const std::vector<std::string> separators = {" ", "", "\n", "\r\n", "+", ";", "(", "\t", "\xe9", "/*", "\""};
  std::mt19937 random(20261211);
  auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  for (int round = 0; round < 3000; ++round) {
    UserTypeRows rows;
    const int rowCount = static_cast<int>(random() % 14);
    for (int i = 0; i < rowCount; ++i) {
      std::string cName = random() % 6 == 0 ? " " : pick(words);
      if (random() % 5 == 0) cName = " " + cName + "\t";
      rows.push_back({cName, random() % 2 ? "P" : ""});
    }
    std::string text;
    const int length = static_cast<int>(random() % 20);
    for (int i = 0; i < length; ++i) text += pick(words) + pick(separators);

    UserTypeTable linearTable, literalTable;
    std::string linear = text, literal = text;
    SubstituteUserTypes(linear, rows, linearTable);
    literalSubstitute(literal, rows, literalTable);
    ASSERT_EQ(linear, literal) << "round " << round << ", text: " << text;
    ASSERT_EQ(linearTable.count(), literalTable.count());
  }
}

}  // namespace
}  // namespace morvane
