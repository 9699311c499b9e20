// Stand-in for the generated name table, used only with MORVANE_PLACEHOLDER_TABLES.
#include "cgrammar/CGrammar.h"

namespace morvane::cgrammar {
std::int32_t productionCount() { return 0; }
std::string_view productionRule(std::int32_t) { return {}; }
std::string_view symbolName(std::int32_t) { return {}; }
}  // namespace morvane::cgrammar
