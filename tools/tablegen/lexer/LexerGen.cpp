// buildLexerImage and lexerImageStats: the definition text -> one minimal DFA per
// expression list -> the image; and the per-list counts of an image.
#include "tools/tablegen/LexerGen.h"

#include "tools/tablegen/lexer/LexAutomaton.h"
#include "tools/tablegen/lexer/LexDefinition.h"
#include "tools/tablegen/lexer/LexImage.h"

namespace morvane::tablegen {

std::vector<unsigned char> buildLexerImage(std::string_view definition) {
  const LexDefinition parsed = parseLexDefinition(definition);
  std::vector<LexDfa> lists;
  for (std::size_t i = 0; i < parsed.lists.size(); ++i)
    lists.push_back(buildListAutomaton(parsed.lists[i], static_cast<std::int32_t>(i)));
  return writeLexerImage(lists);
}

std::string lexerImageStats(std::span<const unsigned char> image) {
  std::string text;
  const auto counts = readLexerImageCounts(image);
  for (std::size_t i = 0; i < counts.size(); ++i)
    text += "list " + std::to_string(i) + ": states " + std::to_string(counts[i].states) + " bytes " +
            std::to_string(counts[i].blockSize) + "\n";
  return text;
}

}  // namespace morvane::tablegen
