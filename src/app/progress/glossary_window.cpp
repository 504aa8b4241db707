#include "progress/glossary_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "progress/glossary_csv.h"
#include "widgets/qt_cp1252.h"

namespace orvane::progress {

namespace {

const FileRequest kCsvFiles{"Glossary", "CSV files|*.csv", "", false};

// Terms hold what the texts can hold: the cell editors refuse other characters as they are typed.
class GuardedCells : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) shell::GuardLineEdit(line);
    return editor;
  }
};

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

GlossaryWindow::GlossaryWindow(std::vector<GlossaryTerm> terms, Prompter& prompter, FileChooser& chooser,
                               QWidget* parent)
    : QDialog(parent), prompter_(prompter), chooser_(chooser), table_(new QTableWidget(0, 3, this)) {
  setObjectName(QStringLiteral("GlossaryWindow"));
  setWindowTitle(QStringLiteral("Glossary"));
  resize(640, 420);
  table_->setObjectName(QStringLiteral("GlossaryTable"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Source term"), QStringLiteral("Target term"), QStringLiteral("Note")});
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setItemDelegate(new GuardedCells(table_));
  for (const GlossaryTerm& term : terms) addRow(term);
  table_->setSortingEnabled(true);  // a click on a column's header sorts by it
  table_->sortByColumn(-1, Qt::AscendingOrder);  // until then, the order the terms were kept in

  auto* row = new QHBoxLayout;
  const std::pair<QPushButton*, void (GlossaryWindow::*)()> buttons[] = {
      {Button(QStringLiteral("&Add"), "AddTerm", this), &GlossaryWindow::addTerm},
      {Button(QStringLiteral("&Delete"), "DeleteTerm", this), &GlossaryWindow::deleteTerms},
      {Button(QStringLiteral("&Import CSV..."), "ImportCsv", this), &GlossaryWindow::importCsv},
      {Button(QStringLiteral("&Export CSV..."), "ExportCsv", this), &GlossaryWindow::exportCsv}};
  for (const auto& [button, act] : buttons) {
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, act);
  }
  row->addStretch(1);
  auto* closing = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(closing, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(closing, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(row);
  layout->addWidget(closing);
}

void GlossaryWindow::addRow(const GlossaryTerm& term) {
  const bool sorting = table_->isSortingEnabled();
  table_->setSortingEnabled(false);  // a sorted table would move the row away while it is filled
  const int at = table_->rowCount();
  table_->insertRow(at);
  const std::string* fields[] = {&term.source, &term.target, &term.note};
  for (int column = 0; column < 3; ++column)
    table_->setItem(at, column, new QTableWidgetItem(shell::ToQt(*fields[column])));
  table_->setSortingEnabled(sorting);
}

std::vector<GlossaryTerm> GlossaryWindow::terms() const {
  std::vector<GlossaryTerm> terms;
  const auto cell = [this](int row, int column) {
    const QTableWidgetItem* item = table_->item(row, column);
    return item ? shell::FromQt(item->text()) : std::string();
  };
  for (int row = 0; row < table_->rowCount(); ++row)
    if (!cell(row, 0).empty()) terms.push_back({cell(row, 0), cell(row, 1), cell(row, 2)});
  return terms;
}

void GlossaryWindow::addTerm() {
  addRow({});
  const int at = table_->rowCount() - 1;
  table_->setCurrentCell(at, 0);
  table_->editItem(table_->item(at, 0));
}

void GlossaryWindow::deleteTerms() {
  QList<int> rows;
  for (const QTableWidgetSelectionRange& range : table_->selectedRanges())
    for (int row = range.topRow(); row <= range.bottomRow(); ++row) rows << row;
  std::sort(rows.begin(), rows.end(), std::greater<>());
  for (int row : rows) table_->removeRow(row);
}

void GlossaryWindow::importCsv() {
  const std::optional<std::string> path = chooser_.choose(kCsvFiles);
  if (!path) return;
  try {
    for (const GlossaryTerm& term : ReadGlossaryFile(*path)) addRow(term);
  } catch (const std::runtime_error& error) {
    prompter_.ask(MakeMessage("Glossary", std::string("The terms could not be imported: ") + error.what(), Icon::Exclamation));
  }
}

void GlossaryWindow::exportCsv() {
  FileRequest request = kCsvFiles;
  request.save = true;
  const std::optional<std::string> path = chooser_.choose(request);
  if (!path) return;
  try {
    WriteGlossaryFile(*path, terms());
  } catch (const std::runtime_error& error) {
    prompter_.ask(MakeMessage("Glossary", std::string("The terms could not be exported: ") + error.what(), Icon::Exclamation));
  }
}

}  // namespace orvane::progress
