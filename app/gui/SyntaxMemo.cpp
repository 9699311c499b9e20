// SyntaxMemo: text, lines, line colours, caret, files, drops and the rich copy.
// Everything goes through Scintilla's byte interface; QString appears only where Qt
// itself needs one (the clipboard), as Latin-1.
#include "app/gui/SyntaxMemo.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerpascal.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <exception>
#include <stdexcept>

#include "app/core/FileIO.h"

namespace morvane {

SyntaxMemo::SyntaxMemo(Language language, QWidget* parent) : QsciScintilla(parent), language_(language) {
  setUtf8(false);
  setEolMode(EolWindows);
  if (language == Language::C) {
    setLexer(new QsciLexerCPP(this));
    setSelectionBackgroundColor(QColor(0, 0, 128));  // navy
  } else if (language == Language::Pascal) {
    setLexer(new QsciLexerPascal(this));
    setSelectionBackgroundColor(QColor(0, 0, 255));  // blue
  } else {
    setSelectionBackgroundColor(QColor(0, 0, 128));
  }
  setSelectionForegroundColor(Qt::white);
  setMarginType(0, NumberMargin);
  setMarginLineNumbers(0, true);
  for (int margin = 1; margin < 5; ++margin) setMarginWidth(margin, 0);
  setEdgeColor(QColor(192, 192, 192));
  connect(this, &QsciScintillaBase::SCN_CHARADDED, this, &SyntaxMemo::autoCorrect);

  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(13);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);

  // The styles keep the highlighter's own colours and weights, in the editor's font.
  EditorSettings initial = settings();
  initial.font = font;
  initial.tabWidth = 4;
  initial.showEdge = true;
  initial.edgeColumn = 80;
  initial.showGutter = true;
  initial.gutterColour = language == Language::Pascal ? QColor(Qt::yellow) : palette().color(QPalette::Button);
  initial.autoIndent = true;
  initial.templateKey = QKeyCombination(Qt::ControlModifier, Qt::Key_J).toCombined();
  if (language == Language::Pascal) {
    initial.replacements = {{QStringLiteral("begni"), QStringLiteral("begin")},
                            {QStringLiteral("procdure"), QStringLiteral("procedure")}};
    initial.templates = {{QStringLiteral("beg"), QStringLiteral("Begin\nend;")},
                         {QStringLiteral("ifb"), QStringLiteral("if  then\nBegin\nend;")}};
  } else {
    initial.replacements = {{QStringLiteral("retrun"), QStringLiteral("return")},
                            {QStringLiteral("viod"), QStringLiteral("void")}};
    initial.templates = {{QStringLiteral("fori"), QStringLiteral("for (i = 0; i < n; i++) {\n}")},
                         {QStringLiteral("main"), QStringLiteral("int main(void)\n{\n  return 0;\n}")}};
  }
  applySettings(initial);
}

long SyntaxMemo::textLength() const { return SendScintilla(SCI_GETLENGTH); }

const char* SyntaxMemo::bytes() const {
  return reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
}

std::string SyntaxMemo::wholeText() const {
  const long length = textLength();
  return length > 0 ? std::string(bytes(), static_cast<std::size_t>(length)) : std::string();
}

void SyntaxMemo::setWholeText(std::string_view text) {
  beginUndoAction();
  SendScintilla(SCI_CLEARALL);
  if (!text.empty()) SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.data());
  endUndoAction();
  SendScintilla(SCI_GOTOPOS, 0L);
}

std::int32_t SyntaxMemo::lineCount() const {
  const auto lines = static_cast<std::int32_t>(SendScintilla(SCI_GETLINECOUNT));
  // Scintilla counts the empty line after a final line break; the line list does not.
  const bool lastEmpty = SendScintilla(SCI_LINELENGTH, static_cast<unsigned long>(lines - 1)) == 0;
  return lastEmpty ? lines - 1 : lines;
}

long SyntaxMemo::lineStart(std::int32_t index) const {
  return SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(index));
}

long SyntaxMemo::lineEnd(std::int32_t index) const {
  return SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(index));
}

std::string SyntaxMemo::line(std::int32_t index) const {
  if (index < 0 || index >= lineCount()) return {};
  const long start = lineStart(index);
  return std::string(bytes() + start, static_cast<std::size_t>(lineEnd(index) - start));
}

EditorLines SyntaxMemo::lines() const {
  EditorLines result;
  const std::int32_t count = lineCount();
  result.reserve(static_cast<std::size_t>(count));
  for (std::int32_t index = 0; index < count; ++index) result.push_back(line(index));
  return result;
}

void SyntaxMemo::replaceRange(long start, long end, std::string_view text) {
  SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(start));
  SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(end));
  // Scintilla wants a pointer even for no text.
  SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(text.size()), text.empty() ? "" : text.data());
}

void SyntaxMemo::replaceLine(std::int32_t index, std::string_view text) {
  if (index < 0 || index >= lineCount()) return;
  replaceRange(lineStart(index), lineEnd(index), text);
}

void SyntaxMemo::deleteLine(std::int32_t index) {
  if (index < 0 || index >= lineCount()) return;
  const auto sciLines = static_cast<std::int32_t>(SendScintilla(SCI_GETLINECOUNT));
  const long end = index + 1 < sciLines ? lineStart(index + 1) : textLength();
  replaceRange(lineStart(index), end, {});
}

int SyntaxMemo::markerFor(const QColor& colour) {
  const auto found = colourMarkers_.find(colour.rgb());
  if (found != colourMarkers_.end()) return found->second;
  // Markers 0 to 24 are free for the application; 25 and up belong to folding.
  constexpr int kLastMarker = 24;
  if (static_cast<int>(colourMarkers_.size()) > kLastMarker) return -1;
  const int marker = markerDefine(Background, static_cast<int>(colourMarkers_.size()));
  if (marker < 0) return -1;
  setMarkerBackgroundColor(colour, marker);
  colourMarkers_.emplace(colour.rgb(), marker);
  return marker;
}

void SyntaxMemo::setLineColour(std::int32_t line, const QColor& colour) {
  if (line < 1 || line > lineCount()) return;
  for (const auto& entry : colourMarkers_) markerDelete(line - 1, entry.second);
  if (colour.rgb() == defaultBackground().rgb()) return;
  if (const int marker = markerFor(colour); marker >= 0) markerAdd(line - 1, marker);
}

QColor SyntaxMemo::lineColour(std::int32_t line) const {
  const unsigned mask = line >= 1 ? markersAtLine(line - 1) : 0;
  for (const auto& [rgb, marker] : colourMarkers_) {
    if ((mask & (1U << marker)) != 0) return QColor::fromRgb(rgb);
  }
  return defaultBackground();
}

QColor SyntaxMemo::defaultBackground() const {
  return lexer() != nullptr ? lexer()->defaultPaper() : paper();
}

void SyntaxMemo::resetLineColours() {
  for (const auto& entry : colourMarkers_) markerDeleteAll(entry.second);
}

std::int32_t SyntaxMemo::caretLine() const {
  const long position = SendScintilla(SCI_GETCURRENTPOS);
  return static_cast<std::int32_t>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position))) + 1;
}

void SyntaxMemo::setCaret(std::int32_t column, std::int32_t line) {
  const auto sciLines = static_cast<std::int32_t>(SendScintilla(SCI_GETLINECOUNT));
  const std::int32_t index = std::clamp(line - 1, 0, sciLines - 1);
  const long start = lineStart(index);
  const long length = lineEnd(index) - start;
  const long offset = std::clamp<long>(static_cast<long>(column) - 1, 0, length);
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + offset));
}

void SyntaxMemo::loadFile(const std::filesystem::path& file) {
  std::string text;
  try {
    text = readFileBytes(file);
  } catch (const std::exception&) {
    throw std::runtime_error("File '" + file.string() + "' cannot be opened for reading");
  }
  setWholeText(text);
}

void SyntaxMemo::saveFile(const std::filesystem::path& file) const { writeFileAtomically(file, wholeText()); }

namespace {

QString htmlColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

void appendEscaped(QString& html, const char* text, long length) {
  for (long i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '&': html += QStringLiteral("&amp;"); break;
      case '<': html += QStringLiteral("&lt;"); break;
      case '>': html += QStringLiteral("&gt;"); break;
      case '"': html += QStringLiteral("&quot;"); break;
      case '\r':
        if (i + 1 < length && text[i + 1] == '\n') break;
        html += QLatin1Char('\n');
        break;
      default: html += QChar(c);  // Latin-1: the byte is the code point
    }
  }
}

}  // namespace

QString SyntaxMemo::selectionHtml(const QByteArray& text) const {
  const long from = SendScintilla(SCI_GETSELECTIONSTART);
  const long to = SendScintilla(SCI_GETSELECTIONEND);
  if (lexer() == nullptr || to - from != text.size() || std::memcmp(bytes() + from, text.constData(), text.size()) != 0) {
    return {};
  }
  SendScintilla(SCI_COLOURISE, 0L, to);
  const QFont base = lexer()->defaultFont();
  QString html = QStringLiteral("<html><body><pre style=\"font-family:'%1',monospace; background-color:%2;\">")
                     .arg(base.family(), htmlColour(defaultBackground()));
  long runStart = from;
  while (runStart < to) {
    const int style = static_cast<int>(SendScintilla(SCI_GETSTYLEAT, static_cast<unsigned long>(runStart)));
    long runEnd = runStart + 1;
    while (runEnd < to && SendScintilla(SCI_GETSTYLEAT, static_cast<unsigned long>(runEnd)) == style) ++runEnd;
    const QFont font = lexer()->font(style);
    html += QStringLiteral("<span style=\"color:%1;background-color:%2;%3%4\">")
                .arg(htmlColour(lexer()->color(style)), htmlColour(lexer()->paper(style)),
                     font.bold() ? QStringLiteral("font-weight:bold;") : QString(),
                     font.italic() ? QStringLiteral("font-style:italic;") : QString());
    appendEscaped(html, bytes() + runStart, runEnd - runStart);
    html += QStringLiteral("</span>");
    runStart = runEnd;
  }
  html += QStringLiteral("</pre></body></html>");
  return html;
}

QMimeData* SyntaxMemo::toMimeData(const QByteArray& text, bool rectangular) const {
  QMimeData* data = QsciScintilla::toMimeData(text, rectangular);
  if (richCopy_ && !rectangular) {
    if (const QString html = selectionHtml(text); !html.isEmpty()) data->setHtml(html);
  }
  return data;
}

void SyntaxMemo::keyPressEvent(QKeyEvent* event) {
  if (templateKey_ != 0 && event->keyCombination().toCombined() == templateKey_ && expandTemplate()) {
    event->accept();
    return;
  }
  QsciScintilla::keyPressEvent(event);
}

void SyntaxMemo::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
    return;
  }
  QsciScintilla::dragEnterEvent(event);
}

void SyntaxMemo::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
    return;
  }
  QsciScintilla::dragMoveEvent(event);
}

void SyntaxMemo::dropEvent(QDropEvent* event) {
  if (event->mimeData()->hasUrls()) {
    for (const QUrl& url : event->mimeData()->urls()) {
      if (url.isLocalFile()) {
        event->acceptProposedAction();
        emit fileDropped(url.toLocalFile());
        return;
      }
    }
  }
  QsciScintilla::dropEvent(event);
}

}  // namespace morvane
