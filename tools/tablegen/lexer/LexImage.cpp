// Writes and checks lexer table images. All words go through lexer/LittleEndian.h;
// the reader works in 64-bit arithmetic so no offset or count can wrap around.
#include "tools/tablegen/lexer/LexImage.h"

#include <string>

#include "lexer/LittleEndian.h"
#include "lexer/SSLexTable.h"
#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen {
namespace {

constexpr std::int32_t kMaxBound = 65535;  // highest character a transition may name

struct Transition {
  std::int32_t low;
  std::int32_t high;
  std::int32_t next;
};

// A state's row: byte ranges in ascending order, neighbours with the same target
// merged, then the start-marker transition.
std::vector<Transition> rowOf(const LexDfaState& state) {
  std::vector<Transition> row;
  for (std::int32_t b = 0; b < 256; ++b) {
    const std::int32_t next = state.next[static_cast<std::size_t>(b)];
    if (next < 0) continue;
    if (!row.empty() && row.back().high == b - 1 && row.back().next == next) {
      row.back().high = b;
    } else {
      row.push_back({b, b, next});
    }
  }
  if (state.onStartMarker >= 0) row.push_back({-1, -1, state.onStartMarker});
  return row;
}

class ImageWriter {
 public:
  void word(std::int32_t value) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + 4);
    writeLe32(bytes_.data() + at, static_cast<std::uint32_t>(value));
  }
  void zeros(int words) {
    for (int i = 0; i < words; ++i) word(0);
  }
  std::size_t size() const { return bytes_.size(); }
  void patch(std::size_t at, std::int32_t value) { writeLe32(bytes_.data() + at, static_cast<std::uint32_t>(value)); }
  std::vector<unsigned char> take() { return std::move(bytes_); }

 private:
  std::vector<unsigned char> bytes_;
};

void writeBlock(ImageWriter& out, const LexDfa& dfa) {
  const std::size_t blockStart = out.size();
  const auto stateCount = static_cast<std::int32_t>(dfa.states.size());
  std::vector<std::vector<Transition>> rows;
  for (const auto& state : dfa.states) rows.push_back(rowOf(state));

  const std::int32_t finalsOffset = kLexListHeaderSize;
  const std::int32_t rowIndexOffset = finalsOffset + stateCount * kLexFinalRecordSize;
  std::int32_t rowsEnd = rowIndexOffset + stateCount * 4;
  std::vector<std::int32_t> rowOffsets;
  for (const auto& row : rows) {
    rowOffsets.push_back(rowsEnd);
    rowsEnd += 4 + static_cast<std::int32_t>(row.size()) * kLexTransitionSize;
  }

  out.word(static_cast<std::int32_t>(kLexTableMagic));
  out.word(rowsEnd);  // block size
  out.zeros(8);
  out.word(stateCount);
  out.word(rowsEnd);
  out.word(rowIndexOffset);
  out.word(finalsOffset);
  out.zeros(8);
  for (const auto& state : dfa.states) {
    out.word(state.record.token);
    out.word(state.record.listIndex);
    out.word(static_cast<std::int32_t>(state.record.flags));
    out.zeros(4);
  }
  for (std::int32_t offset : rowOffsets) out.word(offset);
  for (const auto& row : rows) {
    out.word(static_cast<std::int32_t>(row.size()));
    for (const auto& t : row) {
      out.word(t.low);
      out.word(t.high);
      out.word(t.next);
    }
  }
  if (out.size() - blockStart != static_cast<std::size_t>(rowsEnd))
    throw DefinitionError(0, "internal error: block size mismatch");
}

class ImageReader {
 public:
  explicit ImageReader(std::span<const unsigned char> image) : image_(image) {}

  std::vector<LexImageListCounts> read() {
    if (image_.size() < static_cast<std::size_t>(kLexFileHeaderSize)) fail("shorter than the 36-byte file header");
    if (readLe32(image_.data() + 4) != kLexTableMagic) fail("no lexer table magic in the file header");
    const std::int64_t listCount = word(0);
    std::int64_t at = kLexFileHeaderSize;
    std::vector<LexImageListCounts> counts;
    for (std::int64_t list = 0; list < listCount; ++list) {
      counts.push_back(readBlock(at, list));
      at += counts.back().blockSize;
    }
    if (at != static_cast<std::int64_t>(image_.size()))
      fail(std::to_string(static_cast<std::int64_t>(image_.size()) - at) + " bytes after the last list");
    return counts;
  }

 private:
  [[noreturn]] static void fail(const std::string& message) { throw DefinitionError(0, "malformed lexer image: " + message); }

  std::int64_t word(std::int64_t at) const {
    if (at < 0 || at + 4 > static_cast<std::int64_t>(image_.size())) fail("a word past the end of the image");
    return readLe32Signed(image_.data() + at);
  }

  LexImageListCounts readBlock(std::int64_t block, std::int64_t list) {
    const std::string where = "list " + std::to_string(list) + ": ";
    if (block + kLexListHeaderSize > static_cast<std::int64_t>(image_.size())) fail(where + "header past the end of the image");
    if (static_cast<std::uint32_t>(word(block)) != kLexTableMagic) fail(where + "no magic in the block header");
    const std::int64_t size = word(block + 4);
    if (size < kLexListHeaderSize || block + size > static_cast<std::int64_t>(image_.size()))
      fail(where + "block size " + std::to_string(size) + " does not fit the image");
    const std::int64_t states = word(block + 40);
    const std::int64_t rowIndex = word(block + 48);
    const std::int64_t finals = word(block + 52);
    if (states < 1) fail(where + "no states");
    auto inside = [&](std::int64_t offset, std::int64_t length) {
      return offset >= kLexListHeaderSize && length >= 0 && offset + length <= size;
    };
    if (!inside(finals, states * kLexFinalRecordSize)) fail(where + "final records outside the block");
    if (!inside(rowIndex, states * 4)) fail(where + "row index outside the block");
    for (std::int64_t s = 0; s < states; ++s) {
      const std::int64_t row = word(block + rowIndex + 4 * s);
      if (!inside(row, 4)) fail(where + "row of state " + std::to_string(s) + " outside the block");
      const std::int64_t count = word(block + row);
      if (!inside(row + 4, count * kLexTransitionSize)) fail(where + "row of state " + std::to_string(s) + " runs past the block");
      checkRow(block + row + 4, count, states, where + "state " + std::to_string(s) + ": ");
    }
    return {static_cast<std::int32_t>(states), static_cast<std::int32_t>(size)};
  }

  void checkRow(std::int64_t at, std::int64_t count, std::int64_t states, const std::string& where) const {
    std::int64_t previousHigh = -1;
    for (std::int64_t i = 0; i < count; ++i, at += kLexTransitionSize) {
      const std::int64_t low = word(at), high = word(at + 4), next = word(at + 8);
      if (next < 0 || next >= states) fail(where + "transition to state " + std::to_string(next) + " out of range");
      if (low == -1 && high == -1) {
        if (i != count - 1) fail(where + "the start-marker transition is not the last");
        continue;
      }
      if (low < 0 || high < low || high > kMaxBound) fail(where + "bad range " + std::to_string(low) + ".." + std::to_string(high));
      if (i > 0 && low <= previousHigh) fail(where + "ranges out of order or overlapping");
      previousHigh = high;
    }
  }

  std::span<const unsigned char> image_;
};

}  // namespace

std::vector<unsigned char> writeLexerImage(const std::vector<LexDfa>& lists) {
  ImageWriter out;
  out.word(static_cast<std::int32_t>(lists.size()));
  out.word(static_cast<std::int32_t>(kLexTableMagic));
  out.zeros(7);
  for (const auto& dfa : lists) writeBlock(out, dfa);
  return out.take();
}

std::vector<LexImageListCounts> readLexerImageCounts(std::span<const unsigned char> image) {
  return ImageReader(image).read();
}

}  // namespace morvane::tablegen
