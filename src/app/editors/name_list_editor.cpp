#include "editors/name_list_editor.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document_change.h"
#include "common/prompter.h"
#include "document.h"
#include "editors/limit_counter.h"
#include "editors/name_rows.h"
#include "editors/typing_limit.h"
#include "widgets/qt_cp1252.h"

namespace orvane::editors {

using shell::FromQt;
using shell::ToQt;

NameListEditor::NameListEditor(Document& doc, ChangeSink& changes, Prompter& prompter, NameListSetup setup,
                               QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      list_(new QListWidget(this)),
      nameBox_(new QLineEdit(this)),
      saveButton_(new QPushButton(tr("Save"), this)),
      nameRow_(new QWidget(this)),
      changes_(changes),
      prompter_(prompter),
      setup_(std::move(setup)) {
  setObjectName(setup_.windowName);
  list_->setObjectName("Liste");
  nameBox_->setObjectName(setup_.nameBoxName);
  shell::GuardLineEdit(nameBox_);
  saveButton_->setObjectName(setup_.saveButtonName);
  // Enter in a text box must not press "Save".
  saveButton_->setAutoDefault(false);
  if (setup_.nameLimit > 0)
    nameLimit_ = new TypingLimit(nameBox_, setup_.nameLimit, setup_.limitGrowsWithBraces);
  auto* row = new QHBoxLayout(nameRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(nameBox_, 1);
  row->addWidget(new LimitCounter(nameBox_, setup_.nameLimit, setup_.limitGrowsWithBraces, nameRow_));

  connect(list_, &QListWidget::currentRowChanged, this, &NameListEditor::showEntry);
  connect(nameBox_, &QLineEdit::textChanged, this, &NameListEditor::nameTyped);
  connect(saveButton_, &QPushButton::clicked, this, &NameListEditor::save);
  updateCaption();
}

void NameListEditor::usePlainLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nameRow_);
  layout->addWidget(list_, 1);
  layout->addWidget(saveButton_);
  // Resizable; by default tall enough for about twenty rows, wide enough for a name and its original.
  resize(480, list_->fontMetrics().height() * 20 + 120);
}

QLineEdit* NameListEditor::addDescriptionBox(const char* name, int limit, bool growsWithBraces,
                                             std::vector<std::string> descriptions, int offset) {
  auto* box = new QLineEdit(this);
  box->setObjectName(name);
  shell::GuardLineEdit(box);
  descriptionLimit_ = new TypingLimit(box, limit, growsWithBraces);
  descriptions_ = std::move(descriptions);
  descriptionOffset_ = offset;
  connect(box, &QLineEdit::textChanged, this, &NameListEditor::descriptionTyped);
  return box;
}

void NameListEditor::fill(std::vector<std::string> names) {
  guard_ = true;
  names_ = std::move(names);
  list_->clear();
  for (const std::string& name : names_) list_->addItem(ToQt(name));
  ShowNameRows(list_, doc_, setup_.names, setup_.firstIndex);
  list_->setCurrentRow(0);
  showEntry(0);
  guard_ = false;
  changed_ = false;
  updateCaption();
}

void NameListEditor::markChanged() {
  if (guard_) return;
  changed_ = true;
  updateCaption();
}

int NameListEditor::currentRow() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(names_.size()) ? row : -1;
}

void NameListEditor::showEntry(int row) {
  if (row < 0 || row >= static_cast<int>(names_.size())) return;
  const bool wasGuarded = guard_;
  guard_ = true;
  const QString text = ToQt(names_[row]);
  if (nameLimit_)
    nameLimit_->setText(text);
  else
    nameBox_->setText(text);
  showEntryExtras(row);
  if (descriptionLimit_) descriptionLimit_->setText(ToQt(descriptions_[row + descriptionOffset_]));
  guard_ = wasGuarded;
}

void NameListEditor::nameTyped(const QString& text) {
  const int row = currentRow();
  if (row < 0) return;
  names_[row] = FromQt(text, nullptr);
  list_->item(row)->setText(text);
  markChanged();
}

void NameListEditor::descriptionTyped(const QString& text) {
  const int row = currentRow();
  if (row < 0) return;
  descriptions_[row + descriptionOffset_] = FromQt(text, nullptr);
  markChanged();
}

void NameListEditor::save() {
  DocumentChange change("Save " + setup_.caption.toStdString());
  store(change);
  changes_.Commit(std::move(change));
  changed_ = false;
  updateCaption();
}

void NameListEditor::storeList(DocumentChange& change, TextList list, int first,
                               const std::vector<std::string>& values) const {
  for (size_t i = 0; i < values.size(); ++i) change.setText(doc_, {list, 0, first + static_cast<int>(i)}, values[i]);
}

void NameListEditor::updateCaption() { setWindowTitle(setup_.caption + (changed_ ? "*" : "")); }

void NameListEditor::reject() {
  if (changed_) {
    Message question = MakeMessage(setup_.questionTitle.toStdString(),
                                   std::string("You haven't saved your changes!") + kCrLf + "Save now?",
                                   Icon::Exclamation, Buttons::YesNo, true);
    if (prompter_.ask(question) == Answer::Yes) save();
  }
  QDialog::reject();
}

}  // namespace orvane::editors
