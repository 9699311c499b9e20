// The editor wrapper: lines as the line list counts them, bytes that survive, line
// colours, the caret, the rich copy, the typing aids and the options dialog.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexer.h>

#include "app/gui/EditorOptionsDialog.h"
#include "app/gui/SyntaxMemo.h"
#include "tests/gui/GuiTestSupport.h"

namespace morvane::test {
namespace {

TEST(SyntaxMemoTest, LinesFollowTheLineList) {
  SyntaxMemo memo(SyntaxMemo::Language::Pascal);
  EXPECT_EQ(memo.lineCount(), 0);
  struct Case {
    std::string text;
    EditorLines lines;
  };
  const Case cases[] = {{"a", {"a"}},
                        {"a\r\nb\r\n", {"a", "b"}},
                        {"a\nb", {"a", "b"}},
                        {"a\r\n\r\n", {"a", ""}},
                        {"\r\n", {""}}};
  for (const Case& c : cases) {
    memo.setWholeText(c.text);
    EXPECT_EQ(memo.lineCount(), static_cast<std::int32_t>(c.lines.size())) << c.text;
    EXPECT_EQ(memo.lines(), c.lines) << c.text;
  }
  memo.setWholeText("a\r\nb\r\nc");
  memo.replaceLine(1, "  b;");
  memo.deleteLine(3);   // names no line: ignored
  memo.deleteLine(-1);
  EXPECT_EQ(memo.wholeText(), "a\r\n  b;\r\nc");
  memo.deleteLine(2);
  memo.deleteLine(0);
  EXPECT_EQ(memo.wholeText(), "  b;\r\n");
}

TEST(SyntaxMemoTest, EveryByteValueRoundTrips) {
  std::string bytes;
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  SyntaxMemo memo(SyntaxMemo::Language::C);
  memo.setWholeText(bytes);
  EXPECT_EQ(memo.wholeText(), bytes);
  EXPECT_FALSE(memo.isUtf8());
}

TEST(SyntaxMemoTest, LineColoursAndCaret) {
  SyntaxMemo memo(SyntaxMemo::Language::C);
  memo.setWholeText("int a;\r\nint bb;\r\nint c;\r\n");
  const QColor red(255, 0, 0);
  memo.setLineColour(2, red);
  EXPECT_EQ(memo.lineColour(2).rgb(), red.rgb());
  EXPECT_EQ(memo.lineColour(1), memo.defaultBackground());
  memo.setLineColour(9, red);  // no such line
  memo.resetLineColours();
  EXPECT_EQ(memo.lineColour(2), memo.defaultBackground());

  struct Case {
    int column, line, expectedLine, expectedIndex;
  };
  const Case cases[] = {{0, 1, 0, 0}, {1, 1, 0, 0}, {4, 2, 1, 3}, {99, 2, 1, 7}, {3, 99, 3, 0}, {-5, -5, 0, 0}};
  for (const Case& c : cases) {
    memo.setCaret(c.column, c.line);
    int line = -1;
    int index = -1;
    memo.getCursorPosition(&line, &index);
    EXPECT_EQ(line, c.expectedLine) << c.column << "," << c.line;
    EXPECT_EQ(index, c.expectedIndex) << c.column << "," << c.line;
  }
  memo.setCaret(2, 3);
  EXPECT_EQ(memo.caretLine(), 3);
}

TEST(SyntaxMemoTest, CopyFromTheCEditorCarriesRichText) {
  SyntaxMemo c(SyntaxMemo::Language::C);
  c.setRichCopy(true);
  c.setWholeText("int x = 1 < 2; /* \xe9 */");
  c.selectAll();
  c.copy();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QString::fromLatin1("int x = 1 < 2; /* \xe9 */"));
  ASSERT_TRUE(data->hasHtml());
  const QString html = data->html();
  EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color:")));
  EXPECT_TRUE(html.contains(QStringLiteral("&lt;")));
  EXPECT_FALSE(html.contains(QLatin1Char('<') + QStringLiteral(" 2")));
  EXPECT_TRUE(html.contains(QChar(0xe9)));
  // The keyword's colour is the highlighter's.
  EXPECT_TRUE(html.contains(c.lexer()->color(5).name())) << html.toStdString();

  SyntaxMemo pascal(SyntaxMemo::Language::Pascal);
  pascal.setWholeText("Begin end;");
  pascal.selectAll();
  pascal.copy();
  EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasHtml());
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Begin end;"));
}

TEST(SyntaxMemoTest, AutoCorrectAndTemplatesWhileTyping) {
  SyntaxMemo c(SyntaxMemo::Language::C);
  c.show();
  c.setFocus();
  QTest::keyClicks(&c, "retrun x; viodx ");
  EXPECT_EQ(c.wholeText(), "return x; viodx ");

  SyntaxMemo pascal(SyntaxMemo::Language::Pascal);
  pascal.show();
  QTest::keyClicks(&pascal, "  beg");
  QTest::keyClick(&pascal, Qt::Key_J, Qt::ControlModifier);
  EXPECT_EQ(pascal.wholeText(), "  Begin\r\n  end;");
  QTest::keyClick(&pascal, Qt::Key_J, Qt::ControlModifier);  // no abbreviation before the caret
  EXPECT_EQ(pascal.wholeText(), "  Begin\r\n  end;");
}

TEST(SyntaxMemoTest, StartsWithTheEditorLook) {
  SyntaxMemo pascal(SyntaxMemo::Language::Pascal);
  const EditorSettings settings = pascal.settings();
  EXPECT_EQ(settings.font.pixelSize(), 13);
  EXPECT_EQ(settings.tabWidth, 4);
  EXPECT_TRUE(settings.showEdge);
  EXPECT_EQ(pascal.edgeColumn(), 80);
  EXPECT_GT(pascal.marginWidth(0), 0);
  EXPECT_EQ(settings.gutterColour, QColor(Qt::yellow));
  EXPECT_TRUE(pascal.autoIndent());
  EXPECT_EQ(pascal.eolMode(), QsciScintilla::EolWindows);
}

TEST(EditorOptionsDialogTest, PagesEditTheEditor) {
  SyntaxMemo c(SyntaxMemo::Language::C);
  EditorOptionsDialog dialog(c, QStringLiteral("C editor options"));
  QStringList pages;
  for (int i = 0; i < dialog.pages()->count(); ++i) pages << dialog.pages()->tabText(i);
  EXPECT_EQ(pages, QStringList({"Options", "Highlighting", "Keys", "Auto-correct", "Templates"}));
  dialog.findChild<QSpinBox*>(QStringLiteral("tabWidth"))->setValue(8);
  dialog.findChild<QSpinBox*>(QStringLiteral("edgeColumn"))->setValue(100);
  dialog.findChild<QSpinBox*>(QStringLiteral("fontSize"))->setValue(16);
  EditorSettings settings = dialog.settings();
  EXPECT_EQ(settings.font.family(), QStringLiteral("Courier New"));  // not the box's stand-in
  ASSERT_FALSE(settings.styles.empty());
  settings.styles[0].foreground = QColor(1, 2, 3);
  settings.replacements = {{QStringLiteral("teh"), QStringLiteral("the")}};
  c.applySettings(settings);
  EXPECT_EQ(c.tabWidth(), 8);
  EXPECT_EQ(c.edgeColumn(), 100);
  EXPECT_EQ(c.settings().font.pixelSize(), 16);
  EXPECT_NEAR(c.lexer()->font(0).pointSizeF(), 16 * 72.0 / c.logicalDpiY(), 0.01);
  EXPECT_EQ(c.lexer()->color(settings.styles[0].style), QColor(1, 2, 3));
  EXPECT_EQ(c.settings().replacements, settings.replacements);
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("noParser")), nullptr);
}

TEST(EditorOptionsDialogTest, KeysPageRebindsACommand) {
  SyntaxMemo c(SyntaxMemo::Language::C);
  EditorSettings settings = c.settings();
  ASSERT_FALSE(settings.keys.empty());
  const int undo = static_cast<int>(QsciCommand::Undo);
  for (KeySetting& key : settings.keys) {
    if (key.command == undo) key.key = QKeyCombination(Qt::ControlModifier, Qt::Key_U).toCombined();
  }
  c.applySettings(settings);
  EXPECT_EQ(c.standardCommands()->find(QsciCommand::Undo)->key(),
            QKeyCombination(Qt::ControlModifier, Qt::Key_U).toCombined());
}

TEST(EditorOptionsDialogTest, EditorWithoutHighlighterHasNoActiveParser) {
  SyntaxMemo plain(SyntaxMemo::Language::Plain);
  EditorOptionsDialog dialog(plain, QStringLiteral("Options"));
  const QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("noParser"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("No active parser"));
}

}  // namespace
}  // namespace morvane::test
