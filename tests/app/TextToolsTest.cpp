// Indent, Comment line and Convert UNIX to DOS.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/core/TextTools.h"
#include "tests/app/TempFolder.h"

namespace morvane {
namespace {

using morvane::testing::TempFolder;

TEST(Indent, FollowsTheKeywordHeuristic) {
  struct Case {
    const char* what;
    EditorLines lines;
    EditorLines indented;
  };
  const Case cases[] = {
      {"block", {"Begin", "x:=1;", "end;"}, {"Begin", "  x:=1;", "end;"}},
      {"line after if", {"if a then", "x:=1;", "y:=2;"}, {"if a then", "  x:=1;", "y:=2;"}},
      {"if before a block", {"if a then", "Begin", "x:=1;", "end;"}, {"if a then", "Begin", "  x:=1;", "end;"}},
      {"else inside a block",
       {"Begin", "if a then", "x:=1", "else", "y:=2;", "end;"},
       {"Begin", "  if a then", "    x:=1", "  else", "    y:=2;", "end;"}},
      {"Begin end; moves out, the level stays",
       {"Begin", "Begin end;", "x;", "end;"},
       {"Begin", "Begin end;", "  x;", "end;"}},
      {"keywords inside words and comments", {"Begin", "Append(f);", "x;"}, {"Begin", "Append(f);", "x;"}},
      {"Modify counts as IF", {"Modify;", "x;"}, {"Modify;", "  x;"}},
      {"{begin} in a comment opens", {"{begin}", "x;"}, {"{begin}", "  x;"}},
      {"never below zero", {"end;", "end;", "x;", "Begin", "y;"}, {"end;", "end;", "x;", "Begin", "  y;"}},
      {"leading blanks stay", {"Begin", "   x;", "end;"}, {"Begin", "     x;", "end;"}},
      {"8-bit bytes are no letters", {"B\xc9GIN", "x;"}, {"B\xc9GIN", "x;"}},
      {"empty", {}, {}},
  };
  for (const Case& c : cases) {
    EditorLines lines = c.lines;
    indentPascalLines(lines);
    EXPECT_EQ(lines, c.indented) << c.what;
  }
}

TEST(Indent, RunningTwiceIndentsTwice) {
  EditorLines lines = {"Begin", "x:=1;", "end;"};
  indentPascalLines(lines);
  indentPascalLines(lines);
  EXPECT_EQ(lines, (EditorLines{"Begin", "    x:=1;", "end;"}));
}

TEST(CommentLine, WrapsTheLineWhateverItHolds) {
  EXPECT_EQ(commentLine("x = 1;"), "/*x = 1;*/");
  EXPECT_EQ(commentLine(""), "/**/");
  EXPECT_EQ(commentLine("/* c */"), "/*/* c */*/");
}

TEST(ConvertUnixToDos, GivesEveryLineFeedOneCarriageReturn) {
  struct Case {
    std::string_view before;
    std::string_view after;
  };
  const Case cases[] = {
      {"a\nb", "a\r\nb"},
      {"", ""},
      {"a\r\nb\r\n", "a\r\nb\r\n"},  // already DOS: unchanged
      {"a\r\nb\nc\r", "a\r\nb\r\nc\r"},
      {"\n\n\r", "\r\n\r\n\r"},
      {std::string_view("\0\n\xff", 3), std::string_view("\0\r\n\xff", 4)},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    const auto file = folder.write("f.txt", c.before);
    convertUnixToDos(file);
    EXPECT_EQ(TempFolder::read(file), c.after) << ::testing::PrintToString(std::string(c.before));
  }
  EXPECT_EQ(folder.entryCount(), 1u);  // no temporary file left
}

TEST(ConvertUnixToDos, KeepsPermissionsAndSymbolicLinks) {
  TempFolder folder;
  const auto file = folder.write("f.c", "x\n");
  std::filesystem::permissions(file, std::filesystem::perms(0640));
  const auto link = folder / "link.c";
  std::filesystem::create_symlink(file, link);
  convertUnixToDos(link);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempFolder::read(file), "x\r\n");
  EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms(0640));
}

TEST(ConvertUnixToDos, FailsAndLeavesTheFileOnReadOnlyOrMissingFiles) {
  TempFolder folder;
  const auto file = folder.write("ro.c", "a\nb\n");
  std::filesystem::permissions(file, std::filesystem::perms(0444));
  EXPECT_THROW(convertUnixToDos(file), std::runtime_error);
  EXPECT_EQ(TempFolder::read(file), "a\nb\n");
  EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms(0444));
  EXPECT_THROW(convertUnixToDos(folder / "missing.c"), std::runtime_error);
  EXPECT_THROW(convertUnixToDos(folder.path()), std::runtime_error);
  EXPECT_EQ(folder.entryCount(), 1u);
}

}  // namespace
}  // namespace morvane
