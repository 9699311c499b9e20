// The lexer table image: writing the automata of all lists as the file header and
// one block per list (header, final records, row index, rows of sorted transition
// ranges), and reading an image back for its counts, checking every offset.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/tablegen/lexer/LexAutomaton.h"

namespace morvane::tablegen {

// The image of the lists in order; deterministic: equal automata give equal bytes.
std::vector<unsigned char> writeLexerImage(const std::vector<LexDfa>& lists);

struct LexImageListCounts {
  std::int32_t states = 0;
  std::int32_t blockSize = 0;
};

// The counts of every list; DefinitionError (line 0) saying what is wrong when the
// image is malformed (a size, offset or transition outside its bounds, a bad magic).
std::vector<LexImageListCounts> readLexerImageCounts(std::span<const unsigned char> image);

}  // namespace morvane::tablegen
