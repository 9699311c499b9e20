// Ttypesform, the "User types" window: the grid `typesgrid` of user type rows (C
// name, Pascal name) with Open, Save, Add and Delete. The rows live in a
// UserTypeGrid; the QTableWidget shows them and takes the user's edits.
#pragma once

#include <QDialog>

#include "usertypes/UserTypeFile.h"

class QAction;
class QTableWidget;
class QToolBar;

namespace morvane {

class DialogProvider;

class Ttypesform : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 288;
  static constexpr int kHeight = 375;

  explicit Ttypesform(QWidget* parent = nullptr, DialogProvider* dialogs = nullptr);

  // The rows as the grid shows them now: what the next translation reads.
  const UserTypeRows& rows();
  QTableWidget* typesgrid() const { return typesgrid_; }
  QToolBar* toolBar() const { return toolBar_; }

 public slots:
  void OpenClick();
  void SaveClick();
  void AddClick();
  void DeleteClick();

 private:
  void takeEdits();    // the table's cells into grid_
  void showGrid();     // grid_ into the table

  DialogProvider* dialogs_;
  UserTypeGrid grid_;
  QTableWidget* typesgrid_;
  QToolBar* toolBar_;
  bool showing_ = false;  // showGrid is filling the table: its change signals are not edits
};

}  // namespace morvane
