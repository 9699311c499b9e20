// Reading parse images back: every damaged image is a DefinitionError, never a read
// outside it; the counts of --stats tell the kinds of entries apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexer/LittleEndian.h"
#include "parser/SSYaccTable.h"
#include "tools/tablegen/LalrGen.h"

namespace morvane {
namespace {

// goal -> S EOF, S -> a. Words: header 0-4, state offsets 5-8, productions 9-12,
// state 0 at word 13 (shift a at 16-17, goto S at 18-19), state 1 at 20 (accept at
// 23-24), state 2 at 25 (reduce at 28-29), state 3 at 30.
std::vector<unsigned char> tinyImage() {
  return tablegen::buildParserTables(
             "%token EOF -1\n%token a 1\n%nonterminal goal 0\n%nonterminal S 16385\n%%\n0 goal: S EOF\n1 S: a\n")
      .image;
}

std::vector<unsigned char> withWord(std::vector<unsigned char> image, std::size_t word, std::uint32_t value) {
  writeLe32(image.data() + 4 * word, value);
  return image;
}

std::string fault(const std::vector<unsigned char>& image) {
  try {
    tablegen::parserImageStats(image);
  } catch (const tablegen::DefinitionError& e) {
    EXPECT_EQ(e.line(), 0);
    return e.message();
  }
  return "(accepted)";
}

TEST(LalrImage, EveryTruncationIsRejected) {
  const auto image = tinyImage();
  for (std::size_t size = 0; size < image.size(); ++size) {
    const std::vector<unsigned char> cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_NE(fault(cut).find("malformed parse image"), std::string::npos) << "size " << size;
  }
}

TEST(LalrImage, DamagedWordsAreRejected) {
  struct Case {
    const char* title;
    std::size_t word;
    std::uint32_t value;
    const char* message;
  };
  const Case cases[] = {
      {"magic", 0, 0x53534C58, "wrong magic"},
      {"no states", 2, 0, "state count 0"},
      {"too many states", 2, 0x10000, "state count 65536"},
      {"records offset", 3, 48, "state records offset"},
      {"production offset", 4, 40, "production table offset"},
      {"state inside the fixed part", 6, 20, "state 1 record lies inside the fixed part"},
      {"state beyond the image", 6, 4000, "lies outside the image"},
      {"huge goto count", 14, 0xFFFFFFFF, "state 0 record runs past the image"},
      {"huge action count", 15, 0x40000000, "state 0 record runs past the image"},
      {"shift target", 16, ActionShift | 4, "target 4 out of range"},
      {"reduce target", 28, ActionReduce | 2, "target 2 out of range"},
      {"conflict without lists", 28, ActionConflict | 0, "target 0 out of range"},
      {"action on a nonterminal", 17, 16385, "action on non-terminal 16385"},
      {"goto target", 18, 4, "goto to a state out of range"},
      {"goto on a terminal", 19, 1, "goto on terminal 1"},
      {"negative length", 11, 0xFFFFFFFF, "production 1 has a negative length"},
      {"left side", 12, 5, "production 1 has left side 5"},
      {"start left side", 10, 16385, "production 0 has left side 16385"},
      {"error entry flag without room", 30, StateHasErrorEntry, "state 3 record runs past the image"},
      {"list count without a list", 1, 2 | (1u << 16), "lies outside the image"},
  };
  for (const Case& c : cases)
    EXPECT_NE(fault(withWord(tinyImage(), c.word, c.value)).find(c.message), std::string::npos) << c.title;
}

TEST(LalrImage, StatsTellEntryKindsApart) {
  auto image = withWord(tinyImage(), 28, ActionSync);  // no kind bit: an explicit error entry
  EXPECT_EQ(tablegen::parserImageStats(image),
            "productions: 2\nstates: 4\nshifts: 1\nreductions: 0\naccepts: 1\nconflicts: 0\ngotos: 1\n"
            "error_entries: 1\nbytes: 132\n");
  // Shift is decided first, then reduce: a word with both bits counts as a shift.
  image = withWord(tinyImage(), 28, ActionShift | ActionReduce | 1);
  EXPECT_NE(tablegen::parserImageStats(image).find("shifts: 2\nreductions: 0\n"), std::string::npos);
  // State 2 flagged with an error entry: the extra entry is the next 8 bytes.
  auto decoded = tablegen::readParserImage(withWord(tinyImage(), 25, StateHasErrorEntry));
  ASSERT_TRUE(decoded.states[2].errorEntry.has_value());
  EXPECT_EQ(decoded.states[2].errorEntry->word, 0u);  // state 3's flags word, read as the entry
}

}  // namespace
}  // namespace morvane
