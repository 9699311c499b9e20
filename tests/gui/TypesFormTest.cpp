// The "User types" window: its shape, and Open, Save, Add and Delete over the grid.
#include <QTableWidget>
#include <QHeaderView>
#include <QToolBar>

#include "tests/gui/GuiTestSupport.h"
#include "usertypes/gui/TypesForm.h"

namespace morvane::test {
namespace {

class TypesFormTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  void setCell(int row, int column, const QString& text) { form.typesgrid()->item(row, column)->setText(text); }
  QString cell(int row, int column) const { return form.typesgrid()->item(row, column)->text(); }
  QString path(const QString& name) const { return folder.filePath(name); }

  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  Ttypesform form{nullptr, &dialogs};
};

TEST_F(TypesFormTest, StartsWithOneEmptyRowAndTheFourCommands) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("User types"));
  EXPECT_EQ(form.size(), QSize(288, 375));
  EXPECT_EQ(form.typesgrid()->objectName(), QStringLiteral("typesgrid"));
  EXPECT_EQ(form.typesgrid()->rowCount(), 1);
  EXPECT_EQ(form.typesgrid()->columnCount(), 2);
  EXPECT_TRUE(form.typesgrid()->horizontalHeader()->isHidden());
  EXPECT_TRUE(form.typesgrid()->verticalHeader()->isHidden());
  EXPECT_EQ(toolHints(form.toolBar()), QStringList({"Open", "Save", "Add", "Delete"}));
  EXPECT_EQ(form.rows(), (UserTypeRows{{"", ""}}));
}

TEST_F(TypesFormTest, OpenFillsTheGridFromTheFile) {
  const QString file = path(QStringLiteral("types.txt"));
  writeBytes(file, "DWORD\r\nCardinal\r\nHANDLE\r\nTHandle\r\n LONG \r\n");
  setCell(0, 0, QStringLiteral("old"));
  form.AddClick();
  dialogs.answers = {file};
  tool(form.toolBar(), QStringLiteral("Open"))->trigger();
  EXPECT_EQ(dialogs.lastFilters, QStringList());
  ASSERT_EQ(form.typesgrid()->rowCount(), 4);
  EXPECT_EQ(form.rows(), (UserTypeRows{{"DWORD", "Cardinal"}, {"HANDLE", "THandle"}, {" LONG ", ""}, {"", ""}}));
  EXPECT_EQ(cell(1, 1), QStringLiteral("THandle"));
}

TEST_F(TypesFormTest, OpenThatFailsLeavesTheGridAsItWas) {
  setCell(0, 0, QStringLiteral("DWORD"));
  form.AddClick();
  setCell(1, 0, QStringLiteral("HANDLE"));
  dialogs.answers = {path(QStringLiteral("missing.txt"))};
  form.OpenClick();
  EXPECT_EQ(dialogs.errors.size(), 1U);
  EXPECT_EQ(form.rows(), (UserTypeRows{{"DWORD", ""}, {"HANDLE", ""}}));
}

TEST_F(TypesFormTest, SaveWritesTrimmedPairsAndLeavesTheGridAlone) {
  setCell(0, 0, QStringLiteral(" A "));
  form.AddClick();
  setCell(1, 1, QStringLiteral("B"));
  form.AddClick();
  setCell(2, 0, QStringLiteral("C"));
  setCell(2, 1, QStringLiteral("\tD"));
  const QString file = path(QStringLiteral("saved.txt"));
  dialogs.answers = {file};
  tool(form.toolBar(), QStringLiteral("Save"))->trigger();
  EXPECT_EQ(readBytes(file), "A\r\nA\r\nC\r\nD\r\n");
  EXPECT_EQ(cell(0, 0), QStringLiteral(" A "));
  EXPECT_TRUE(dialogs.errors.empty());

  dialogs.answers = {path(QStringLiteral("no/folder/saved.txt"))};
  form.SaveClick();
  EXPECT_EQ(dialogs.errors.size(), 1U);
}

TEST_F(TypesFormTest, AddAndDeleteRows) {
  setCell(0, 0, QStringLiteral("first"));
  tool(form.toolBar(), QStringLiteral("Add"))->trigger();
  form.AddClick();
  setCell(1, 0, QStringLiteral("second"));
  setCell(2, 0, QStringLiteral("third"));
  form.typesgrid()->setCurrentCell(1, 0);
  tool(form.toolBar(), QStringLiteral("Delete"))->trigger();
  EXPECT_EQ(form.rows(), (UserTypeRows{{"first", ""}, {"third", ""}}));
  form.typesgrid()->setCurrentCell(1, 0);
  form.DeleteClick();
  EXPECT_EQ(form.rows(), (UserTypeRows{{"first", ""}}));
  form.DeleteClick();  // the grid keeps at least one row
  EXPECT_EQ(form.rows(), (UserTypeRows{{"first", ""}}));
}

}  // namespace
}  // namespace morvane::test
