// SyntaxMemo: the editor of the main window, a QsciScintilla in 8-bit mode with the
// operations the window needs in its own words. Lines follow the line list: indexes
// from 0, a final line break starts no new line; line colours and the caret use
// 1-based line numbers. Text crosses in and out as bytes, so all 256 values survive.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "app/core/EditorLines.h"
#include "app/gui/EditorSettings.h"

class QMimeData;

namespace morvane {

class SyntaxMemo : public QsciScintilla {
  Q_OBJECT

 public:
  enum class Language { C, Pascal, Plain };

  explicit SyntaxMemo(Language language, QWidget* parent = nullptr);

  Language language() const noexcept { return language_; }

  std::string wholeText() const;
  void setWholeText(std::string_view text);
  std::int32_t lineCount() const;
  std::string line(std::int32_t index) const;  // without its line break
  EditorLines lines() const;
  void replaceLine(std::int32_t index, std::string_view text);
  void deleteLine(std::int32_t index);  // an index that names no line is ignored

  // Background colour of a 1-based line; the default background removes any colour.
  void setLineColour(std::int32_t line, const QColor& colour);
  QColor lineColour(std::int32_t line) const;
  QColor defaultBackground() const;
  void resetLineColours();

  std::int32_t caretLine() const;  // 1-based
  // The caret at a 1-based (column, line); column 0 and 1 both stand before the
  // first character, and positions past the text are brought inside it.
  void setCaret(std::int32_t column, std::int32_t line);

  // Both throw std::runtime_error with the message to show; the text is unchanged
  // after a failed load, the file after a failed save.
  void loadFile(const std::filesystem::path& file);
  void saveFile(const std::filesystem::path& file) const;

  // Copies also as rich text (HTML in the highlighting colours).
  void setRichCopy(bool on) { richCopy_ = on; }
  bool richCopy() const noexcept { return richCopy_; }

  EditorSettings settings() const;
  void applySettings(const EditorSettings& settings);

 signals:
  void fileDropped(const QString& file);

 protected:
  QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  long textLength() const;
  const char* bytes() const;
  long lineStart(std::int32_t index) const;
  long lineEnd(std::int32_t index) const;  // before the line break
  int markerFor(const QColor& colour);
  QString selectionHtml(const QByteArray& text) const;
  void autoCorrect(int added);
  bool expandTemplate();
  void replaceRange(long start, long end, std::string_view text);

  Language language_;
  bool richCopy_ = false;
  QFont font_;
  QColor gutterColour_;
  std::map<QRgb, int> colourMarkers_;  // line colour -> background marker
  std::vector<TextPair> replacements_;
  std::vector<TextPair> templates_;
  int templateKey_ = 0;
};

}  // namespace morvane
