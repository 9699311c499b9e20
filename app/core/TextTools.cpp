// Indent, Comment line and the UNIX-to-DOS conversion: plain text work on the
// editors' lines and on one file, without lexer or parser.
#include "app/core/TextTools.h"

#include "app/core/FileIO.h"

namespace morvane {

namespace {

constexpr std::string_view kIndentStep = "  ";

// Letters a to z become A to Z; every other byte stays, so the tests below see
// keywords inside longer words and comments too (Append counts as END).
std::string upperCased(std::string_view line) {
  std::string upper(line);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

bool holds(const std::string& line, std::string_view keyword) {
  return upperCased(line).find(keyword) != std::string::npos;
}

}  // namespace

void indentPascalLines(EditorLines& lines) {
  std::string indentation;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // END before the line gets its indentation, BEGIN after: a block's closing
    // line stands at the outer level, and "Begin end;" moves out by one step.
    if (holds(lines[i], "END")) indentation.resize(indentation.size() >= 2 ? indentation.size() - 2 : 0);
    lines[i] = indentation + lines[i];
    const bool opensBlock = holds(lines[i], "BEGIN");
    if (opensBlock) indentation += kIndentStep;
    // The line after an IF or ELSE line moves in for itself only.
    if (i > 0 && !opensBlock && (holds(lines[i - 1], "IF") || holds(lines[i - 1], "ELSE"))) {
      lines[i].insert(0, kIndentStep);
    }
  }
}

std::string commentLine(std::string_view line) { return "/*" + std::string(line) + "*/"; }

void convertUnixToDos(const std::filesystem::path& file) {
  const std::string original = readFileBytes(file);
  std::string converted;
  converted.reserve(original.size() + original.size() / 16);
  char previous = 0;
  for (const char c : original) {
    // A line feed that already follows a carriage return is a DOS line end: left alone.
    if (c == '\n' && previous != '\r') converted += '\r';
    converted += c;
    previous = c;
  }
  // Written even when nothing changed, so a read-only file fails as it always did.
  writeFileAtomically(file, converted);
}

}  // namespace morvane
