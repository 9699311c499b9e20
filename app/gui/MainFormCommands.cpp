// TMainForm's commands: files, the mode toggle, the text tools, the option dialogs,
// help and About. Each gathers its input, calls the core and applies the result;
// failures are reported through the dialog provider.
#include <QAction>
#include <QColor>
#include <exception>

#include "app/core/TextTools.h"
#include "app/gui/AboutForm.h"
#include "app/gui/EditorOptionsDialog.h"
#include "app/gui/GuiTexts.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/MainForm.h"
#include "app/gui/SyntaxMemo.h"
#include "usertypes/gui/DialogProvider.h"
#include "usertypes/gui/TypesForm.h"

namespace morvane {

void TMainForm::openInto(SyntaxMemo* editor, const QString& file) {
  try {
    editor->loadFile(toPath(file));
  } catch (const std::exception& error) {
    dialogs_->showError(this, QString::fromLocal8Bit(error.what()));
  }
}

void TMainForm::saveFrom(SyntaxMemo* editor, const QString& file) {
  try {
    editor->saveFile(toPath(file));
  } catch (const std::exception& error) {
    dialogs_->showError(this, QString::fromLocal8Bit(error.what()));
  }
}

void TMainForm::Cfile1Click() {
  if (translating_) return;
  const QString file = dialogs_->chooseOpenFile(this, programFolder_, kFileFilters);
  if (!file.isEmpty()) openInto(cmemo_, file);
}

void TMainForm::Pascalfile1Click() {
  const QString file = dialogs_->chooseOpenFile(this, programFolder_, kFileFilters);
  if (!file.isEmpty()) openInto(pascalMemo_, file);
}

void TMainForm::C1Click() {
  const QString file = dialogs_->chooseSaveFile(this, {}, kFileFilters);
  if (!file.isEmpty()) saveFrom(cmemo_, file);
}

void TMainForm::Pascalfile2Click() {
  const QString file = dialogs_->chooseSaveFile(this, {}, kFileFilters);
  if (!file.isEmpty()) saveFrom(pascalMemo_, file);
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::Fullunit1Click() {
  // Both items invert; they start opposite, so exactly one stays checked. The mode is
  // kept here because Qt has already toggled the item that was clicked.
  fragmentMode_ = !fragmentMode_;
  fullunit1_->setChecked(!fragmentMode_);
  pieceofcpde1_->setChecked(fragmentMode_);
}

void TMainForm::Indent1Click() {
  const EditorLines before = pascalMemo_->lines();
  EditorLines after = before;
  indentPascalLines(after);
  pascalMemo_->beginUndoAction();
  for (std::size_t i = 0; i < after.size() && i < before.size(); ++i) {
    if (after[i] != before[i]) pascalMemo_->replaceLine(static_cast<std::int32_t>(i), after[i]);
  }
  pascalMemo_->endUndoAction();
}

void TMainForm::RzToolbarButton15Click() {
  if (translating_) return;
  const std::int32_t index = cmemo_->caretLine() - 1;
  if (index < cmemo_->lineCount()) {
    cmemo_->replaceLine(index, commentLine(cmemo_->line(index)));
  } else {
    // The caret stands on the empty line after the last line break.
    cmemo_->append(QString::fromLatin1(commentLine({}).c_str()));
  }
}

void TMainForm::ConvertUNIXtoDOS1Click() {
  const QString file = dialogs_->chooseOpenFile(this, programFolder_, kFileFilters);
  if (file.isEmpty()) return;
  try {
    convertUnixToDos(toPath(file));
  } catch (const std::exception& error) {
    dialogs_->showError(this, QStringLiteral("'%1' was not converted: %2").arg(file, QString::fromLocal8Bit(error.what())));
  }
}

void TMainForm::Userdefinedtypes1Click() { typesform_->exec(); }

void TMainForm::editorOptions(SyntaxMemo* editor, const QString& title) {
  EditorOptionsDialog dialog(*editor, title, this);
  if (dialog.exec() == QDialog::Accepted) editor->applySettings(dialog.settings());
}

void TMainForm::Ceditoroptions1Click() { editorOptions(cmemo_, QStringLiteral("C editor options")); }

void TMainForm::PascalEditorOptions1Click() { editorOptions(pascalMemo_, QStringLiteral("Pascal editor options")); }

void TMainForm::Help2Click() { help_->showTopic(kHelpTopic); }

void TMainForm::About1Click() {
  aboutfrm_->show();
  aboutfrm_->raise();
}

}  // namespace morvane
