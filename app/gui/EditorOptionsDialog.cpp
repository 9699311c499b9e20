// The editor options dialog: one page per group of settings. Colours and styles are
// edited in settings_ directly; the other pages are read back by settings().
#include "app/gui/EditorOptionsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/gui/SyntaxMemo.h"

namespace morvane {

namespace {

void showColour(QPushButton* button, const QColor& colour) {
  button->setText(colour.name());
  button->setStyleSheet(QStringLiteral("background-color:%1; color:%2;")
                            .arg(colour.name(), colour.lightness() < 128 ? QStringLiteral("white")
                                                                         : QStringLiteral("black")));
}

QString keyText(int key) { return key == 0 ? QString() : QKeySequence(key).toString(QKeySequence::PortableText); }

int keyFromText(const QString& text) {
  const QKeySequence sequence = QKeySequence::fromString(text.trimmed(), QKeySequence::PortableText);
  return sequence.isEmpty() ? 0 : sequence[0].toCombined();
}

// Templates are edited on one line each: a line break shows as \n.
QString escapeLines(QString text) { return text.replace(QLatin1Char('\n'), QStringLiteral("\\n")); }
QString unescapeLines(QString text) { return text.replace(QStringLiteral("\\n"), QStringLiteral("\n")); }

QTableWidget* makeTable(int rows, const QStringList& labels, QWidget* parent) {
  auto* table = new QTableWidget(rows, static_cast<int>(labels.size()), parent);
  table->setHorizontalHeaderLabels(labels);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

QString cellText(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item != nullptr ? item->text() : QString();
}

}  // namespace

EditorOptionsDialog::EditorOptionsDialog(const SyntaxMemo& editor, const QString& title, QWidget* parent)
    : QDialog(parent), settings_(editor.settings()) {
  setWindowTitle(title);
  pages_ = new QTabWidget(this);
  pages_->addTab(makeOptionsPage(), QStringLiteral("Options"));
  pages_->addTab(makeHighlightingPage(), QStringLiteral("Highlighting"));
  pages_->addTab(makeKeysPage(), QStringLiteral("Keys"));
  pages_->addTab(makePairsPage(replacements_, settings_.replacements, QStringLiteral("Replace"),
                               QStringLiteral("With"), false),
                 QStringLiteral("Auto-correct"));
  QWidget* templatesPage = makePairsPage(templates_, settings_.templates, QStringLiteral("Abbreviation"),
                                         QStringLiteral("Expansion (\\n: line break)"), true);
  templateKey_ = new QKeySequenceEdit(QKeySequence(settings_.templateKey), templatesPage);
  templateKey_->setObjectName(QStringLiteral("templateKey"));
  auto* keyRow = new QHBoxLayout;
  keyRow->addWidget(new QLabel(QStringLiteral("Expand with:"), templatesPage));
  keyRow->addWidget(templateKey_, 1);
  static_cast<QVBoxLayout*>(templatesPage->layout())->addLayout(keyRow);
  pages_->addTab(templatesPage, QStringLiteral("Templates"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);
  resize(480, 420);
}

QWidget* EditorOptionsDialog::makeOptionsPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  fontFamily_ = new QFontComboBox(page);
  fontFamily_->setObjectName(QStringLiteral("fontFamily"));
  fontFamily_->setCurrentFont(settings_.font);
  // The family changes only when the user picks one: the box may show a stand-in
  // for a family this machine lacks.
  connect(fontFamily_, &QFontComboBox::currentFontChanged, this, [this] { familyChosen_ = true; });
  fontSize_ = new QSpinBox(page);
  fontSize_->setObjectName(QStringLiteral("fontSize"));
  fontSize_->setRange(6, 72);
  fontSize_->setSuffix(QStringLiteral(" px"));
  fontSize_->setValue(settings_.font.pixelSize() > 0 ? settings_.font.pixelSize() : 13);
  tabWidth_ = new QSpinBox(page);
  tabWidth_->setObjectName(QStringLiteral("tabWidth"));
  tabWidth_->setRange(1, 16);
  tabWidth_->setValue(settings_.tabWidth);
  showEdge_ = new QCheckBox(QStringLiteral("Show right margin"), page);
  showEdge_->setChecked(settings_.showEdge);
  edgeColumn_ = new QSpinBox(page);
  edgeColumn_->setObjectName(QStringLiteral("edgeColumn"));
  edgeColumn_->setRange(1, 1000);
  edgeColumn_->setValue(settings_.edgeColumn);
  showGutter_ = new QCheckBox(QStringLiteral("Show line numbers"), page);
  showGutter_->setObjectName(QStringLiteral("showGutter"));
  showGutter_->setChecked(settings_.showGutter);
  gutterColour_ = new QPushButton(page);
  showColour(gutterColour_, settings_.gutterColour);
  connect(gutterColour_, &QPushButton::clicked, this,
          [this] { pickColour(gutterColour_, settings_.gutterColour); });
  autoIndent_ = new QCheckBox(QStringLiteral("Auto-indent"), page);
  autoIndent_->setChecked(settings_.autoIndent);
  form->addRow(QStringLiteral("Font:"), fontFamily_);
  form->addRow(QStringLiteral("Size:"), fontSize_);
  form->addRow(QStringLiteral("Tab width:"), tabWidth_);
  form->addRow(showEdge_);
  form->addRow(QStringLiteral("Right margin at:"), edgeColumn_);
  form->addRow(showGutter_);
  form->addRow(QStringLiteral("Gutter colour:"), gutterColour_);
  form->addRow(autoIndent_);
  return page;
}

QWidget* EditorOptionsDialog::makeHighlightingPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  if (settings_.styles.empty()) {
    auto* none = new QLabel(QStringLiteral("No active parser"), page);
    none->setObjectName(QStringLiteral("noParser"));
    none->setAlignment(Qt::AlignCenter);
    layout->addWidget(none);
    return page;
  }
  styleList_ = new QListWidget(page);
  styleList_->setObjectName(QStringLiteral("styleList"));
  for (const StyleSetting& style : settings_.styles) styleList_->addItem(style.name);
  foreground_ = new QPushButton(page);
  background_ = new QPushButton(page);
  bold_ = new QCheckBox(QStringLiteral("Bold"), page);
  italic_ = new QCheckBox(QStringLiteral("Italic"), page);
  auto* side = new QFormLayout;
  side->addRow(QStringLiteral("Foreground:"), foreground_);
  side->addRow(QStringLiteral("Background:"), background_);
  side->addRow(bold_);
  side->addRow(italic_);
  layout->addWidget(styleList_, 1);
  layout->addLayout(side);
  auto current = [this]() -> StyleSetting* {
    const int row = styleList_->currentRow();
    return row >= 0 ? &settings_.styles[static_cast<std::size_t>(row)] : nullptr;
  };
  connect(styleList_, &QListWidget::currentRowChanged, this, &EditorOptionsDialog::showStyle);
  connect(foreground_, &QPushButton::clicked, this, [this, current] {
    if (StyleSetting* style = current()) pickColour(foreground_, style->foreground);
  });
  connect(background_, &QPushButton::clicked, this, [this, current] {
    if (StyleSetting* style = current()) pickColour(background_, style->background);
  });
  connect(bold_, &QCheckBox::toggled, this, [current](bool on) {
    if (StyleSetting* style = current()) style->bold = on;
  });
  connect(italic_, &QCheckBox::toggled, this, [current](bool on) {
    if (StyleSetting* style = current()) style->italic = on;
  });
  styleList_->setCurrentRow(0);
  return page;
}

void EditorOptionsDialog::showStyle(int row) {
  if (row < 0) return;
  const StyleSetting& style = settings_.styles[static_cast<std::size_t>(row)];
  showColour(foreground_, style.foreground);
  showColour(background_, style.background);
  bold_->setChecked(style.bold);
  italic_->setChecked(style.italic);
}

void EditorOptionsDialog::pickColour(QPushButton* button, QColor& colour) {
  const QColor chosen = QColorDialog::getColor(colour, this);
  if (!chosen.isValid()) return;
  colour = chosen;
  showColour(button, colour);
}

QWidget* EditorOptionsDialog::makeKeysPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  keys_ = makeTable(static_cast<int>(settings_.keys.size()),
                    {QStringLiteral("Command"), QStringLiteral("Key"), QStringLiteral("Alternate key")}, page);
  keys_->setObjectName(QStringLiteral("keys"));
  for (int row = 0; row < keys_->rowCount(); ++row) {
    const KeySetting& key = settings_.keys[static_cast<std::size_t>(row)];
    auto* name = new QTableWidgetItem(key.description);
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    keys_->setItem(row, 0, name);
    keys_->setItem(row, 1, new QTableWidgetItem(keyText(key.key)));
    keys_->setItem(row, 2, new QTableWidgetItem(keyText(key.alternateKey)));
  }
  layout->addWidget(keys_);
  layout->addWidget(new QLabel(QStringLiteral("Keys are written as Ctrl+Shift+Z; an empty cell unbinds."), page));
  return page;
}

QWidget* EditorOptionsDialog::makePairsPage(QTableWidget*& table, const std::vector<TextPair>& pairs,
                                            const QString& fromLabel, const QString& toLabel, bool multiLine) {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  table = makeTable(static_cast<int>(pairs.size()), {fromLabel, toLabel}, page);
  for (int row = 0; row < table->rowCount(); ++row) {
    const TextPair& pair = pairs[static_cast<std::size_t>(row)];
    table->setItem(row, 0, new QTableWidgetItem(pair.from));
    table->setItem(row, 1, new QTableWidgetItem(multiLine ? escapeLines(pair.to) : pair.to));
  }
  auto* add = new QPushButton(QStringLiteral("Add"), page);
  auto* remove = new QPushButton(QStringLiteral("Delete"), page);
  QTableWidget* target = table;
  connect(add, &QPushButton::clicked, this, [target] {
    target->insertRow(target->rowCount());
    target->setCurrentCell(target->rowCount() - 1, 0);
  });
  connect(remove, &QPushButton::clicked, this, [target] {
    if (target->currentRow() >= 0) target->removeRow(target->currentRow());
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  layout->addWidget(table);
  layout->addLayout(buttons);
  return page;
}

EditorSettings EditorOptionsDialog::settings() const {
  EditorSettings result = settings_;
  if (familyChosen_) result.font.setFamily(fontFamily_->currentFont().family());
  result.font.setPixelSize(fontSize_->value());
  result.font.setStyleHint(QFont::TypeWriter);
  result.tabWidth = tabWidth_->value();
  result.showEdge = showEdge_->isChecked();
  result.edgeColumn = edgeColumn_->value();
  result.showGutter = showGutter_->isChecked();
  result.autoIndent = autoIndent_->isChecked();
  for (int row = 0; row < keys_->rowCount(); ++row) {
    KeySetting& key = result.keys[static_cast<std::size_t>(row)];
    key.key = keyFromText(cellText(keys_, row, 1));
    key.alternateKey = keyFromText(cellText(keys_, row, 2));
  }
  auto readPairs = [](const QTableWidget* table, bool multiLine) {
    std::vector<TextPair> pairs;
    for (int row = 0; row < table->rowCount(); ++row) {
      const QString from = cellText(table, row, 0).trimmed();
      if (from.isEmpty()) continue;
      const QString to = cellText(table, row, 1);
      pairs.push_back({from, multiLine ? unescapeLines(to) : to});
    }
    return pairs;
  };
  result.replacements = readPairs(replacements_, false);
  result.templates = readPairs(templates_, true);
  result.templateKey = templateKey_->keySequence().isEmpty() ? 0 : templateKey_->keySequence()[0].toCombined();
  return result;
}

}  // namespace morvane
