// The bytes of a generated lexer image, and lexerImageStats on good and on damaged
// images.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lexer/LittleEndian.h"
#include "lexer/SSLexTable.h"
#include "tools/tablegen/LexerGen.h"

namespace morvane::tablegen {
namespace {

// Three states: 0 start, 1 after a-c or x (A), 2 after the start marker.
constexpr const char* kDefinition = "list 0\n-1 EOF <start> ignore\n1 A [a-cx]\n";
constexpr std::size_t kBlock = 36;

std::vector<std::int32_t> words(const std::vector<unsigned char>& image) {
  std::vector<std::int32_t> result;
  for (std::size_t at = 0; at + 4 <= image.size(); at += 4) result.push_back(readLe32Signed(image.data() + at));
  return result;
}

TEST(LexerImage, LayoutOfHeadersRecordsIndexAndRows) {
  const auto image = buildLexerImage(kDefinition);
  const auto w = words(image);
  ASSERT_EQ(image.size(), 36u + 232u);
  const std::vector<std::int32_t> fileHeader{1, static_cast<std::int32_t>(kLexTableMagic), 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<std::int32_t>(w.begin(), w.begin() + 9), fileHeader);

  const auto b = w.begin() + 9;  // the block, one word per step
  std::vector<std::int32_t> blockHeader(22, 0);
  blockHeader[0] = static_cast<std::int32_t>(kLexTableMagic);
  blockHeader[1] = 232;  // block size
  blockHeader[10] = 3;   // states
  blockHeader[11] = 232;  // rows end
  blockHeader[12] = 88 + 3 * 28;  // row index
  blockHeader[13] = 88;           // final records
  EXPECT_EQ(std::vector<std::int32_t>(b, b + 22), blockHeader);

  const std::vector<std::int32_t> finals{0, 0, 0,    0, 0, 0, 0,  //
                                         1, 0, 0x10, 0, 0, 0, 0,  //
                                         -1, 0, 0x50, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<std::int32_t>(b + 22, b + 43), finals);
  const std::vector<std::int32_t> rowIndex{184, 224, 228};
  EXPECT_EQ(std::vector<std::int32_t>(b + 43, b + 46), rowIndex);
  // a-c merged into one range, x apart, the start marker last; then two empty rows.
  const std::vector<std::int32_t> rows{3, 'a', 'c', 1, 'x', 'x', 1, -1, -1, 2, 0, 0};
  EXPECT_EQ(std::vector<std::int32_t>(b + 46, w.end()), rows);

  EXPECT_EQ(lexerImageStats(image), "list 0: states 3 bytes 232\n");
}

TEST(LexerImage, StatsCountEveryList) {
  EXPECT_EQ(lexerImageStats(buildLexerImage("list 0\n1 A a\nlist 1\nlist 2\n2 B b\n")),
            "list 0: states 2 bytes 172\nlist 1: states 1 bytes 124\nlist 2: states 2 bytes 172\n");
}

struct Damage {
  const char* what;
  std::function<void(std::vector<unsigned char>&)> apply;
};

void setWord(std::vector<unsigned char>& image, std::size_t at, std::int32_t value) {
  writeLe32(image.data() + at, static_cast<std::uint32_t>(value));
}

TEST(LexerImage, StatsRejectDamagedImages) {
  const std::size_t firstTransition = kBlock + 184 + 4;
  const Damage damages[] = {
      {"shorter than the 36-byte file header", [](auto& i) { i.resize(20); }},
      {"no lexer table magic", [](auto& i) { i[4] ^= 1; }},
      {"header past the end", [](auto& i) { setWord(i, 0, 2); }},
      {"block size 232 does not fit", [](auto& i) { i.pop_back(); }},
      {"no magic in the block header", [](auto& i) { i[kBlock] ^= 1; }},
      {"no states", [](auto& i) { setWord(i, kBlock + 40, 0); }},
      {"final records outside the block", [](auto& i) { setWord(i, kBlock + 40, 1000); }},
      {"row index outside the block", [](auto& i) { setWord(i, kBlock + 48, 10000); }},
      {"row of state 0 outside the block", [](auto& i) { setWord(i, kBlock + 172, -8); }},
      {"row of state 0 runs past the block", [=](auto& i) { setWord(i, firstTransition - 4, 0x10000000); }},
      {"transition to state 7 out of range", [=](auto& i) { setWord(i, firstTransition + 8, 7); }},
      {"ranges out of order", [=](auto& i) { setWord(i, firstTransition + 12, 'b'); }},
      {"bad range", [=](auto& i) { setWord(i, firstTransition + 4, 70000); }},
      {"start-marker transition is not the last", [=](auto& i) {
         setWord(i, firstTransition, -1);
         setWord(i, firstTransition + 4, -1);
       }},
      {"4 bytes after the last list", [](auto& i) { i.insert(i.end(), 4, 0); }},
  };
  const auto good = buildLexerImage(kDefinition);
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.what);
    auto image = good;
    damage.apply(image);
    try {
      lexerImageStats(image);
      ADD_FAILURE() << "accepted";
    } catch (const DefinitionError& e) {
      EXPECT_EQ(e.line(), 0);
      EXPECT_NE(e.message().find(damage.what), std::string::npos) << e.message();
    }
  }
}

}  // namespace
}  // namespace morvane::tablegen
