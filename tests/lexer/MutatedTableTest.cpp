// Randomly corrupted lexer images: each either loads or is refused with an
// SSException, and a table that loads lexes any text to its end without reading
// outside the image or looping (run under the sanitizers to see the reads).
#include <gtest/gtest.h>

#include <random>

#include "lexer/SSException.h"
#include "lexer/SSLex.h"
#include "tests/lexer/TableImages.h"

namespace morvane {
namespace {

using namespace testimage;

std::vector<LexList> sampleLists() {
  return {
      {{0, 0, 0, {{'\n', ' ', 1}, {'"', '"', 3}, {'a', 'z', 2}, {-1, -1, 4}}},
       {1, 0, FinalFlagAccept | FinalFlagIgnore | FinalFlagMark, {{'\n', ' ', 1}}},
       {2, 0, FinalFlagAccept | FinalFlagStartOfLine, {{'a', 'z', 2}, {'0', '9', 2}}},
       {3, 1, FinalFlagAccept | FinalFlagPush, {}},
       {-1, 0, FinalFlagAccept | FinalFlagIgnore, {}}},
      {{5, 0, FinalFlagAccept | FinalFlagTrailing, {{'"', '"', 1}, {'a', 'z', 2}}},
       {6, 0, FinalFlagAccept | FinalFlagPop, {}},
       {5, 0, FinalFlagAccept, {{'a', 'z', 2}}}},
  };
}

TEST(MutatedTableTest, LexerImagesLoadOrAreRefusedAndLoadedOnesAlwaysFinish) {
  const Bytes original = lexImage(sampleLists());
  std::mt19937 random(424242);
  auto pick = [&](std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random);
  };
  const std::int32_t interesting[] = {0,    1,    2,    3,   -1, -2, 4, 28, 88, 0x7FFFFFFF, -0x7FFFFFFF - 1,
                                      0x10, 0x18, 0x30, 0x78};
  const std::string alphabet = "ab z\n\"09?";
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes image = original;
    for (std::int64_t n = pick(1, 3); n > 0; --n) {
      const auto at = static_cast<std::size_t>(pick(0, static_cast<std::int64_t>(image.size()) - 4));
      const std::int32_t value = pick(0, 1) ? interesting[pick(0, std::size(interesting) - 1)]
                                            : static_cast<std::int32_t>(pick(-300, 300));
      putWord(image, pick(0, 2) ? at & ~std::size_t{3} : at, static_cast<std::uint32_t>(value));
    }
    const HeapImage heap(image);
    try {
      SSLexTable table(heap.span(), "m.dfa");
      ++loaded;
      std::string text;
      for (std::int64_t i = pick(0, 40); i > 0; --i)
        text += alphabet[static_cast<std::size_t>(pick(0, alphabet.size() - 1))];
      SSLexStringConsumer consumer(text);
      SSLex lexer(&consumer, &table);
      // Start states that accept give empty lexemes without advancing: bounded here.
      for (std::size_t count = 0; count < 4 * text.size() + 8 && lexer.nextLexeme(); ++count) {
      }
    } catch (const SSException&) {
    }
  }
  EXPECT_GT(loaded, 100);  // the corruptions reach the lexer, not only the loader
}

}  // namespace
}  // namespace morvane
