// SSLexTable and SSLexExpressionList: loading, the lookups, and the refusal of
// malformed images (code 4, never a read outside the image).
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>
#include <string>

#include "lexer/EmbeddedResource.h"
#include "lexer/SSException.h"
#include "lexer/SSLexTable.h"
#include "tests/lexer/ExpectSSException.h"
#include "tests/lexer/TableImages.h"

namespace morvane {
namespace {

using namespace testimage;

// Two lists. List 0: state 0 goes to 1 on 'a'..'c' and to 2 on 'x', and to 3 on
// the start marker; state 1 loops on 'a'..'c'. List 1: one state without rows.
std::vector<LexList> sampleLists() {
  return {
      {
          {0, 0, 0, {{'a', 'c', 1}, {'x', 'x', 2}, {-1, -1, 3}}},
          {7, 1, FinalFlagAccept | FinalFlagPush, {{'a', 'c', 1}}},
          {8, 0, FinalFlagAccept, {}},
          {-1, 0, FinalFlagAccept | FinalFlagIgnore, {}},
      },
      {{5, 0, FinalFlagAccept, {}}},
  };
}

// The row walk as written, for the equivalence check.
std::int32_t walkRow(const std::vector<Transition>& row, std::int32_t c) {
  if (c == -1) {
    for (const Transition& t : row)
      if (t.low == -1) return t.next;
    return -1;
  }
  for (const Transition& t : row) {
    if (t.low > c) return -1;
    if (t.high >= c) return t.next;
  }
  return -1;
}

TEST(LexTableTest, LoadsListsAndAnswersLookups) {
  const HeapImage image(lexImage(sampleLists()));
  SSLexTable table(image.span(), "t.dfa");
  ASSERT_EQ(table.listCount(), 2);
  const SSLexExpressionList& list = table.expressionList(0);
  EXPECT_EQ(list.stateCount(), 4);
  EXPECT_EQ(list.blockSize(), static_cast<std::int32_t>(lexBlock(sampleLists()[0]).size()));
  EXPECT_EQ(list.finalRecord(1).token, 7);
  EXPECT_EQ(list.finalRecord(1).listIndex, 1);
  EXPECT_EQ(list.finalRecord(1).flags, FinalFlagAccept | FinalFlagPush);

  EXPECT_EQ(list.nextState('b', 0), 1);
  EXPECT_EQ(list.nextState('x', 0), 2);
  EXPECT_EQ(list.nextState('d', 0), -1);  // between two transitions
  EXPECT_EQ(list.nextState('z', 0), -1);  // above every transition, the row ending in -1
  EXPECT_EQ(list.nextState(-1, 0), 3);
  EXPECT_EQ(list.nextState(-1, 1), -1);   // a row without the marker transition
  EXPECT_EQ(list.nextState('a', 2), -1);  // an empty row
  EXPECT_EQ(list.nextState('a', 4), -1);  // no such state
  EXPECT_EQ(table.expressionList(1).finalRecord(0).token, 5);
}

TEST(LexTableTest, ListIndexOutsideTheTableRaisesCode6) {
  const HeapImage image(lexImage(sampleLists()));
  SSLexTable table(image.span(), "t.dfa");
  EXPECT_EQ(messageOf([&] { table.expressionList(-1); }, 6), "SSLex0106e: Invalid expression list index, -1");
  EXPECT_EQ(messageOf([&] { table.expressionList(2); }, 6), "SSLex0106e: Invalid expression list index, 2");
}

TEST(LexTableTest, LookupsMatchTheRowWalkForUnsortedAndOverlappingRows) {
  std::mt19937 random(20261211);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  constexpr int kStates = 60;
  LexList list(kStates);
  for (LexState& state : list) {
    const int count = pick(0, 12);
    for (int t = 0; t < count; ++t) {
      std::int32_t low = pick(-4, 300);
      std::int32_t high = pick(0, 3) == 0 ? pick(-4, 300) : low + pick(0, 40);  // inverted ranges too
      if (pick(0, 7) == 0) low = high = -1;
      if (pick(0, 15) == 0) low = std::numeric_limits<std::int32_t>::min();
      if (pick(0, 15) == 0) high = std::numeric_limits<std::int32_t>::max();
      state.row.push_back({low, high, pick(-1, kStates - 1)});
    }
  }
  const HeapImage image(lexImage({list}));
  const SSLexTable table(image.span(), "t.dfa");
  const SSLexExpressionList& loaded = table.expressionList(0);

  std::vector<std::int32_t> values;
  for (int c = -6; c <= 310; ++c) values.push_back(c);
  for (std::int32_t c : {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                         65535, 65536, -65536})
    values.push_back(c);
  for (int i = 0; i < 200; ++i) values.push_back(static_cast<std::int32_t>(random()));
  for (int s = 0; s < kStates; ++s)
    for (std::int32_t c : values)
      ASSERT_EQ(loaded.nextState(c, s), walkRow(list[static_cast<std::size_t>(s)].row, c))
          << "state " << s << " value " << c;
}

TEST(LexTableTest, BlockMagicIsCheckedOnlyForBlocksInMemory) {
  Bytes image = lexImage(sampleLists());
  putWord(image, kLexFileHeaderSize, 0);  // first block's magic
  const HeapImage heap(image);
  EXPECT_NO_THROW(SSLexTable(heap.span(), "t.dfa"));
  EXPECT_EQ(messageOf([&] { SSLexExpressionList(heap.span().subspan(kLexFileHeaderSize), "t.llr"); }, 4),
            "SSLex0104e: Invalid table, t.llr");
  const HeapImage block(lexBlock(sampleLists()[0]));
  EXPECT_EQ(SSLexExpressionList(block.span(), "t.llr").nextState('c', 0), 1);
}

TEST(LexTableTest, HeaderFaults) {
  EXPECT_EQ(messageOf([] { SSLexTable(std::span<const unsigned char>(), "t.dfa"); }, 0),
            "SSLex0101e: Error opening file, t.dfa");
  Bytes image = lexImage(sampleLists());
  putWord(image, 4, 0x53534C59);
  EXPECT_EQ(messageOf([&] { SSLexTable(HeapImage(image).span(), "t.dfa"); }, 4),
            "SSLex0104e: Invalid table, t.dfa");

  for (std::int32_t count : {0, -3}) {
    Bytes none = lexImage(sampleLists());
    putWord(none, 0, static_cast<std::uint32_t>(count));
    SSLexTable table(HeapImage(none).span(), "t.dfa");
    EXPECT_EQ(table.listCount(), 0);
  }
}

TEST(LexTableTest, EveryTruncationIsRefused) {
  const Bytes image = lexImage(sampleLists());
  for (std::size_t length = 0; length < image.size(); ++length) {
    const HeapImage heap(image, length);
    try {
      SSLexTable table(heap.span(), "t.dfa");
      ADD_FAILURE() << "loaded a prefix of " << length << " bytes";
    } catch (const SSException& e) {
      EXPECT_EQ(e.code(), length == 0 ? 0 : 4) << length;
    }
  }
}

TEST(LexTableTest, MalformedBlocksAreRefusedWithTheirReason) {
  const LexList list = sampleLists()[0];
  const std::size_t block = kLexFileHeaderSize;
  const std::size_t states = list.size();
  const std::size_t index = block + rowIndexAt(states);
  const std::size_t row0 = index + 4 * states;
  const std::size_t row1 = row0 + 4 + 3 * kLexTransitionSize;
  const auto size = static_cast<std::int32_t>(lexBlock(list).size());
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Patch {
    std::size_t at;
    std::int32_t value;
    const char* reason;
  };
  const Patch patches[] = {
      {0, 3, "(list 2: missing, the image ends before it)"},
      {0, kMax, "(list 2: missing, the image ends before it)"},
      {block + 4, 87, "(list 0: block size below its header)"},
      {block + 4, -1, "(list 0: block size below its header)"},
      {block + 4, kMax, "(list 0: block runs past the end of the image)"},
      {block + 40, 0, "(list 0: no states)"},
      {block + 40, -4, "(list 0: no states)"},
      {block + 40, kMax, "(list 0: final records outside its block)"},
      {block + 40, 40, "(list 0: final records outside its block)"},
      {block + 52, 0, "(list 0: final records outside its block)"},
      {block + 52, size, "(list 0: final records outside its block)"},
      {block + 52, kMin, "(list 0: final records outside its block)"},
      {block + 48, size - 8, "(list 0: row index outside its block)"},
      {block + 48, -4, "(list 0: row index outside its block)"},
      {block + 48, static_cast<std::int32_t>(kFinalsAt + 8),
       "(list 0: row index overlaps the final records)"},
      {index + 4, size, "(list 0: row of state 1 outside its block)"},
      {index + 4, -4, "(list 0: row of state 1 outside its block)"},
      {index + 4, static_cast<std::int32_t>(kFinalsAt),
       "(list 0: row of state 1 overlaps the final records)"},
      {index + 4, static_cast<std::int32_t>(row0 - block),
       "(list 0: rows of states 0 and 1 overlap)"},  // shared
      {index + 8, static_cast<std::int32_t>(row0 - block + 12), "(list 0: rows of states 0 and 2 overlap)"},
      {row0, -1, "(list 0: row of state 0 has a negative count)"},
      {row0, kMax, "(list 0: row of state 0 outside its block)"},
      {row0, 4, "(list 0: rows of states 0 and 1 overlap)"},
      {row0 + 12, 4, "(list 0: row of state 0 leads to unknown state 4)"},
      {row0 + 12, -2, "(list 0: row of state 0 leads to unknown state -2)"},
      {row1 + 12, kMin, "(list 0: row of state 1 leads to unknown state -2147483648)"},
  };
  for (const Patch& patch : patches) {
    Bytes image = lexImage(sampleLists());
    putWord(image, patch.at, static_cast<std::uint32_t>(patch.value));
    const HeapImage heap(image);
    EXPECT_EQ(messageOf([&] { SSLexTable(heap.span(), "t.dfa"); }, 4),
              std::string("SSLex0104e: Invalid table, t.dfa ") + patch.reason)
        << "word at " << patch.at << " = " << patch.value;
  }
}

TEST(LexTableTest, EmbeddedItemLoadsOrIsReportedAsNotOpened) {
  // The placeholder build embeds an empty item.
  if (findEmbeddedResource("dfa").empty())
    EXPECT_EQ(messageOf([] { SSLexTable("c.dfa"); }, 0), "SSLex0101e: Error opening file, c.dfa");
  else
    EXPECT_GT(SSLexTable("c.dfa").listCount(), 0);
}

}  // namespace
}  // namespace morvane
