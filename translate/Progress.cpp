// The progress value that every reduction hands to the host before its action.
#include "translate/CYaccClass.h"

namespace morvane {

std::int32_t progressPercent(std::int32_t line, std::int32_t lineCount) {
  // An editor without lines has no meaningful percentage.
  if (lineCount <= 0) return 0;
  // Wraps like the 32-bit product it stands for; not clamped: line 61 of a 60-line
  // text shows 101.
  const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(line) * 100u);
  return static_cast<std::int32_t>(static_cast<double>(product) / static_cast<double>(lineCount));
}

}  // namespace morvane
