// The regular patterns of a token definition: their syntax tree and the parser that
// reads one pattern from a definition line. Patterns run over bytes 0..255 plus the
// start-of-input marker, which is only ever a rule's whole pattern.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::tablegen {

using ByteSet = std::bitset<256>;

struct PatternNode {
  enum class Kind { Bytes, StartMarker, Sequence, Choice, Repeat };
  Kind kind = Kind::Sequence;
  ByteSet bytes;                      // Bytes: any one byte of the set
  std::vector<PatternNode> children;  // Sequence and Choice: the parts; Repeat: the one child
  int minCount = 0;                   // Repeat: at least this many
  int maxCount = -1;                  // Repeat: at most this many; -1 for no bound
  std::size_t size = 1;               // nodes in this tree
  int depth = 1;                      // levels of this tree
};

// Named parts that later patterns use as {NAME}.
using PatternDefinitions = std::map<std::string, PatternNode, std::less<>>;

// Reads the pattern that starts at text[pos] and ends at the first blank outside
// quotes and brackets (or at the end of the text); pos is left just past it.
// DefinitionError with `line` (and the column in the message) on a malformed pattern.
PatternNode parsePattern(std::string_view text, std::size_t& pos, std::int32_t line,
                         const PatternDefinitions& definitions);

// The pattern is exactly the start-of-input marker.
bool isStartMarker(const PatternNode& pattern);

// True for the blanks that separate the fields of a definition line.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A byte written for a message: printable ASCII as itself, others as \n, \t or \xHH.
std::string describeByte(int byte);

}  // namespace morvane::tablegen
