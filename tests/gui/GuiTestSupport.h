// What the window tests share: a dialog provider that answers from a script and
// records what it was asked, file helpers and a main window fixture.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QToolBar>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/MainForm.h"
#include "app/gui/SyntaxMemo.h"
#include "usertypes/gui/DialogProvider.h"

namespace morvane::test {

class ScriptedDialogs : public DialogProvider {
 public:
  std::deque<QString> answers;  // one per file dialog; an empty one cancels
  std::vector<QString> errors;
  QString lastFolder;
  QStringList lastFilters;
  int fileDialogs = 0;

  QString chooseOpenFile(QWidget*, const QString& folder, const QStringList& filters) override {
    return answer(folder, filters);
  }
  QString chooseSaveFile(QWidget*, const QString& folder, const QStringList& filters) override {
    return answer(folder, filters);
  }
  void showError(QWidget*, const QString& text) override { errors.push_back(text); }

 private:
  QString answer(const QString& folder, const QStringList& filters) {
    ++fileDialogs;
    lastFolder = folder;
    lastFilters = filters;
    if (answers.empty()) return {};
    QString next = answers.front();
    answers.pop_front();
    return next;
  }
};

inline std::string readBytes(const QString& file) {
  std::ifstream in(file.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const QString& file, const std::string& bytes) {
  std::ofstream(file.toStdString(), std::ios::binary) << bytes;
}

// The hints of a toolbar in order, "-" for a separator.
inline QStringList toolHints(const QToolBar* toolBar) {
  QStringList hints;
  for (const QAction* action : toolBar->actions()) hints << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
  return hints;
}

inline QAction* tool(const QToolBar* toolBar, const QString& hint) {
  for (QAction* action : toolBar->actions()) {
    if (!action->isSeparator() && action->toolTip() == hint) return action;
  }
  ADD_FAILURE() << "no tool " << hint.toStdString();
  return nullptr;
}

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    window = std::make_unique<TMainForm>(&dialogs);
  }

  QString path(const QString& name) const { return folder.filePath(name); }
  QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }

  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  std::unique_ptr<TMainForm> window;
};

}  // namespace morvane::test
