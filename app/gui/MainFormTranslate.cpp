// TMainForm::TranslateProc: the window side of a translation. The core Translator
// does the work; the window marks the run in the editors and the status pane, shows
// the progress window and applies the result. A run cannot be started from within
// another: Translate is disabled and the C editor read-only until it ends.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <exception>

#include "app/gui/GuiTexts.h"
#include "app/gui/MainForm.h"
#include "app/gui/SyntaxMemo.h"
#include "usertypes/gui/DialogProvider.h"
#include "usertypes/gui/TypesForm.h"

namespace morvane {

namespace {

const QColor kErrorLineColour(255, 0, 0);

}  // namespace

void TMainForm::setRunning(bool running) {
  translating_ = running;
  for (QAction* action : blockedWhileRunning_) action->setEnabled(!running);
  cmemo_->setReadOnly(running);
}

void TMainForm::TranslateProc() {
  if (translating_) return;
  TranslationRequest request;
  request.cText = cmemo_->wholeText();
  request.fragmentMode = pieceofcpde1_->isChecked();
  request.userTypes = typesform_->rows();
  request.editorLineCount = cmemo_->lineCount();

  setRunning(true);
  cmemo_->resetLineColours();
  status_->setText(kStatusTranslatingText);
  status_->setToolTip({});
  status_->repaint();
  QCoreApplication::processEvents();
  progressfrm_->TranslationDone = false;
  progressfrm_->bar()->setValue(0);
  progressfrm_->show();
  progress_.restart();

  TranslationResult result;
  try {
    result = translator_.translate(request, &progress_);
  } catch (const std::exception& error) {
    result = {};
    result.status = TranslationStatus::OtherError;
    result.message = error.what();
  }
  progressfrm_->TranslationDone = true;
  progressfrm_->close();
  if (QApplication::activeWindow() == nullptr || QApplication::activeWindow() == progressfrm_) activateWindow();
  setRunning(false);
  showResult(result);
  if (closeRequested_) close();
}

void TMainForm::showResult(const TranslationResult& result) {
  switch (result.status) {
    case TranslationStatus::Clean:
      status_->setText(kStatusSuccessText);
      break;
    case TranslationStatus::Stopped:
      break;  // the status text stays as it is
    case TranslationStatus::EngineError:
      status_->setText(kStatusErrorText);
      status_->setToolTip(latin1Text(result.message));
      // The consumer's position: column first, line second, both as it counts them.
      cmemo_->setCaret(result.offset, result.line);
      cmemo_->setLineColour(result.line, kErrorLineColour);
      cmemo_->setFocus();
      break;
    case TranslationStatus::OtherError:
      // Not a fault of the C text at a known place: the reason is shown and the Pascal
      // editor keeps what it had.
      status_->setText(kStatusErrorText);
      status_->setToolTip(latin1Text(result.message));
      dialogs_->showError(this, latin1Text(result.message));
      return;
  }
  pascalMemo_->setWholeText(result.pascalText());
}

}  // namespace morvane
