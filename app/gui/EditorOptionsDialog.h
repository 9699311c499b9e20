// The options dialog of one editor, with the pages options, highlighting, keys,
// auto-correct and templates. It edits a copy of the editor's settings; the caller
// applies settings() when the user confirms.
#pragma once

#include <QDialog>

#include "app/gui/EditorSettings.h"

class QCheckBox;
class QFontComboBox;
class QKeySequenceEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace morvane {

class SyntaxMemo;

class EditorOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  EditorOptionsDialog(const SyntaxMemo& editor, const QString& title, QWidget* parent = nullptr);

  // The settings as the pages show them now.
  EditorSettings settings() const;
  QTabWidget* pages() const { return pages_; }

 private:
  QWidget* makeOptionsPage();
  QWidget* makeHighlightingPage();
  QWidget* makeKeysPage();
  QWidget* makePairsPage(QTableWidget*& table, const std::vector<TextPair>& pairs, const QString& fromLabel,
                         const QString& toLabel, bool multiLine);
  void showStyle(int row);
  void pickColour(QPushButton* button, QColor& colour);

  EditorSettings settings_;  // the parts the pages edit in place: colours and styles
  QTabWidget* pages_ = nullptr;
  QFontComboBox* fontFamily_ = nullptr;
  bool familyChosen_ = false;
  QSpinBox* fontSize_ = nullptr;
  QSpinBox* tabWidth_ = nullptr;
  QCheckBox* showEdge_ = nullptr;
  QSpinBox* edgeColumn_ = nullptr;
  QCheckBox* showGutter_ = nullptr;
  QPushButton* gutterColour_ = nullptr;
  QCheckBox* autoIndent_ = nullptr;
  QListWidget* styleList_ = nullptr;
  QPushButton* foreground_ = nullptr;
  QPushButton* background_ = nullptr;
  QCheckBox* bold_ = nullptr;
  QCheckBox* italic_ = nullptr;
  QTableWidget* keys_ = nullptr;
  QTableWidget* replacements_ = nullptr;
  QTableWidget* templates_ = nullptr;
  QKeySequenceEdit* templateKey_ = nullptr;
};

}  // namespace morvane
