// TMainForm, the main window "Morvane": the C editor `Cmemo` above the Pascal editor
// `PascalMemo`, each under its caption strip and toolbar, the menus, and the status
// pane `Status`. It owns the About, progress, types and help windows and the one
// Translator of the program run; its slots gather input, call the core and apply
// the result.
#pragma once

#include <QMainWindow>
#include <QString>
#include <optional>
#include <vector>

#include "app/core/Translator.h"
#include "app/gui/Icons.h"
#include "app/gui/ProgressForm.h"

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace morvane {

class DialogProvider;
class HelpWindow;
class SyntaxMemo;
class Taboutfrm;
class Ttypesform;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 522;
  static constexpr int kHeight = 420;
  static constexpr int kSplitterHandle = 7;
  static constexpr int kUpperPanePercent = 45;
  static constexpr int kHintDelay = 500;  // milliseconds before a toolbar hint shows

  // Without a dialog provider the window uses the Qt dialogs; without loaders the
  // translator reads the embedded tables.
  explicit TMainForm(DialogProvider* dialogs = nullptr, std::optional<TableLoaders> loaders = {},
                     QWidget* parent = nullptr);
  ~TMainForm() override;

  // The running program's folder with a trailing separator.
  const QString& ProgramFolder() const noexcept { return programFolder_; }

  SyntaxMemo* Cmemo() const { return cmemo_; }
  SyntaxMemo* PascalMemo() const { return pascalMemo_; }
  QLabel* Status() const { return status_; }
  QSplitter* splitter() const { return splitter_; }
  QToolBar* cToolBar() const { return cToolBar_; }
  QToolBar* pascalToolBar() const { return pascalToolBar_; }
  QAction* Fullunit1() const { return fullunit1_; }
  QAction* Pieceofcpde1() const { return pieceofcpde1_; }
  Taboutfrm* aboutfrm() const { return aboutfrm_; }
  Tprogressfrm* progressfrm() const { return progressfrm_; }
  Ttypesform* typesform() const { return typesform_; }
  HelpWindow* helpWindow() const { return help_; }
  WindowProgress& progress() { return progress_; }
  const Translator& translator() const noexcept { return translator_; }
  bool translating() const noexcept { return translating_; }

  // Opens a file into an editor (a file dropped on it, or the command line's file);
  // a file that cannot be read is reported and the editor keeps its text.
  void openInto(SyntaxMemo* editor, const QString& file);

 public slots:
  void Cfile1Click();
  void Pascalfile1Click();
  void C1Click();
  void Pascalfile2Click();
  void Exit1Click();
  void TranslateProc();
  void Indent1Click();
  void ConvertUNIXtoDOS1Click();
  void Fullunit1Click();
  void Userdefinedtypes1Click();
  void Ceditoroptions1Click();
  void PascalEditorOptions1Click();
  void Help2Click();
  void About1Click();
  void RzToolbarButton15Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void placeSplitter();
  void createMenus();
  QWidget* createPane(const QString& caption, QToolBar*& toolBar, SyntaxMemo* editor);
  void createCToolBar();
  void createPascalToolBar();
  QAction* addTool(QToolBar* toolBar, const QString& hint, ToolIcon icon);
  void saveFrom(SyntaxMemo* editor, const QString& file);
  void editorOptions(SyntaxMemo* editor, const QString& title);
  void setRunning(bool running);
  void showResult(const TranslationResult& result);

  DialogProvider* dialogs_;
  QString programFolder_;
  Translator translator_;
  SyntaxMemo* cmemo_ = nullptr;
  SyntaxMemo* pascalMemo_ = nullptr;
  QLabel* status_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QToolBar* cToolBar_ = nullptr;
  QToolBar* pascalToolBar_ = nullptr;
  QAction* fullunit1_ = nullptr;
  QAction* pieceofcpde1_ = nullptr;
  std::vector<QAction*> blockedWhileRunning_;  // Translate and whatever changes the C text
  Taboutfrm* aboutfrm_ = nullptr;
  Tprogressfrm* progressfrm_ = nullptr;
  Ttypesform* typesform_ = nullptr;
  HelpWindow* help_ = nullptr;
  WindowProgress progress_;
  bool fragmentMode_ = false;
  bool translating_ = false;
  bool closeRequested_ = false;
  bool placed_ = false;  // the splitter has been placed for the shown window  // Exit during a run: the window closes when it ends
};

}  // namespace morvane
