// The editors' line lists: split at CR LF, LF or a lone CR, join with CR LF, and
// deleting lines by index.
#include <gtest/gtest.h>

#include "app/core/EditorLines.h"

namespace morvane {
namespace {

TEST(EditorLines, SplitsAtEveryKindOfLineBreak) {
  struct Case {
    std::string_view text;
    EditorLines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},  // a final line break starts no new line
      {"a\r\nb", {"a", "b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"\r\n", {""}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\r\r\n", {"a", ""}},  // a lone CR, then CR LF
      {"\n\n", {"", ""}},
      {std::string_view("x\0y\n", 4), {std::string("x\0y", 3)}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(splitEditorLines(c.text), c.lines) << ::testing::PrintToString(std::string(c.text));
    EXPECT_EQ(countEditorLines(c.text), c.lines.size()) << ::testing::PrintToString(std::string(c.text));
  }
}

TEST(EditorLines, JoinsEveryLineWithCrLf) {
  EXPECT_EQ(joinEditorLines({}), "");
  EXPECT_EQ(joinEditorLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(splitEditorLines(joinEditorLines({"a", "", "b"})), (EditorLines{"a", "", "b"}));
}

TEST(EditorLines, DeleteIgnoresAnIndexThatNamesNoLine) {
  EditorLines lines = {"a", "b", "c"};
  deleteEditorLine(lines, 3);
  deleteEditorLine(lines, -1);
  EXPECT_EQ(lines, (EditorLines{"a", "b", "c"}));
  deleteEditorLine(lines, 1);
  EXPECT_EQ(lines, (EditorLines{"a", "c"}));
  EditorLines none;
  deleteEditorLine(none, 0);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace morvane
