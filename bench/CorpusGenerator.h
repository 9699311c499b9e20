// Generates large C texts that the C grammar accepts (no preprocessor, declarations
// at the start of blocks, only built-in type names), for benchmarks and scaling
// measurements. The same seed gives the same text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane::bench {

// A translation unit of roughly `bytes` bytes: global declarations, structs and
// functions with loops, switches, calls and expressions, separated by LF.
std::string generateCorpus(std::size_t bytes, std::uint32_t seed = 1);

// One function whose body holds `statements` simple statements: one long list
// (the statement_list reduction runs `statements` times on the same text).
std::string generateLongFunction(std::size_t statements);

}  // namespace morvane::bench
