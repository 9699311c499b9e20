// The editors' line lists: splitting a text the way the editors count lines, and
// joining lines back into the CR LF text they hold.
#include "app/core/EditorLines.h"

namespace morvane {

EditorLines splitEditorLines(std::string_view text) {
  EditorLines lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n' || c == '\r') {
      lines.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::size_t countEditorLines(std::string_view text) {
  std::size_t count = 0;
  std::size_t i = 0;
  bool lineOpen = false;  // characters seen since the last line break
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n' || c == '\r') {
      ++count;
      lineOpen = false;
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    } else {
      lineOpen = true;
      ++i;
    }
  }
  return count + (lineOpen ? 1 : 0);
}

std::string joinEditorLines(const EditorLines& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void deleteEditorLine(EditorLines& lines, std::int64_t index) {
  if (index < 0 || index >= static_cast<std::int64_t>(lines.size())) return;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace morvane
