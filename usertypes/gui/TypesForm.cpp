// Ttypesform: the grid is written to the table after every command and read back
// from it before one, so a cell being edited counts as soon as the user leaves it.
#include "usertypes/gui/TypesForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>
#include <string>

#include "app/core/FileIO.h"
#include "usertypes/gui/DialogProvider.h"

namespace morvane {

namespace {

// Cells hold 8-bit text: one byte per character both ways.
std::string cellBytes(const QTableWidgetItem* item) {
  if (item == nullptr) return {};
  const QByteArray bytes = item->text().toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A plus or a minus sign for Add and Delete.
QIcon signIcon(bool plus) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QPen(plus ? QColor(0, 130, 0) : QColor(190, 0, 0), 3));
  painter.drawLine(3, 8, 13, 8);
  if (plus) painter.drawLine(8, 3, 8, 13);
  return QIcon(pixmap);
}

QString cellText(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

Ttypesform::Ttypesform(QWidget* parent, DialogProvider* dialogs)
    : QDialog(parent), dialogs_(dialogs != nullptr ? dialogs : &DialogProvider::standard()) {
  setObjectName(QStringLiteral("typesform"));
  setWindowTitle(QStringLiteral("User types"));
  resize(kWidth, kHeight);

  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("typestoolbar"));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  struct Command {
    const char* hint;
    QIcon icon;
    void (Ttypesform::*slot)();
  };
  const Command commands[] = {
      {"Open", style()->standardIcon(QStyle::SP_DialogOpenButton), &Ttypesform::OpenClick},
      {"Save", style()->standardIcon(QStyle::SP_DialogSaveButton), &Ttypesform::SaveClick},
      {"Add", signIcon(true), &Ttypesform::AddClick},
      {"Delete", signIcon(false), &Ttypesform::DeleteClick},
  };
  for (const Command& command : commands) {
    QAction* action = toolBar_->addAction(command.icon, QString::fromLatin1(command.hint));
    action->setToolTip(QString::fromLatin1(command.hint));
    connect(action, &QAction::triggered, this, command.slot);
  }

  typesgrid_ = new QTableWidget(1, 2, this);
  typesgrid_->setObjectName(QStringLiteral("typesgrid"));
  typesgrid_->horizontalHeader()->hide();
  typesgrid_->verticalHeader()->hide();
  typesgrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  typesgrid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  typesgrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(typesgrid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!showing_) grid_.setCell(item->row(), item->column(), cellBytes(item));
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(typesgrid_);
  showGrid();
}

const UserTypeRows& Ttypesform::rows() {
  takeEdits();
  return grid_.rows();
}

void Ttypesform::takeEdits() {
  // A cell still open in its editor reaches its item when the editor loses focus.
  if (QWidget* editor = QApplication::focusWidget();
      editor != nullptr && editor != typesgrid_ && typesgrid_->isAncestorOf(editor)) {
    editor->clearFocus();
  }
  for (int row = 0; row < typesgrid_->rowCount() && row < grid_.rowCount(); ++row) {
    for (int column = 0; column < 2; ++column) {
      grid_.setCell(row, column, cellBytes(typesgrid_->item(row, column)));
    }
  }
}

void Ttypesform::showGrid() {
  showing_ = true;
  const int current = typesgrid_->currentRow();
  typesgrid_->setRowCount(grid_.rowCount());
  for (int row = 0; row < grid_.rowCount(); ++row) {
    for (int column = 0; column < 2; ++column) {
      const QString text = cellText(grid_.cell(row, column));
      if (QTableWidgetItem* item = typesgrid_->item(row, column)) {
        item->setText(text);
      } else {
        typesgrid_->setItem(row, column, new QTableWidgetItem(text));
      }
    }
  }
  if (current >= grid_.rowCount()) typesgrid_->setCurrentCell(grid_.rowCount() - 1, 0);
  showing_ = false;
}

void Ttypesform::OpenClick() {
  const QString file = dialogs_->chooseOpenFile(this, {}, {});
  if (file.isEmpty()) return;
  takeEdits();
  // The file is read before the grid is cut, so a file that cannot be read leaves
  // the rows as they were.
  try {
    const std::string text = readFileBytes(toPath(file));
    grid_.loadFileText(text);
  } catch (const std::exception& error) {
    dialogs_->showError(this, QString::fromLocal8Bit(error.what()));
  }
  showGrid();
}

void Ttypesform::SaveClick() {
  const QString file = dialogs_->chooseSaveFile(this, {}, {});
  if (file.isEmpty()) return;
  takeEdits();
  try {
    writeFileAtomically(toPath(file), grid_.fileText());
  } catch (const std::exception& error) {
    dialogs_->showError(this, QString::fromLocal8Bit(error.what()));
  }
}

void Ttypesform::AddClick() {
  takeEdits();
  grid_.addRow();
  showGrid();
}

void Ttypesform::DeleteClick() {
  takeEdits();
  const int row = typesgrid_->currentRow();
  grid_.deleteRow(row < 0 ? 0 : row);
  showGrid();
}

}  // namespace morvane
