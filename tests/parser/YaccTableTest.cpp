// SSYaccTable: loading, the lookups, the size rule, and the refusal of malformed
// images (code 13, code 4 for embedded lists; never a read outside the image).
#include <gtest/gtest.h>

#include <limits>

#include "lexer/EmbeddedResource.h"
#include "parser/SSSetOfLongint.h"
#include "parser/SSYaccTable.h"
#include "tests/parser/ParserHarness.h"

namespace morvane {
namespace {

using namespace testimage;
using namespace testparser;

// Three states with an error entry, a duplicate action symbol, an explicit error
// entry, and one lookahead list whose accepting states shift to 2 and reduce by 1.
YaccImage sampleTable() {
  YaccImage table = simpleGrammar();
  table.states[0].flags = StateHasErrorEntry | StateHasSync;
  table.states[0].errorTarget = 2;
  table.states[0].actions.push_back(shiftOn(kA, 2));            // later duplicate: ignored
  table.states[0].actions.push_back({ActionSync, kSemicolon});  // explicit error entry
  table.states[1].actions.push_back(conflictOn(kB, 0));
  table.lists = {{{0, 0, 0, {{kA, kA, 1}, {kB, kB, 2}}},
                  {2, 0, FinalFlagAccept, {}},
                  {1, 0, FinalFlagAccept | FinalFlagReduce, {}}}};
  return table;
}

TEST(YaccTableTest, LoadsRecordsProductionsAndLists) {
  const Bytes bytes = yaccImage(sampleTable());
  const HeapImage heap(bytes);
  SSYaccTable table(heap.span(), "t.llr");
  EXPECT_EQ(table.stateCount(), 3);
  EXPECT_EQ(table.productionCount(), 2);
  EXPECT_EQ(table.lookaheadListCount(), 1);
  EXPECT_EQ(table.production(1).rhsLength, 1);
  EXPECT_EQ(table.production(1).lhs, kS);
  const SSYaccStateRecord& s0 = table.stateRecord(0);
  EXPECT_EQ(s0.flags, StateHasErrorEntry | StateHasSync);
  EXPECT_EQ(s0.actions.size(), 3u);
  EXPECT_EQ(s0.gotos.size(), 1u);
  ASSERT_TRUE(s0.hasErrorEntry);
  EXPECT_EQ(s0.errorEntry.word & ActionTargetMask, 2u);
  EXPECT_EQ(table.lookaheadList(0).finalRecord(2).token, 1);
  EXPECT_TRUE(std::equal(table.image().begin(), table.image().end(), bytes.begin(), bytes.end()));

  // The first entry for a symbol wins; a symbol without one is an error.
  EXPECT_EQ(table.findAction(0, kA)->word, ActionShift | 1);
  EXPECT_EQ(table.findAction(0, kSemicolon)->word, ActionSync);
  EXPECT_EQ(table.findAction(0, kB), nullptr);
  EXPECT_EQ(table.findAction(1, kB)->word, ActionConflict | 0);
  EXPECT_EQ(table.findGoto(0, kS)->word, 2u);
  EXPECT_EQ(table.findGoto(0, kA), nullptr);  // actions and gotos are apart
  EXPECT_EQ(table.findAction(0, kS), nullptr);
  EXPECT_EQ(table.findAction(3, kA), nullptr);
  EXPECT_EQ(messageOf([&] { table.lookaheadList(1); }, 6), "SSLex0106e: Invalid expression list index, 1");
}

TEST(YaccTableTest, LookupsFindTheFirstEntryForNarrowAndWideSymbolRanges) {
  // Symbols far apart make the dense rows too big for the image: the hash is used.
  YaccImage narrow = sampleTable();
  YaccImage wide = sampleTable();
  wide.states[2].actions.push_back(shiftOn(2000000000, 1));
  wide.states[2].actions.push_back(shiftOn(-2000000000, 0));
  wide.states[1].gotos.push_back(gotoOn(kS + 1000000, 0));
  wide.states[1].gotos.push_back(gotoOn(kS, 1));
  wide.states[1].gotos.push_back(gotoOn(kS, 2));  // later duplicate
  for (const YaccImage& sample : {narrow, wide}) {
    const HeapImage heap(yaccImage(sample));
    const SSYaccTable table(heap.span(), "t.llr");
    auto firstOf = [](std::span<const SSYaccEntry> entries, std::int32_t symbol) -> const SSYaccEntry* {
      for (const SSYaccEntry& e : entries)
        if (e.symbol == symbol) return &e;
      return nullptr;
    };
    for (std::int32_t state = 0; state < table.stateCount(); ++state) {
      for (std::int32_t symbol : std::initializer_list<std::int32_t>{
               -2000000000, -2, -1, 0, kA, kB, kSemicolon, kX, kS, kS + 1, kS + 1000000, 2000000000}) {
        EXPECT_EQ(table.findAction(state, symbol), firstOf(table.stateRecord(state).actions, symbol))
            << state << " " << symbol;
        EXPECT_EQ(table.findGoto(state, symbol), firstOf(table.stateRecord(state).gotos, symbol))
            << state << " " << symbol;
      }
    }
  }
}

TEST(YaccTableTest, StatesMaySharePlacedRecords) {
  Bytes bytes = yaccImage(simpleGrammar());
  putWord(bytes, kYaccHeaderSize + 4 * 2, static_cast<std::uint32_t>(wordAt(bytes, kYaccHeaderSize)));
  SSYaccTable table(HeapImage(bytes).span(), "t.llr");
  EXPECT_EQ(table.findAction(2, kA)->word, ActionShift | 1);
  EXPECT_EQ(table.findGoto(2, kS)->word, 2u);
}

TEST(YaccTableTest, FixedPartUpTo65535BytesLoads) {
  // 20 + 8 x 8188 + 4 x states: 65532 with two states, 65536 with three.
  for (const auto& [states, loads] : {std::pair{2, true}, {3, false}}) {
    YaccImage table;
    table.productions.assign(8188, {1, kS});
    table.states.assign(static_cast<std::size_t>(states),
                        YaccState{0, {reduceOn(kA, 8187)}, {gotoOn(kS, 1)}});
    const HeapImage heap(yaccImage(table));
    if (loads)
      EXPECT_EQ(SSYaccTable(heap.span(), "t.llr").productionCount(), 8188);
    else
      EXPECT_EQ(messageOf([&] { SSYaccTable(heap.span(), "t.llr"); }, 14), "SSYacc0112e: Table too big");
  }
}

TEST(YaccTableTest, HeaderFaults) {
  Bytes bytes = yaccImage(simpleGrammar());
  putWord(bytes, 0, kLexTableMagic);
  EXPECT_EQ(messageOf([&] { SSYaccTable(HeapImage(bytes).span(), "t.llr"); }, 13),
            "SSYacc0111e: Error reading table, t.llr");
  EXPECT_EQ(messageOf([] { SSYaccTable(std::span<const unsigned char>(), "t.llr"); }, 13),
            "SSYacc0111e: Error reading table, t.llr (image empty)");
  const HeapImage noStates(yaccImage({{{2, 0}}, {}, {}}));
  EXPECT_EQ(messageOf([&] { SSYaccTable(noStates.span(), "t.llr"); }, 13),
            "SSYacc0111e: Error reading table, t.llr (no states)");
}

TEST(YaccTableTest, EveryTruncationIsRefused) {
  const YaccImage sample = sampleTable();
  const Bytes bytes = yaccImage(sample);
  const std::size_t listAt = bytes.size() - lexBlock(sample.lists[0]).size();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    const HeapImage heap(bytes, length);
    try {
      SSYaccTable table(heap.span(), "t.llr");
      ADD_FAILURE() << "loaded a prefix of " << length << " bytes";
    } catch (const SSException& e) {
      EXPECT_EQ(e.code(), length < listAt ? 13 : 4) << length << ": " << e.what();
    }
  }
}

TEST(YaccTableTest, MalformedImagesAreRefusedWithTheirReason) {
  const YaccImage sample = sampleTable();
  const std::size_t offsets = kYaccHeaderSize;
  const std::size_t productions = offsets + 4 * 3;
  const std::size_t record0 = stateRecordsAt(sample);
  const std::size_t record1 = record0 + 12 + 8 * (3 + 1 + 1);
  const std::size_t record2 = record1 + 12 + 8 * 2;
  const std::size_t list = record2 + 12 + 8;
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Patch {
    std::size_t at;
    std::int32_t value;
    int code;
    const char* reason;
  };
  const Patch patches[] = {
      {12, 0, 13, " (state records offset is not 20 + 4 x states + 8 x productions)"},
      {16, 20, 13, " (production table offset is not 20 + 4 x states)"},
      {productions + 8, -1, 13, " (production 1 has a negative length)"},
      {offsets + 4, 0, 13, " (record of state 1 outside the image)"},
      {offsets + 4, -1, 13, " (record of state 1 outside the image)"},
      {offsets + 4, static_cast<std::int32_t>(productions), 13, " (record of state 1 outside the image)"},
      {offsets + 4, static_cast<std::int32_t>(record0 + 40), 13, " (records of states 0 and 1 overlap)"},
      {record1 + 8, kMax, 13, " (record of state 1 outside the image)"},
      {record1 + 8, -1, 13, " (record of state 1 outside the image)"},
      {record1 + 4, 9, 13, " (records of states 1 and 2 overlap)"},
      {record0 + 12, static_cast<std::int32_t>(ActionShift | 3), 13, " (state 0: shift to unknown state 3)"},
      {record1 + 12, static_cast<std::int32_t>(ActionReduce | 2), 13,
       " (state 1: reduce by unknown production 2)"},
      {record1 + 20, static_cast<std::int32_t>(ActionConflict | 1), 13,
       " (state 1: unknown lookahead list 1)"},
      {record0 + 12 + 24, 0xFFFF, 13, " (state 0: goto to unknown state 65535)"},
      {record0 + 12 + 32, 3, 13, " (state 0: error entry to unknown state 3)"},
      {list + kFinalsAt + 28, 3, 13, " (lookahead list 0, state 1: shift to unknown state 3)"},
      {list + kFinalsAt + 56, 2, 13, " (lookahead list 0, state 2: reduce by unknown production 2)"},
      {list, 0, 4, ""},
      {list + 40, 0, 4, " (lookahead list 0: no states)"},
      {4, 2 | 2 << 16, 4, " (lookahead list 1: header truncated)"},
  };
  for (const Patch& patch : patches) {
    Bytes bytes = yaccImage(sample);
    putWord(bytes, patch.at, static_cast<std::uint32_t>(patch.value));
    const HeapImage heap(bytes);
    const std::string text =
        patch.code == 4 ? "SSLex0104e: Invalid table, t.llr" : "SSYacc0111e: Error reading table, t.llr";
    EXPECT_EQ(messageOf([&] { SSYaccTable(heap.span(), "t.llr"); }, patch.code), text + patch.reason)
        << "word at " << patch.at << " = " << patch.value;
  }
}

TEST(YaccTableTest, EmbeddedItemLoadsOrIsRefusedWhenEmpty) {
  if (findEmbeddedResource("llr").empty())
    EXPECT_EQ(messageOf([] { SSYaccTable("c.llr"); }, 13),
              "SSYacc0111e: Error reading table, c.llr (image empty)");
  else
    EXPECT_GT(SSYaccTable("c.llr").stateCount(), 0);
}

TEST(SSSetOfLongintTest, AddsOnceAndGrowsBy16) {
  SSSetOfLongint set(16, 16);
  for (std::int32_t v = 0; v < 16; ++v) EXPECT_TRUE(set.add(v * 3 - 5));
  EXPECT_FALSE(set.add(-5));
  EXPECT_EQ(set.count(), 16);
  EXPECT_EQ(set.capacity(), 16);
  EXPECT_TRUE(set.add(1000));
  EXPECT_EQ(set.capacity(), 32);
  EXPECT_EQ(set.count(), 17);
  for (std::int32_t v = 0; v < 16; ++v) EXPECT_EQ(set[v], v * 3 - 5);
  EXPECT_EQ(set[16], 1000);
  EXPECT_TRUE(set.contains(1000));
  EXPECT_FALSE(set.contains(1001));
}

}  // namespace
}  // namespace morvane
