// Translate in the window: status texts, the red line and the caret after an error,
// the Pascal editor fed from the core (compared with a Translator of the test's own),
// OutputText kept between runs, the progress window's close guard, and failures
// other than engine errors.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <stdexcept>

#include "app/gui/GuiTexts.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"
#include "tests/gui/GuiTestSupport.h"
#include "usertypes/gui/TypesForm.h"

namespace morvane::test {
namespace {

const QColor kRed(255, 0, 0);

class TranslateTest : public MainFormTest {
 protected:
  // What a Translator of our own makes of the text, run after the same earlier runs.
  TranslationResult reference(const std::string& text, bool fragment = false, UserTypeRows rows = {}) {
    TranslationRequest request;
    request.cText = text;
    request.fragmentMode = fragment;
    request.userTypes = std::move(rows);
    return referenceTranslator.translate(request);
  }

  void translate(const std::string& text) {
    window->Cmemo()->setWholeText(text);
    window->TranslateProc();
  }

  Translator referenceTranslator;
};

TEST_F(TranslateTest, CleanRunShowsSuccessAndThePascalText) {
  const std::string text = "int x;\r\nint f(int a)\r\n{\r\n  return a + 1;\r\n}\r\n";
  const TranslationResult expected = reference(text);
  ASSERT_EQ(expected.status, TranslationStatus::Clean) << expected.message;
  window->PascalMemo()->setWholeText("old text");
  translate(text);
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Sucess !!!"));
  EXPECT_EQ(window->PascalMemo()->wholeText(), expected.pascalText());
  EXPECT_FALSE(window->PascalMemo()->wholeText().empty());
  for (int line = 1; line <= window->Cmemo()->lineCount(); ++line) {
    EXPECT_EQ(window->Cmemo()->lineColour(line), window->Cmemo()->defaultBackground()) << line;
  }
  EXPECT_FALSE(window->progressfrm()->isVisible());
  EXPECT_TRUE(window->progressfrm()->TranslationDone);
}

TEST_F(TranslateTest, EngineErrorMarksTheLineAndPlacesTheCaret) {
  window->show();
  window->activateWindow();
  QApplication::processEvents();
  const std::string text = "int x;\r\nint y;\r\nint z = ;\r\nint w;\r\n";
  const TranslationResult expected = reference(text);
  ASSERT_EQ(expected.status, TranslationStatus::EngineError);
  translate(text);
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Error !!!"));
  EXPECT_EQ(window->Status()->toolTip(), latin1Text(expected.message));
  EXPECT_EQ(expected.line, 3);
  EXPECT_EQ(window->Cmemo()->lineColour(3).rgb(), kRed.rgb());
  for (const int line : {1, 2, 4}) EXPECT_NE(window->Cmemo()->lineColour(line).rgb(), kRed.rgb()) << line;
  int line = 0;
  int index = 0;
  window->Cmemo()->getCursorPosition(&line, &index);
  EXPECT_EQ(line + 1, expected.line);
  EXPECT_EQ(index, std::max(0, expected.offset - 1));
  EXPECT_EQ(window->focusWidget(), window->Cmemo());
  // The declarations before the error.
  EXPECT_EQ(window->PascalMemo()->wholeText(), expected.pascalText());
  EXPECT_FALSE(window->progressfrm()->isVisible());

  // The next run clears the mark before it starts.
  translate("int x;\r\n");
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Sucess !!!"));
  EXPECT_NE(window->Cmemo()->lineColour(3).rgb(), kRed.rgb());
  EXPECT_TRUE(window->Status()->toolTip().isEmpty());
}

TEST_F(TranslateTest, CaretColumnIsOneBasedFromTheConsumer) {
  // An invalid character on line 1: column 0 there stands before the first character.
  translate("#");
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Error !!!"));
  int line = -1;
  int index = -1;
  window->Cmemo()->getCursorPosition(&line, &index);
  EXPECT_EQ(line, 0);
  EXPECT_LE(index, 1);
  EXPECT_EQ(window->Cmemo()->lineColour(1).rgb(), kRed.rgb());
}

TEST_F(TranslateTest, FailedRunKeepsTheOutputOfAnEarlierRun) {
  const std::string first = "int x;\r\n";
  reference(first);
  translate(first);
  const std::string afterFirst = window->PascalMemo()->wholeText();
  ASSERT_FALSE(afterFirst.empty());
  // Fails before any declaration is complete: OutputText still holds the first run's.
  const TranslationResult expected = reference("#include <stdio.h>\r\n");
  translate("#include <stdio.h>\r\n");
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Error !!!"));
  EXPECT_EQ(window->PascalMemo()->wholeText(), expected.pascalText());
  EXPECT_EQ(window->PascalMemo()->wholeText(), afterFirst);
  EXPECT_EQ(window->Cmemo()->lineColour(1).rgb(), kRed.rgb());
}

TEST_F(TranslateTest, PieceOfCodeShowsOnlyTheStatements) {
  window->Pieceofcpde1()->trigger();
  const TranslationResult expected = reference("x = 1;\r\ny = 2;\r\n", true);
  ASSERT_EQ(expected.status, TranslationStatus::Clean) << expected.message;
  translate("x = 1;\r\ny = 2;\r\n");
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Sucess !!!"));
  EXPECT_EQ(window->PascalMemo()->wholeText(), expected.pascalText());
  // The procedure heading, the body's opening line and the last line are gone.
  const std::string pascal = window->PascalMemo()->wholeText();
  EXPECT_EQ(pascal.find("test"), std::string::npos) << pascal;
  EXPECT_NE(pascal.find("x"), std::string::npos) << pascal;
}

TEST_F(TranslateTest, UserTypesOfTheGridReachTheTranslation) {
  QTableWidget* grid = window->typesform()->typesgrid();
  grid->item(0, 0)->setText(QStringLiteral("DWORD"));
  grid->item(0, 1)->setText(QStringLiteral("Cardinal"));
  const TranslationResult expected = reference("DWORD x;\r\n", false, {{"DWORD", "Cardinal"}});
  ASSERT_EQ(expected.status, TranslationStatus::Clean) << expected.message;
  translate("DWORD x;\r\n");
  EXPECT_EQ(window->PascalMemo()->wholeText(), expected.pascalText());
  EXPECT_NE(window->PascalMemo()->wholeText().find("Cardinal"), std::string::npos);
}

TEST_F(TranslateTest, ProgressWindowRefusesToCloseDuringTheRun) {
  struct Seen {
    int pumps = 0;
    bool visibleAfterClose = true;
    bool done = true;
    bool translateEnabled = true;
    bool cReadOnly = false;
  } seen;
  QAction* translateItem = action("Translate1");
  window->progress().setAfterPump([&] {
    ++seen.pumps;
    window->progressfrm()->close();
    seen.visibleAfterClose = seen.visibleAfterClose && window->progressfrm()->isVisible();
    seen.done = seen.done && window->progressfrm()->TranslationDone;
    seen.translateEnabled = translateItem->isEnabled() || tool(window->cToolBar(), "Translate")->isEnabled();
    seen.cReadOnly = window->Cmemo()->isReadOnly();
    window->TranslateProc();  // re-entry is refused
  });
  translate("int a;\r\nint b;\r\nint c;\r\n");
  ASSERT_GE(seen.pumps, 1);
  EXPECT_TRUE(seen.visibleAfterClose);
  EXPECT_FALSE(seen.done);
  EXPECT_FALSE(seen.translateEnabled);
  EXPECT_TRUE(seen.cReadOnly);
  EXPECT_EQ(window->Status()->text(), QStringLiteral("Sucess !!!"));
  EXPECT_FALSE(window->progressfrm()->isVisible());
  EXPECT_TRUE(translateItem->isEnabled());
  EXPECT_FALSE(window->Cmemo()->isReadOnly());
}

TEST(TranslateFailureTest, TableThatCannotLoadIsReportedInAMessageBox) {
  ScriptedDialogs dialogs;
  TableLoaders loaders;
  loaders.lexTable = []() -> std::unique_ptr<SSLexTable> { throw std::runtime_error("no lexer table here"); };
  loaders.parseTable = []() -> std::unique_ptr<SSYaccTable> { throw std::runtime_error("no parse table here"); };
  TMainForm window(&dialogs, std::move(loaders));
  window.PascalMemo()->setWholeText("kept");
  window.Cmemo()->setWholeText("int x;\r\n");
  window.TranslateProc();
  ASSERT_EQ(dialogs.errors.size(), 1U);
  EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("table here")));
  EXPECT_EQ(window.Status()->text(), QStringLiteral("Error !!!"));
  EXPECT_FALSE(window.progressfrm()->isVisible());
  EXPECT_EQ(window.PascalMemo()->wholeText(), "kept");
  EXPECT_FALSE(window.Cmemo()->isReadOnly());
}

}  // namespace
}  // namespace morvane::test
