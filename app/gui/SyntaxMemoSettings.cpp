// SyntaxMemo: reading and applying the options-dialog settings, and the two typing
// aids they configure: auto-correct (a word replaced when a non-word character
// follows it) and templates (the abbreviation before the caret expanded by a key).
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexer.h>

#include "app/gui/SyntaxMemo.h"

namespace morvane {

namespace {

// The highlighter's styles are numbered 0 to 127; the ones it names are in use.
constexpr int kStyleCount = 128;

bool isIdentifierByte(int c) {
  return c < 0 || c >= 0x80 || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Scintilla sizes its fonts in points: a font given in pixels is converted at the
// screen's resolution.
QFont inPoints(QFont font, double dotsPerInch) {
  if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / dotsPerInch);
  return font;
}

}  // namespace

EditorSettings SyntaxMemo::settings() const {
  EditorSettings settings;
  settings.font = font_;
  settings.tabWidth = tabWidth();
  settings.showEdge = edgeMode() != EdgeNone;
  settings.edgeColumn = edgeColumn();
  settings.showGutter = marginWidth(0) > 0;
  settings.gutterColour = gutterColour_;
  settings.autoIndent = autoIndent();
  if (const QsciLexer* highlighter = lexer()) {
    for (int style = 0; style < kStyleCount; ++style) {
      const QString name = highlighter->description(style);
      if (name.isEmpty()) continue;
      const QFont font = highlighter->font(style);
      settings.styles.push_back({style, name, highlighter->color(style), highlighter->paper(style), font.bold(),
                                 font.italic()});
    }
  }
  for (const QsciCommand* command : standardCommands()->commands()) {
    settings.keys.push_back({static_cast<int>(command->command()), command->description(), command->key(),
                             command->alternateKey()});
  }
  settings.replacements = replacements_;
  settings.templates = templates_;
  settings.templateKey = templateKey_;
  return settings;
}

void SyntaxMemo::applySettings(const EditorSettings& settings) {
  font_ = settings.font;
  const QFont base = inPoints(settings.font, logicalDpiY());
  if (QsciLexer* highlighter = lexer()) {
    highlighter->setDefaultFont(base);
    highlighter->setFont(base, -1);
    for (const StyleSetting& style : settings.styles) {
      QFont font = base;
      font.setBold(style.bold);
      font.setItalic(style.italic);
      highlighter->setFont(font, style.style);
      highlighter->setColor(style.foreground, style.style);
      highlighter->setPaper(style.background, style.style);
    }
  } else {
    setFont(base);
  }
  setMarginsFont(base);
  setTabWidth(settings.tabWidth);
  setEdgeMode(settings.showEdge ? EdgeLine : EdgeNone);
  setEdgeColumn(settings.edgeColumn);
  if (settings.showGutter) {
    setMarginWidth(0, QStringLiteral("00000"));
  } else {
    setMarginWidth(0, 0);
  }
  gutterColour_ = settings.gutterColour;
  setMarginsBackgroundColor(settings.gutterColour);
  setAutoIndent(settings.autoIndent);
  for (const KeySetting& key : settings.keys) {
    QsciCommand* command = standardCommands()->find(static_cast<QsciCommand::Command>(key.command));
    if (command == nullptr) continue;
    if (key.key == 0 || QsciCommand::validKey(key.key)) command->setKey(key.key);
    if (key.alternateKey == 0 || QsciCommand::validKey(key.alternateKey)) command->setAlternateKey(key.alternateKey);
  }
  replacements_ = settings.replacements;
  templates_ = settings.templates;
  templateKey_ = settings.templateKey;
}

void SyntaxMemo::autoCorrect(int added) {
  // A line break arrives as CR then LF; the word is looked at once, on the LF.
  if (replacements_.empty() || added == '\r' || isIdentifierByte(added)) return;
  const long position = SendScintilla(SCI_GETCURRENTPOS);
  long end = position - 1;
  if (added == '\n') {
    const auto line = static_cast<std::int32_t>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    if (line == 0) return;
    end = lineEnd(line - 1);
  }
  if (end <= 0) return;
  const long start = SendScintilla(SCI_WORDSTARTPOSITION, static_cast<unsigned long>(end), 1L);
  if (start >= end) return;
  const QString word = QString::fromLatin1(bytes() + start, end - start);
  for (const TextPair& pair : replacements_) {
    if (pair.from == word) {
      const QByteArray replacement = pair.to.toLatin1();
      replaceRange(start, end, std::string_view(replacement.constData(), static_cast<std::size_t>(replacement.size())));
      return;
    }
  }
}

bool SyntaxMemo::expandTemplate() {
  const long position = SendScintilla(SCI_GETCURRENTPOS);
  const long start = SendScintilla(SCI_WORDSTARTPOSITION, static_cast<unsigned long>(position), 1L);
  if (start >= position) return false;
  const QString word = QString::fromLatin1(bytes() + start, position - start);
  for (const TextPair& pair : templates_) {
    if (pair.from != word) continue;
    // Continuation lines take the indentation of the line the abbreviation is on.
    const auto line = static_cast<std::int32_t>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(start)));
    const long lineBegin = lineStart(line);
    long indentEnd = lineBegin;
    while (indentEnd < start && (bytes()[indentEnd] == ' ' || bytes()[indentEnd] == '\t')) ++indentEnd;
    const QString indentation = QString::fromLatin1(bytes() + lineBegin, indentEnd - lineBegin);
    const QString lineBreak = eolMode() == EolWindows ? QStringLiteral("\r\n")
                              : eolMode() == EolMac   ? QStringLiteral("\r")
                                                      : QStringLiteral("\n");
    QString expansion = pair.to;
    expansion.replace(QLatin1Char('\n'), lineBreak + indentation);
    const QByteArray text = expansion.toLatin1();
    beginUndoAction();
    replaceRange(start, position, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + text.size()));
    endUndoAction();
    return true;
  }
  return false;
}

}  // namespace morvane
