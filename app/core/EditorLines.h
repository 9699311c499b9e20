// The editors' line lists, as the Pascal and C editors hold them: a text is split
// at CR LF, LF or a lone CR; a final line break ends the last line and starts no
// new one. The editor's text is every line followed by CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

using EditorLines = std::vector<std::string>;

EditorLines splitEditorLines(std::string_view text);
// splitEditorLines(text).size(), without building the lines.
std::size_t countEditorLines(std::string_view text);
std::string joinEditorLines(const EditorLines& lines);
// Deletes the line at a 0-based index; an index that names no line is ignored.
void deleteEditorLine(EditorLines& lines, std::int64_t index);

}  // namespace morvane
