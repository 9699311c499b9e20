// What an editor's options dialog edits, as one value: the options page (font,
// tabs, margin, gutter, auto-indent), the highlighter's style colours, the key
// bindings, the auto-correct list and the templates.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

namespace morvane {

struct StyleSetting {
  int style = 0;
  QString name;
  QColor foreground;
  QColor background;
  bool bold = false;
  bool italic = false;
};

struct KeySetting {
  int command = 0;  // QsciCommand::Command
  QString description;
  int key = 0;           // Qt key code with modifiers; 0 for none
  int alternateKey = 0;
};

// A word and what replaces it (auto-correct), or an abbreviation and its expansion
// (templates; "\n" in an expansion becomes the editor's line break).
struct TextPair {
  QString from;
  QString to;
  friend bool operator==(const TextPair&, const TextPair&) = default;
};

struct EditorSettings {
  QFont font;
  int tabWidth = 4;
  bool showEdge = true;
  int edgeColumn = 80;
  bool showGutter = true;
  QColor gutterColour;
  bool autoIndent = true;
  std::vector<StyleSetting> styles;  // empty for an editor without a highlighter
  std::vector<KeySetting> keys;
  std::vector<TextPair> replacements;
  std::vector<TextPair> templates;
  int templateKey = 0;  // the key that expands the abbreviation before the caret
};

}  // namespace morvane
