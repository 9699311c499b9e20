// Loading of parse table images: the fixed part, the production table, the state
// records and the embedded lookahead lists, every offset, count and target checked
// against the image; then the indexes for the action and goto lookups.
#include "parser/SSYaccTable.h"

#include <algorithm>
#include <new>
#include <string>

#include "lexer/EmbeddedResource.h"
#include "lexer/SSException.h"
#include "lexer/TableImage.h"

namespace morvane {
namespace {

constexpr std::int64_t kRecordHeaderSize = 12;
constexpr std::int64_t kEntrySize = 8;

[[noreturn]] void raiseMalformed(const char* name, const std::string& reason) {
  throw SSException(sscode::kErrorReadingTable, ssmsg::kErrorReadingTable,
                    nameWithReason(name, reason).c_str());
}

std::string stateText(std::int64_t state) { return "state " + std::to_string(state); }

}  // namespace

SSYaccTable::SSYaccTable(const char* name) { load(findEmbeddedResource("llr"), name); }

SSYaccTable::SSYaccTable(std::span<const unsigned char> image, const char* name) { load(image, name); }

SSYaccTable::~SSYaccTable() = default;

void SSYaccTable::load(std::span<const unsigned char> bytes, const char* name) {
  try {
    const TableImage image(bytes);
    if (image.size() == 0) raiseMalformed(name, "image empty");
    if (!image.contains(0, 4)) raiseMalformed(name, "header truncated");
    if (image.word(0) != kYaccTableMagic)
      throw SSException(sscode::kErrorReadingTable, ssmsg::kErrorReadingTable, name ? name : "");
    if (!image.contains(0, kYaccHeaderSize)) raiseMalformed(name, "header truncated");

    const std::int64_t productionCount = image.word(4) & 0xFFFF;
    const std::int64_t listCount = image.word(4) >> 16;
    const std::int64_t stateCount = image.word(8);
    const std::int64_t fixedPart = kYaccHeaderSize + 8 * productionCount + 4 * stateCount;
    if (fixedPart > kYaccMaxFixedPart) throw SSException(sscode::kTableTooBig, ssmsg::kTableTooBig);
    if (stateCount == 0) raiseMalformed(name, "no states");
    if (image.word(16) != kYaccHeaderSize + 4 * stateCount)
      raiseMalformed(name, "production table offset is not 20 + 4 x states");
    if (image.word(12) != fixedPart)
      raiseMalformed(name, "state records offset is not 20 + 4 x states + 8 x productions");
    if (!image.contains(0, fixedPart))
      raiseMalformed(name, "image ends inside the state offsets or productions");

    // Productions.
    const std::int64_t productionsAt = kYaccHeaderSize + 4 * stateCount;
    productions_.resize(static_cast<std::size_t>(productionCount));
    for (std::int64_t n = 0; n < productionCount; ++n) {
      SSYaccProduction& p = productions_[static_cast<std::size_t>(n)];
      p = {image.signedWord(productionsAt + 8 * n), image.signedWord(productionsAt + 8 * n + 4)};
      if (p.rhsLength < 0) raiseMalformed(name, "production " + std::to_string(n) + " has a negative length");
    }

    // State records: inside the image after the fixed part. States may share a
    // record; distinct records may not overlap.
    struct Placed {
      std::int64_t begin, end, state;
    };
    std::vector<Placed> placed(static_cast<std::size_t>(stateCount));
    for (std::int64_t k = 0; k < stateCount; ++k) {
      const std::int64_t at = image.word(kYaccHeaderSize + 4 * k);
      if (at < fixedPart || !image.contains(at, kRecordHeaderSize))
        raiseMalformed(name, "record of " + stateText(k) + " outside the image");
      const std::int64_t extra = (image.word(at) & StateHasErrorEntry) ? 1 : 0;
      const std::int64_t entries = std::int64_t{image.word(at + 4)} + image.word(at + 8) + extra;
      if (!image.contains(at, kRecordHeaderSize + kEntrySize * entries))
        raiseMalformed(name, "record of " + stateText(k) + " outside the image");
      placed[static_cast<std::size_t>(k)] = {at, at + kRecordHeaderSize + kEntrySize * entries, k};
    }
    std::vector<Placed> byOffset = placed;
    std::sort(byOffset.begin(), byOffset.end(), [](const Placed& a, const Placed& b) {
      return a.begin != b.begin ? a.begin < b.begin : a.state < b.state;
    });
    recordOfState_.resize(static_cast<std::size_t>(stateCount));
    std::vector<std::int64_t> firstStateOfRecord;
    std::int64_t entryTotal = 0;
    for (std::size_t i = 0; i < byOffset.size(); ++i) {
      const Placed& p = byOffset[i];
      if (i > 0 && p.begin == byOffset[i - 1].begin) {
        recordOfState_[static_cast<std::size_t>(p.state)] =
            recordOfState_[static_cast<std::size_t>(byOffset[i - 1].state)];
        continue;
      }
      if (i > 0 && p.begin < byOffset[i - 1].end) {
        const auto [low, high] = std::minmax(p.state, byOffset[i - 1].state);
        raiseMalformed(
            name, "records of states " + std::to_string(low) + " and " + std::to_string(high) + " overlap");
      }
      recordOfState_[static_cast<std::size_t>(p.state)] =
          static_cast<std::uint32_t>(firstStateOfRecord.size());
      firstStateOfRecord.push_back(p.state);
      entryTotal += (p.end - p.begin - kRecordHeaderSize) / kEntrySize;
    }

    // Entries of each distinct record, with every target checked.
    entries_.reserve(static_cast<std::size_t>(entryTotal));
    struct Range {
      std::size_t actions, gotos, count;
    };
    std::vector<Range> ranges;
    records_.resize(firstStateOfRecord.size());
    for (std::size_t r = 0; r < firstStateOfRecord.size(); ++r) {
      const std::int64_t state = firstStateOfRecord[r];
      const std::int64_t at = placed[static_cast<std::size_t>(state)].begin;
      const std::string where = stateText(state) + ": ";
      const std::uint32_t flags = image.word(at);
      const std::int64_t gotoCount = image.word(at + 4);
      const std::int64_t actionCount = image.word(at + 8);
      const std::size_t first = entries_.size();
      auto entryAt = [&](std::int64_t index) {
        const std::int64_t e = at + kRecordHeaderSize + kEntrySize * index;
        return SSYaccEntry{image.word(e), image.signedWord(e + 4)};
      };
      for (std::int64_t i = 0; i < actionCount; ++i) {
        const SSYaccEntry e = entryAt(i);
        const std::int64_t target = e.word & ActionTargetMask;
        if ((e.word & ActionShift) && target >= stateCount)
          raiseMalformed(name, where + "shift to unknown state " + std::to_string(target));
        if (!(e.word & ActionShift) && (e.word & ActionReduce) && target >= productionCount)
          raiseMalformed(name, where + "reduce by unknown production " + std::to_string(target));
        if (!(e.word & (ActionShift | ActionReduce | ActionAccept)) && (e.word & ActionConflict) &&
            target >= listCount)
          raiseMalformed(name, where + "unknown lookahead list " + std::to_string(target));
        entries_.push_back(e);
      }
      for (std::int64_t i = 0; i < gotoCount; ++i) {
        const SSYaccEntry e = entryAt(actionCount + i);
        if ((e.word & ActionTargetMask) >= stateCount)
          raiseMalformed(name, where + "goto to unknown state " + std::to_string(e.word & ActionTargetMask));
        entries_.push_back(e);
      }
      SSYaccStateRecord& record = records_[r];
      record.flags = flags;
      if (flags & StateHasErrorEntry) {
        record.hasErrorEntry = true;
        record.errorEntry = entryAt(actionCount + gotoCount);
        if ((record.errorEntry.word & ActionTargetMask) >= stateCount)
          raiseMalformed(name, where + "error entry to unknown state " +
                                   std::to_string(record.errorEntry.word & ActionTargetMask));
      }
      ranges.push_back(
          {first, first + static_cast<std::size_t>(actionCount), static_cast<std::size_t>(gotoCount)});
    }
    // The entries no longer move: the spans can point into them.
    for (std::size_t r = 0; r < records_.size(); ++r) {
      records_[r].actions = std::span<const SSYaccEntry>(entries_.data() + ranges[r].actions,
                                                         ranges[r].gotos - ranges[r].actions);
      records_[r].gotos = std::span<const SSYaccEntry>(entries_.data() + ranges[r].gotos, ranges[r].count);
    }

    // Lookahead lists, right after the record of the last state.
    std::int64_t listAt = placed.back().end;
    for (std::int64_t i = 0; i < listCount; ++i) {
      const std::string context = "lookahead list " + std::to_string(i);
      auto list = std::make_unique<SSLexExpressionList>(
          bytes.subspan(static_cast<std::size_t>(std::min(listAt, image.size()))), name, context);
      for (std::int32_t d = 0; d < list->stateCount(); ++d) {
        const SSLexFinalRecord& f = list->finalRecord(d);
        if (!(f.flags & FinalFlagAccept)) continue;
        const bool reduce = f.flags & FinalFlagReduce;
        if (f.token < 0 || f.token >= (reduce ? productionCount : stateCount))
          raiseMalformed(name, context + ", " + stateText(d) + ": " +
                                   (reduce ? "reduce by unknown production " : "shift to unknown state ") +
                                   std::to_string(f.token));
      }
      listAt += list->blockSize();
      lists_.push_back(std::move(list));
    }

    // The lookups: dense rows may take as many cells as the image has bytes.
    std::vector<std::span<const SSYaccEntry>> actionRows, gotoRows;
    for (const SSYaccStateRecord& record : records_) {
      actionRows.push_back(record.actions);
      gotoRows.push_back(record.gotos);
    }
    actions_.build(actionRows, entries_.data(), image.size());
    gotos_.build(gotoRows, entries_.data(), image.size());
    image_.assign(bytes.begin(), bytes.end());
  } catch (const std::bad_alloc&) {
    throw SSException(sscode::kOutOfMemory, ssmsg::kOutOfMemory);
  }
}

const SSYaccStateRecord& SSYaccTable::stateRecord(std::int32_t state) const {
  if (state < 0 || state >= stateCount()) throw SSException(sscode::kParseFailed, ssmsg::kParseFailed);
  return records_[recordOfState_[static_cast<std::size_t>(state)]];
}

SSYaccProduction SSYaccTable::production(std::int32_t n) const {
  if (n < 0 || n >= productionCount()) throw SSException(sscode::kParseFailed, ssmsg::kParseFailed);
  return productions_[static_cast<std::size_t>(n)];
}

const SSLexExpressionList& SSYaccTable::lookaheadList(std::int32_t index) const {
  if (index < 0 || index >= lookaheadListCount())
    throw SSException(sscode::kInvalidListIndex, ssmsg::kInvalidListIndex, index);
  return *lists_[static_cast<std::size_t>(index)];
}

}  // namespace morvane
