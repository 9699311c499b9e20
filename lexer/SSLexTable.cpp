// Loading of lexer table images and expression list blocks, with every count and
// offset checked against the block, and the rows turned into lookup structures
// that answer exactly as walking the written rows does.
#include "lexer/SSLexTable.h"

#include <algorithm>
#include <limits>
#include <new>

#include "lexer/EmbeddedResource.h"
#include "lexer/SSException.h"
#include "lexer/TableImage.h"

namespace morvane {
namespace {

constexpr std::int64_t kMinValue = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxValue = std::numeric_limits<std::int32_t>::max();

// Block header fields.
constexpr std::int64_t kBlockSizeField = 4;
constexpr std::int64_t kStateCountField = 40;
constexpr std::int64_t kRowIndexField = 48;
constexpr std::int64_t kFinalRecordsField = 52;

struct Region {
  std::int64_t begin;
  std::int64_t end;
  bool overlaps(const Region& other) const noexcept { return begin < other.end && other.begin < end; }
};

[[noreturn]] void raiseMalformed(const char* name, std::string_view context, std::string_view reason) {
  std::string text(context);
  if (!text.empty()) text += ": ";
  text += reason;
  throw SSException(sscode::kInvalidLexTable, ssmsg::kInvalidLexTable, nameWithReason(name, text).c_str());
}

std::string stateText(std::int64_t state) { return "state " + std::to_string(state); }

}  // namespace

SSLexExpressionList::SSLexExpressionList(std::span<const unsigned char> block, const char* name,
                                         std::string_view context) {
  try {
    load(block, name, context, true);
  } catch (const std::bad_alloc&) {
    throw SSException(sscode::kOutOfMemory, ssmsg::kOutOfMemory);
  }
}

// Out of memory is reported by the table loader around it.
SSLexExpressionList::SSLexExpressionList(std::span<const unsigned char> block, const char* name,
                                         std::string_view context, FromFile) {
  load(block, name, context, false);
}

SSLexExpressionList::~SSLexExpressionList() = default;

void SSLexExpressionList::load(std::span<const unsigned char> bytes, const char* name,
                               std::string_view context, bool checkMagic) {
  auto fail = [&](std::string_view reason) { raiseMalformed(name, context, reason); };
  TableImage image(bytes);
  if (checkMagic) {
    if (!image.contains(0, 4)) fail("header truncated");
    if (image.word(0) != kLexTableMagic)
      throw SSException(sscode::kInvalidLexTable, ssmsg::kInvalidLexTable, name ? name : "");
  }
  if (!image.contains(0, kLexListHeaderSize)) fail("header truncated");

  const std::int64_t size = image.signedWord(kBlockSizeField);
  if (size < kLexListHeaderSize) fail("block size below its header");
  if (size > image.size()) fail("block runs past the end of the image");
  const TableImage block(bytes.first(static_cast<std::size_t>(size)));
  // Everything but the header lies in [88, size).
  auto inBody = [&](std::int64_t offset, std::int64_t length) {
    return offset >= kLexListHeaderSize && block.contains(offset, length);
  };

  const std::int64_t states = block.signedWord(kStateCountField);
  if (states <= 0) fail("no states");
  const std::int64_t finalsOffset = block.signedWord(kFinalRecordsField);
  const std::int64_t indexOffset = block.signedWord(kRowIndexField);
  if (!inBody(finalsOffset, states * kLexFinalRecordSize)) fail("final records outside its block");
  if (!inBody(indexOffset, states * 4)) fail("row index outside its block");
  const Region finals{finalsOffset, finalsOffset + states * kLexFinalRecordSize};
  const Region index{indexOffset, indexOffset + states * 4};
  if (finals.overlaps(index)) fail("row index overlaps the final records");

  // From here on, states is bounded by the block size (28 + 4 bytes each).
  const auto stateCount = static_cast<std::size_t>(states);
  finals_.resize(stateCount);
  for (std::size_t k = 0; k < stateCount; ++k) {
    const std::int64_t at = finalsOffset + static_cast<std::int64_t>(k) * kLexFinalRecordSize;
    finals_[k] = {block.signedWord(at), block.signedWord(at + 4), block.word(at + 8)};
  }

  // Each state owns one row; rows may not be shared, overlap one another or the
  // other parts of the block, so the total work stays proportional to the block.
  struct Row {
    Region bytes;
    std::int64_t state;
  };
  std::vector<Row> rows(stateCount);
  for (std::size_t k = 0; k < stateCount; ++k) {
    const std::int64_t offset = block.signedWord(indexOffset + static_cast<std::int64_t>(k) * 4);
    if (!inBody(offset, 4)) fail("row of " + stateText(k) + " outside its block");
    const std::int64_t count = block.signedWord(offset);
    if (count < 0) fail("row of " + stateText(k) + " has a negative count");
    if (!inBody(offset, 4 + count * kLexTransitionSize))
      fail("row of " + stateText(k) + " outside its block");
    rows[k] = {{offset, offset + 4 + count * kLexTransitionSize}, static_cast<std::int64_t>(k)};
    if (rows[k].bytes.overlaps(finals)) fail("row of " + stateText(k) + " overlaps the final records");
    if (rows[k].bytes.overlaps(index)) fail("row of " + stateText(k) + " overlaps the row index");
  }
  std::vector<Row> byOffset = rows;
  std::sort(byOffset.begin(), byOffset.end(),
            [](const Row& a, const Row& b) { return a.bytes.begin < b.bytes.begin; });
  for (std::size_t k = 1; k < byOffset.size(); ++k) {
    if (byOffset[k - 1].bytes.overlaps(byOffset[k].bytes)) {
      const auto [low, high] = std::minmax(byOffset[k - 1].state, byOffset[k].state);
      fail("rows of states " + std::to_string(low) + " and " + std::to_string(high) + " overlap");
    }
  }

  // Walking a row for a value c other than -1: the walk stops (no transition) at the
  // first low above c and otherwise takes the first transition whose high is not
  // below c. The values still undecided after each transition are always the ones
  // from some bound `open` upwards, so the answer is a sorted list of pieces.
  dense_.assign(stateCount * kDenseWidth, -1);
  firstPiece_.assign(stateCount + 1, 0);
  for (std::size_t k = 0; k < stateCount; ++k) {
    firstPiece_[k] = static_cast<std::uint32_t>(pieces_.size());
    auto emit = [&](std::int64_t from, std::int32_t next) {
      if (pieces_.size() > firstPiece_[k] && pieces_.back().next == next) return;
      pieces_.push_back({static_cast<std::int32_t>(from), next});
    };
    const std::int64_t rowOffset = rows[k].bytes.begin;
    const std::int64_t count = block.signedWord(rowOffset);
    std::int64_t open = kMinValue;
    std::int32_t onMarker = -1;
    bool markerSeen = false;
    for (std::int64_t t = 0; t < count; ++t) {
      const std::int64_t at = rowOffset + 4 + t * kLexTransitionSize;
      const std::int64_t low = block.signedWord(at);
      const std::int64_t high = block.signedWord(at + 4);
      const std::int32_t next = block.signedWord(at + 8);
      if (next < -1 || next >= states)
        fail("row of " + stateText(k) + " leads to unknown state " + std::to_string(next));
      if (!markerSeen && low == -1) {
        onMarker = next;
        markerSeen = true;
      }
      if (open > kMaxValue) continue;
      if (low > open) {
        emit(open, -1);
        open = low;
      }
      if (high >= open) {
        emit(open, next);
        open = high + 1;
      }
    }
    if (open <= kMaxValue) emit(open, -1);

    std::int32_t* dense = dense_.data() + k * kDenseWidth;
    dense[0] = onMarker;
    const Piece* piece = pieces_.data() + firstPiece_[k];
    const Piece* const end = pieces_.data() + pieces_.size();
    for (std::int32_t c = 0; c <= kLastCharacter; ++c) {
      while (piece + 1 != end && piece[1].from <= c) ++piece;
      dense[c + 1] = piece->next;
    }
  }
  firstPiece_[stateCount] = static_cast<std::uint32_t>(pieces_.size());
  pieces_.shrink_to_fit();

  stateCount_ = static_cast<std::int32_t>(states);
  blockSize_ = static_cast<std::int32_t>(size);
}

std::int32_t SSLexExpressionList::nextStateBeyondCharacters(std::int32_t c,
                                                            std::int32_t state) const noexcept {
  const Piece* first = pieces_.data() + firstPiece_[static_cast<std::size_t>(state)];
  const Piece* last = pieces_.data() + firstPiece_[static_cast<std::size_t>(state) + 1];
  // The first piece of every state starts at the lowest value, so one is found.
  const Piece* after =
      std::upper_bound(first, last, c, [](std::int32_t value, const Piece& p) { return value < p.from; });
  return after[-1].next;
}

SSLexTable::SSLexTable(const char* name) { load(findEmbeddedResource("dfa"), name); }

SSLexTable::SSLexTable(std::span<const unsigned char> image, const char* name) { load(image, name); }

SSLexTable::~SSLexTable() = default;

void SSLexTable::load(std::span<const unsigned char> bytes, const char* name) {
  // An item that holds nothing cannot be read at all: reported as failing to open.
  if (bytes.empty()) throw SSException(sscode::kErrorOpeningFile, ssmsg::kErrorOpeningFile, name ? name : "");
  const TableImage image(bytes);
  if (!image.contains(0, kLexFileHeaderSize)) raiseMalformed(name, {}, "file header truncated");
  if (image.word(4) != kLexTableMagic)
    throw SSException(sscode::kInvalidLexTable, ssmsg::kInvalidLexTable, name ? name : "");
  try {
    const std::int32_t count = image.signedWord(0);
    std::int64_t offset = kLexFileHeaderSize;
    // Every block takes at least its header, so a huge count ends at the image's end.
    for (std::int32_t i = 0; i < count; ++i) {
      const std::string context = "list " + std::to_string(i);
      if (offset == image.size()) raiseMalformed(name, context, "missing, the image ends before it");
      lists_.push_back(std::unique_ptr<SSLexExpressionList>(new SSLexExpressionList(
          bytes.subspan(static_cast<std::size_t>(offset)), name, context, SSLexExpressionList::FromFile{})));
      offset += lists_.back()->blockSize();
    }
  } catch (const std::bad_alloc&) {
    throw SSException(sscode::kOutOfMemory, ssmsg::kOutOfMemory);
  }
}

SSLexExpressionList& SSLexTable::expressionList(std::int32_t index) {
  if (index < 0 || index >= listCount())
    throw SSException(sscode::kInvalidListIndex, ssmsg::kInvalidListIndex, index);
  return *lists_[static_cast<std::size_t>(index)];
}

const SSLexExpressionList& SSLexTable::expressionList(std::int32_t index) const {
  return const_cast<SSLexTable*>(this)->expressionList(index);
}

}  // namespace morvane
