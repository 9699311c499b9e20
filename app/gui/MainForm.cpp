// TMainForm: construction of the window, its menus, toolbars and the windows it
// owns. The command slots are in MainFormCommands.cpp, Translate in
// MainFormTranslate.cpp.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/gui/AboutForm.h"
#include "app/gui/GripSplitter.h"
#include "app/gui/GuiTexts.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/SyntaxMemo.h"
#include "usertypes/gui/DialogProvider.h"
#include "usertypes/gui/TypesForm.h"

namespace morvane {

namespace {

// Toolbar hints wake up after TMainForm::kHintDelay.
class HintDelayStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return TMainForm::kHintDelay;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* addMenu(QMenu* parent, const char* name, const QString& caption) {
  QMenu* menu = parent->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* addMenu(QMenuBar* parent, const char* name, const QString& caption) {
  QMenu* menu = parent->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

TMainForm::TMainForm(DialogProvider* dialogs, std::optional<TableLoaders> loaders, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs != nullptr ? dialogs : &DialogProvider::standard()),
      translator_(loaders ? std::move(*loaders) : TableLoaders::embedded()) {
  if (QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) != kHintDelay) {
    QApplication::setStyle(new HintDelayStyle);
  }
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(kMainCaption);
  setWindowIcon(toolIcon(ToolIcon::Application));
  resize(kWidth, kHeight);
  // FormCreate: the program's folder, where the open dialog starts.
  programFolder_ = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  if (!programFolder_.endsWith(QDir::separator())) programFolder_ += QDir::separator();

  cmemo_ = new SyntaxMemo(SyntaxMemo::Language::C, this);
  cmemo_->setObjectName(QStringLiteral("Cmemo"));
  cmemo_->setRichCopy(true);
  pascalMemo_ = new SyntaxMemo(SyntaxMemo::Language::Pascal, this);
  pascalMemo_->setObjectName(QStringLiteral("PascalMemo"));
  for (SyntaxMemo* editor : {cmemo_, pascalMemo_}) {
    connect(editor, &SyntaxMemo::fileDropped, this, [this, editor](const QString& file) {
      if (!(translating_ && editor == cmemo_)) openInto(editor, file);
    });
  }

  createMenus();
  createCToolBar();
  createPascalToolBar();

  splitter_ = new GripSplitter(Qt::Vertical, this);
  splitter_->setObjectName(QStringLiteral("splitter"));
  splitter_->setHandleWidth(kSplitterHandle);
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(createPane(QStringLiteral("Source"), cToolBar_, cmemo_));
  splitter_->addWidget(createPane(QStringLiteral("Pascal text"), pascalToolBar_, pascalMemo_));
  setCentralWidget(splitter_);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Status"));
  statusBar()->addWidget(status_, 1);

  placeSplitter();

  aboutfrm_ = new Taboutfrm(this);
  progressfrm_ = new Tprogressfrm(this);
  typesform_ = new Ttypesform(this, dialogs_);
  typesform_->setModal(true);
  help_ = new HelpWindow(this);
  progress_.setWindow(progressfrm_);
}

TMainForm::~TMainForm() = default;

void TMainForm::createMenus() {
  QMenu* file = addMenu(menuBar(), "File1", QStringLiteral("File"));
  QMenu* open = addMenu(file, "Open1", QStringLiteral("Open..."));
  QAction* openC = addItem(open, "Cfile1", QStringLiteral("C file..."));
  connect(openC, &QAction::triggered, this, &TMainForm::Cfile1Click);
  connect(addItem(open, "Pascalfile1", QStringLiteral("Pascal file...")), &QAction::triggered, this,
          &TMainForm::Pascalfile1Click);
  QMenu* save = addMenu(file, "Save1", QStringLiteral("Save..."));
  connect(addItem(save, "C1", QStringLiteral("C file...")), &QAction::triggered, this, &TMainForm::C1Click);
  // Saving the Pascal text is offered: the translation is what users come for.
  connect(addItem(save, "Pascalfile2", QStringLiteral("Pascal file...")), &QAction::triggered, this,
          &TMainForm::Pascalfile2Click);
  file->addSeparator();
  connect(addItem(file, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this, &TMainForm::Exit1Click);

  QMenu* tools = addMenu(menuBar(), "Tools1", QStringLiteral("Tools"));
  QAction* translate = addItem(tools, "Translate1", QStringLiteral("Translate"));
  connect(translate, &QAction::triggered, this, &TMainForm::TranslateProc);
  connect(addItem(tools, "Indent1", QStringLiteral("Indent")), &QAction::triggered, this, &TMainForm::Indent1Click);
  connect(addItem(tools, "ConvertUNIXtoDOS1", QStringLiteral("Convert UNIX to DOS")), &QAction::triggered, this,
          &TMainForm::ConvertUNIXtoDOS1Click);

  QMenu* options = addMenu(menuBar(), "Options1", QStringLiteral("Options"));
  QMenu* cSettings = addMenu(options, "Csettings1", QStringLiteral("C settings"));
  fullunit1_ = addItem(cSettings, "Fullunit1", QStringLiteral("Full unit"));
  pieceofcpde1_ = addItem(cSettings, "Pieceofcpde1", QStringLiteral("Piece of code"));
  for (QAction* mode : {fullunit1_, pieceofcpde1_}) {
    mode->setCheckable(true);
    connect(mode, &QAction::triggered, this, &TMainForm::Fullunit1Click);
  }
  fullunit1_->setChecked(true);
  connect(addItem(options, "Userdefinedtypes1", QStringLiteral("User defined types...")), &QAction::triggered,
          this, &TMainForm::Userdefinedtypes1Click);
  options->addSeparator();
  connect(addItem(options, "Ceditoroptions1", QStringLiteral("C editor options...")), &QAction::triggered, this,
          &TMainForm::Ceditoroptions1Click);
  connect(addItem(options, "PascalEditorOptions1", QStringLiteral("Pascal Editor Options...")), &QAction::triggered,
          this, &TMainForm::PascalEditorOptions1Click);

  QMenu* help = addMenu(menuBar(), "Help1", QStringLiteral("Help"));
  connect(addItem(help, "Help2", QStringLiteral("Help")), &QAction::triggered, this, &TMainForm::Help2Click);
  help->addSeparator();
  connect(addItem(help, "About1", QStringLiteral("About")), &QAction::triggered, this, &TMainForm::About1Click);

  blockedWhileRunning_ = {openC, translate};
}

QAction* TMainForm::addTool(QToolBar* toolBar, const QString& hint, ToolIcon icon) {
  QAction* action = toolBar->addAction(toolIcon(icon), hint);
  action->setToolTip(hint);
  return action;
}

void TMainForm::createCToolBar() {
  cToolBar_ = new QToolBar(this);
  cToolBar_->setObjectName(QStringLiteral("CToolBar"));
  QAction* open = addTool(cToolBar_, QStringLiteral("Open C file"), ToolIcon::OpenFile);
  connect(open, &QAction::triggered, this, &TMainForm::Cfile1Click);
  connect(addTool(cToolBar_, QStringLiteral("Save C file"), ToolIcon::SaveFile), &QAction::triggered, this,
          &TMainForm::C1Click);
  cToolBar_->addSeparator();
  QAction* cut = addTool(cToolBar_, QStringLiteral("Cut"), ToolIcon::Cut);
  connect(cut, &QAction::triggered, this, [this] { cmemo_->cut(); });
  connect(addTool(cToolBar_, QStringLiteral("Copy"), ToolIcon::Copy), &QAction::triggered, this,
          [this] { cmemo_->copy(); });
  QAction* paste = addTool(cToolBar_, QStringLiteral("Paste"), ToolIcon::Paste);
  connect(paste, &QAction::triggered, this, [this] {
    cmemo_->paste();
    cmemo_->update();
  });
  QAction* comment = addTool(cToolBar_, QStringLiteral("Comment line"), ToolIcon::CommentLine);
  comment->setObjectName(QStringLiteral("RzToolbarButton15"));
  connect(comment, &QAction::triggered, this, &TMainForm::RzToolbarButton15Click);
  QAction* erase = addTool(cToolBar_, QStringLiteral("Erase"), ToolIcon::Erase);
  connect(erase, &QAction::triggered, this, [this] { cmemo_->clear(); });
  cToolBar_->addSeparator();
  QAction* translate = addTool(cToolBar_, QStringLiteral("Translate"), ToolIcon::Translate);
  connect(translate, &QAction::triggered, this, &TMainForm::TranslateProc);
  for (QAction* action : {open, cut, paste, comment, erase, translate}) blockedWhileRunning_.push_back(action);
}

void TMainForm::createPascalToolBar() {
  pascalToolBar_ = new QToolBar(this);
  pascalToolBar_->setObjectName(QStringLiteral("PascalToolBar"));
  connect(addTool(pascalToolBar_, QStringLiteral("Open Pascal file"), ToolIcon::OpenFile), &QAction::triggered, this,
          &TMainForm::Pascalfile1Click);
  connect(addTool(pascalToolBar_, QStringLiteral("Save Pascal file"), ToolIcon::SaveFile), &QAction::triggered, this,
          &TMainForm::Pascalfile2Click);
  pascalToolBar_->addSeparator();
  connect(addTool(pascalToolBar_, QStringLiteral("Cut"), ToolIcon::Cut), &QAction::triggered, this,
          [this] { pascalMemo_->cut(); });
  connect(addTool(pascalToolBar_, QStringLiteral("Copy"), ToolIcon::Copy), &QAction::triggered, this,
          [this] { pascalMemo_->copy(); });
  connect(addTool(pascalToolBar_, QStringLiteral("Paste"), ToolIcon::Paste), &QAction::triggered, this, [this] {
    pascalMemo_->paste();
    pascalMemo_->update();
  });
  connect(addTool(pascalToolBar_, QStringLiteral("Erase"), ToolIcon::Erase), &QAction::triggered, this,
          [this] { pascalMemo_->clear(); });
  pascalToolBar_->addSeparator();
  connect(addTool(pascalToolBar_, QStringLiteral("Ident"), ToolIcon::Indent), &QAction::triggered, this,
          &TMainForm::Indent1Click);
}

QWidget* TMainForm::createPane(const QString& caption, QToolBar*& toolBar, SyntaxMemo* editor) {
  auto* pane = new QWidget(this);
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* strip = new QLabel(caption, pane);
  strip->setObjectName(caption == QStringLiteral("Source") ? QStringLiteral("SourceCaption")
                                                          : QStringLiteral("PascalCaption"));
  strip->setFrameShape(QFrame::Panel);
  strip->setFrameShadow(QFrame::Raised);
  strip->setContentsMargins(4, 1, 4, 1);
  QFont font = strip->font();
  font.setBold(true);
  strip->setFont(font);
  strip->setAutoFillBackground(true);
  strip->setBackgroundRole(QPalette::Mid);
  strip->setForegroundRole(QPalette::BrightText);
  toolBar->setParent(pane);
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  layout->addWidget(strip);
  layout->addWidget(toolBar);
  layout->addWidget(editor, 1);
  return pane;
}

void TMainForm::placeSplitter() {
  // The upper pane takes 45 % of the height the splitter has.
  const int available = splitter_->height() - kSplitterHandle;
  const int upper = available * kUpperPanePercent / 100;
  splitter_->setSizes({upper, available - upper});
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!placed_) {
    // Only now does the splitter have its final height.
    placed_ = true;
    placeSplitter();
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // The run under way holds the window's state on the stack: close when it ends.
  if (translating_) {
    closeRequested_ = true;
    event->ignore();
    return;
  }
  aboutfrm_->close();
  help_->close();
  event->accept();
}

}  // namespace morvane
