// Writes a parse table as the image the parser loads (header, state offsets,
// production table, state records); the reading side is declared in LalrGen.h.
#pragma once

#include <vector>

#include "tools/tablegen/LalrGen.h"
#include "tools/tablegen/lalr/Grammar.h"
#include "tools/tablegen/lalr/ParseTable.h"

namespace morvane::tablegen::lalr {

// DefinitionError when the table exceeds what the image format and loader allow.
std::vector<unsigned char> writeParserImage(const Grammar& grammar, const ParseTable& table);

}  // namespace morvane::tablegen::lalr
