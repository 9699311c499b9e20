// The main window's shape and commands: menus, toolbars, the mode toggle, the
// clipboard and text tools, and the file commands with their dialogs.
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStyle>

#include "app/gui/AboutForm.h"
#include "app/gui/GuiTexts.h"
#include "tests/gui/GuiTestSupport.h"
#include "usertypes/gui/TypesForm.h"

namespace morvane::test {
namespace {

// A menu as captions, "-" for a separator, submenus as "caption>" followed by their items and "<".
void describeMenu(const QMenu* menu, QStringList& out) {
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      out << QStringLiteral("-");
    } else if (action->menu() != nullptr) {
      out << action->text() + QStringLiteral(">");
      describeMenu(action->menu(), out);
      out << QStringLiteral("<");
    } else {
      out << action->text();
    }
  }
}

TEST_F(MainFormTest, ShowsTheWindowLayout) {
  window->show();
  QApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Morvane"));
  EXPECT_EQ(window->size(), QSize(522, 420));
  EXPECT_EQ(window->splitter()->orientation(), Qt::Vertical);
  EXPECT_EQ(window->splitter()->handleWidth(), 7);
  const QList<int> sizes = window->splitter()->sizes();
  ASSERT_EQ(sizes.size(), 2);
  EXPECT_NEAR(100.0 * sizes[0] / (sizes[0] + sizes[1] + 7), 45.0, 1.5);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("SourceCaption"))->text(), QStringLiteral("Source"));
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("PascalCaption"))->text(), QStringLiteral("Pascal text"));
  EXPECT_TRUE(window->Status()->text().isEmpty());
  EXPECT_EQ(window->Cmemo()->objectName(), QStringLiteral("Cmemo"));
  EXPECT_EQ(window->PascalMemo()->objectName(), QStringLiteral("PascalMemo"));
  EXPECT_TRUE(window->ProgramFolder().endsWith(QDir::separator()));
  EXPECT_FALSE(window->progressfrm()->isVisible());
  EXPECT_FALSE(window->aboutfrm()->isVisible());
  EXPECT_FALSE(window->typesform()->isVisible());
}

TEST_F(MainFormTest, MenusHaveTheirCaptionsInOrder) {
  QStringList menus;
  for (const QAction* action : window->menuBar()->actions()) {
    menus << action->text() + QStringLiteral(">");
    describeMenu(action->menu(), menus);
    menus << QStringLiteral("<");
  }
  const QStringList expected = {
      "File>", "Open...>", "C file...", "Pascal file...", "<", "Save...>", "C file...", "Pascal file...", "<", "-",
      "Exit", "<",
      "Tools>", "Translate", "Indent", "Convert UNIX to DOS", "<",
      "Options>", "C settings>", "Full unit", "Piece of code", "<", "User defined types...", "-",
      "C editor options...", "Pascal Editor Options...", "<",
      "Help>", "Help", "-", "About", "<"};
  EXPECT_EQ(menus, expected);
  for (const char* name : {"Cfile1", "Pascalfile1", "C1", "Pascalfile2", "Exit1", "Indent1", "ConvertUNIXtoDOS1",
                           "Fullunit1", "Pieceofcpde1", "Userdefinedtypes1", "Ceditoroptions1",
                           "PascalEditorOptions1", "Help2", "About1"}) {
    ASSERT_NE(action(name), nullptr) << name;
    EXPECT_TRUE(action(name)->isEnabled()) << name;  // saving the Pascal text is offered
  }
  EXPECT_TRUE(window->Fullunit1()->isChecked());
  EXPECT_FALSE(window->Pieceofcpde1()->isChecked());
}

TEST_F(MainFormTest, ToolbarsHaveTheirHintsInOrder) {
  EXPECT_EQ(toolHints(window->cToolBar()),
            QStringList({"Open C file", "Save C file", "-", "Cut", "Copy", "Paste", "Comment line", "Erase", "-",
                         "Translate"}));
  EXPECT_EQ(toolHints(window->pascalToolBar()),
            QStringList({"Open Pascal file", "Save Pascal file", "-", "Cut", "Copy", "Paste", "Erase", "-", "Ident"}));
  for (const QAction* action : window->pascalToolBar()->actions()) EXPECT_TRUE(action->isVisible());
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
}

TEST_F(MainFormTest, ModeToggleKeepsExactlyOneItemChecked) {
  struct Click {
    QAction* item;
    bool fullUnitAfter;
  };
  const Click clicks[] = {{window->Pieceofcpde1(), false}, {window->Pieceofcpde1(), true},
                          {window->Fullunit1(), false}, {window->Pieceofcpde1(), true}};
  for (const Click& click : clicks) {
    click.item->trigger();
    EXPECT_EQ(window->Fullunit1()->isChecked(), click.fullUnitAfter);
    EXPECT_EQ(window->Pieceofcpde1()->isChecked(), !click.fullUnitAfter);
  }
}

TEST_F(MainFormTest, EraseEmptiesOnlyItsEditor) {
  window->Cmemo()->setWholeText("int x;\r\n");
  window->PascalMemo()->setWholeText("x: Integer;\r\n");
  tool(window->cToolBar(), QStringLiteral("Erase"))->trigger();
  EXPECT_EQ(window->Cmemo()->wholeText(), "");
  EXPECT_EQ(window->PascalMemo()->wholeText(), "x: Integer;\r\n");
  tool(window->pascalToolBar(), QStringLiteral("Erase"))->trigger();
  EXPECT_EQ(window->PascalMemo()->wholeText(), "");
}

TEST_F(MainFormTest, CommentLineWrapsTheCaretLine) {
  window->Cmemo()->setWholeText("a = 1;\r\nb = 2;\r\nc = 3;\r\n");
  window->Cmemo()->setCaret(3, 3);
  tool(window->cToolBar(), QStringLiteral("Comment line"))->trigger();
  EXPECT_EQ(window->Cmemo()->wholeText(), "a = 1;\r\nb = 2;\r\n/*c = 3;*/\r\n");
  // On the empty line after the last line break: an empty comment.
  window->Cmemo()->setCaret(1, 4);
  window->RzToolbarButton15Click();
  EXPECT_EQ(window->Cmemo()->wholeText(), "a = 1;\r\nb = 2;\r\n/*c = 3;*/\r\n/**/");
}

TEST_F(MainFormTest, IndentFromMenuAndToolbar) {
  window->PascalMemo()->setWholeText("if a then\r\nBegin\r\nx:=1;\r\nend;\r\n");
  action("Indent1")->trigger();
  EXPECT_EQ(window->PascalMemo()->wholeText(), "if a then\r\nBegin\r\n  x:=1;\r\nend;\r\n");
  tool(window->pascalToolBar(), QStringLiteral("Ident"))->trigger();  // twice indents twice
  EXPECT_EQ(window->PascalMemo()->wholeText(), "if a then\r\nBegin\r\n    x:=1;\r\nend;\r\n");
}

TEST_F(MainFormTest, ConvertRewritesTheChosenFile) {
  const QString file = path(QStringLiteral("unix.c"));
  writeBytes(file, "a\nb\r\n");
  window->Cmemo()->setWholeText("kept");
  dialogs.answers = {file};
  action("ConvertUNIXtoDOS1")->trigger();
  EXPECT_EQ(readBytes(file), "a\r\nb\r\n");
  EXPECT_EQ(dialogs.lastFolder, window->ProgramFolder());
  EXPECT_EQ(window->Cmemo()->wholeText(), "kept");
  EXPECT_TRUE(dialogs.errors.empty());

  dialogs.answers = {QString()};  // cancelled: nothing happens
  window->ConvertUNIXtoDOS1Click();
  EXPECT_TRUE(dialogs.errors.empty());

  dialogs.answers = {path(QStringLiteral("missing.c"))};
  window->ConvertUNIXtoDOS1Click();
  ASSERT_EQ(dialogs.errors.size(), 1U);
  EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("missing.c")));
}

TEST_F(MainFormTest, FileDialogsUseTheFilterAndTheProgramFolder) {
  const QStringList filters = {"C files (*.c)", "C++ files (*.cpp)", "Pascal files (*.pas)", "Text files (*.txt)",
                               "All files  (*)"};
  dialogs.answers = {QString()};
  window->Cfile1Click();
  EXPECT_EQ(dialogs.lastFilters, filters);
  EXPECT_EQ(dialogs.lastFolder, window->ProgramFolder());
  dialogs.answers = {QString()};
  window->Pascalfile2Click();
  EXPECT_EQ(dialogs.lastFilters, filters);
  EXPECT_TRUE(dialogs.lastFolder.isEmpty());
}

TEST_F(MainFormTest, OpenAndSaveKeepEveryByte) {
  std::string bytes;
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  const QString source = path(QStringLiteral("bytes.c"));
  writeBytes(source, bytes);
  dialogs.answers = {source};
  action("Cfile1")->trigger();
  EXPECT_EQ(window->Cmemo()->wholeText(), bytes);

  const QString copy = path(QStringLiteral("copy.c"));
  dialogs.answers = {copy};
  tool(window->cToolBar(), QStringLiteral("Save C file"))->trigger();
  EXPECT_EQ(readBytes(copy), bytes);

  window->PascalMemo()->setWholeText("Begin\r\nend;\r\n");
  const QString pascal = path(QStringLiteral("out.pas"));
  dialogs.answers = {pascal};
  action("Pascalfile2")->trigger();
  EXPECT_EQ(readBytes(pascal), "Begin\r\nend;\r\n");
  dialogs.answers = {pascal};
  tool(window->pascalToolBar(), QStringLiteral("Open Pascal file"))->trigger();
  EXPECT_EQ(window->PascalMemo()->wholeText(), "Begin\r\nend;\r\n");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(MainFormTest, FileFailuresAreReportedAndChangeNothing) {
  window->Cmemo()->setWholeText("int x;");
  const QString missing = path(QStringLiteral("missing.c"));
  dialogs.answers = {missing};
  window->Cfile1Click();
  ASSERT_EQ(dialogs.errors.size(), 1U);
  EXPECT_EQ(dialogs.errors[0], QStringLiteral("File '%1' cannot be opened for reading").arg(missing));
  EXPECT_EQ(window->Cmemo()->wholeText(), "int x;");

  // A save into a folder that does not exist fails and says so.
  dialogs.answers = {path(QStringLiteral("no/such/folder/x.c"))};
  window->C1Click();
  EXPECT_EQ(dialogs.errors.size(), 2U);

  // A failed save leaves the old file as it was: the target is a folder.
  const QString target = path(QStringLiteral("target.pas"));
  QDir(folder.path()).mkdir(QStringLiteral("target.pas"));
  dialogs.answers = {target};
  window->Pascalfile2Click();
  EXPECT_EQ(dialogs.errors.size(), 3U);
  EXPECT_TRUE(QFileInfo(target).isDir());
}

TEST_F(MainFormTest, DroppedFileOpensInTheEditor) {
  const QString file = path(QStringLiteral("dropped.pas"));
  writeBytes(file, "Begin\r\nend;\r\n");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(file)});
  // A drop goes to the widget that accepted the drag when it entered.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->PascalMemo()->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->PascalMemo()->viewport(), &drop);
  EXPECT_EQ(window->PascalMemo()->wholeText(), "Begin\r\nend;\r\n");
}

}  // namespace
}  // namespace morvane::test
