// The text commands of the main window that involve neither lexer nor parser:
// Indent (a keyword heuristic over the Pascal lines), Comment line, and the
// conversion of a file on disk from UNIX to DOS line ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/core/EditorLines.h"

namespace morvane {

// Indents the lines in place by the keyword heuristic (upper-cased substring tests
// for END, BEGIN, IF and ELSE; steps of two blanks). Running it twice indents twice.
void indentPascalLines(EditorLines& lines);

// The line wrapped as a C block comment: "/*" + line + "*/", whatever it holds.
std::string commentLine(std::string_view line);

// Rewrites the file so that every line feed is preceded by a carriage return. A line
// feed that already follows one is left alone. The new content goes to a temporary
// file beside the target, which then replaces it by rename, keeping its permissions;
// a read-only file fails. On any failure the original is untouched and
// std::runtime_error says why.
void convertUnixToDos(const std::filesystem::path& file);

}  // namespace morvane
