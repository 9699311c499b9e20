// Randomly corrupted parse images: each either loads or is refused with an
// SSException, and a table that loads parses any token sequence to an end (a
// result or an SSException) with every lexeme and element freed.
#include <gtest/gtest.h>

#include <random>

#include "tests/parser/ParserHarness.h"

namespace morvane {
namespace {

using namespace testimage;
using namespace testparser;

class MutatedTableTest : public ParserTest {};

YaccImage sampleTable() {
  // goal -> S EOF, S -> Y a b, S -> a c, Y -> (empty), S -> error ';' with a
  // conflict on a, recovery information and an error entry.
  return {{{2, 0}, {3, kS}, {2, kS}, {0, kY}, {2, kS}},
          {{StateHasErrorEntry | StateHasSync,
            {conflictOn(kA, 0), {ActionSync, kSemicolon}},
            {gotoOn(kS, 1), gotoOn(kY, 2)},
            7},
           {0, {acceptOn(kEofToken)}, {}},
           {StateAllSync, {shiftOn(kA, 3)}, {}},
           {0, {shiftOn(kB, 4)}, {}},
           {0, {reduceOn(kEofToken, 1)}, {}},
           {0, {shiftOn(kC, 6)}, {}},
           {0, {reduceOn(kEofToken, 2)}, {}},
           {0, {shiftOn(kSemicolon, 8)}, {}},
           {0, {reduceOn(kEofToken, 4)}, {}}},
          {{{0, 0, 0, {{kA, kA, 1}}},
            {0, 0, 0, {{kB, kB, 2}, {kC, kC, 3}}},
            {3, 0, FinalFlagAccept | FinalFlagReduce, {}},
            {5, 0, FinalFlagAccept, {}}}}};
}

TEST_F(MutatedTableTest, ParseImagesLoadOrAreRefusedAndLoadedOnesAlwaysFinish) {
  const Bytes original = yaccImage(sampleTable());
  std::mt19937 random(777);
  auto pick = [&](std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random);
  };
  const std::uint32_t interesting[] = {0,
                                       1,
                                       2,
                                       3,
                                       8,
                                       0xFFFFFFFF,
                                       0x7FFFFFFF,
                                       ActionShift,
                                       ActionReduce | 3,
                                       ActionAccept,
                                       ActionConflict,
                                       ActionSync,
                                       7,
                                       kS,
                                       kY,
                                       0xFFFF};
  const char* words[] = {"a", "b", "c", ";", "x"};
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes image = original;
    for (std::int64_t n = pick(1, 3); n > 0; --n) {
      const auto at =
          static_cast<std::size_t>(pick(kYaccHeaderSize, static_cast<std::int64_t>(image.size()) - 4));
      const std::uint32_t value = pick(0, 1) ? interesting[pick(0, std::size(interesting) - 1)]
                                             : static_cast<std::uint32_t>(pick(-5, 40));
      putWord(image, at & ~std::size_t{3}, value);
    }
    const HeapImage heap(image);
    try {
      SSYaccTable table(heap.span(), "m.llr");
      ++loaded;
      std::string input;
      for (std::int64_t i = pick(0, 6); i > 0; --i) input += std::string(words[pick(0, 4)]) + " ";
      TokenParser parser(table, input);
      parser.parse();
    } catch (const SSException&) {
    }
  }
  EXPECT_GT(loaded, 100);
}

}  // namespace
}  // namespace morvane
