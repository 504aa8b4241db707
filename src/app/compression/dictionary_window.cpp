#include "compression/dictionary_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/prompter.h"
#include "common/text_helpers.h"
#include "compression/button_pictures.h"
#include "compression/dictionary_budget.h"
#include "document.h"
#include "widgets/qt_cp1252.h"

namespace orvane::compression {
namespace {

// A list row shows an entry's leading and trailing blanks as middle dots; the entry keeps its blanks.
QString ShownBlanks(QString entry) {
  for (qsizetype i = 0; i < entry.size() && entry[i] == ' '; ++i) entry[i] = QChar(0xB7);
  for (qsizetype i = entry.size() - 1; i >= 0 && entry[i] == ' '; --i) entry[i] = QChar(0xB7);
  return entry;
}

QGroupBox* Frame(const QString& caption, const char* name, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  return frame;
}

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);  // Enter in the edit box must not start anything
  return button;
}

}  // namespace

DictionaryWindow::DictionaryWindow(Document& doc, ChangeSink& changes, Settings& settings, Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      changes_(changes),
      settings_(settings),
      prompter_(prompter),
      listFrame_(Frame(tr("List"), "Frame1", this)),
      silbenliste_(Named(new QListWidget(this), "Silbenliste")),
      aendern_(Named(new QLineEdit(this), "Aendern")),
      autoKomprim_(Button(tr("Optimize Compression"), "AutoKomprim", this)),
      abbrechen_(Button(tr("Abort"), "Abbrechen", this)),
      clearTable_(Button(tr("Delete Tabelle"), "ClearTable", this)),
      status_(Named(new QProgressBar(this), "Status")),
      belegt_(Named(new QLabel(this), "Belegt")),
      nochFrei_(Named(new QLabel(this), "NochFrei")),
      tabSpeichern_(Named(new QToolButton(this), "TabSpeichern")) {
  setObjectName("Komprimmierung");
  setWindowTitle(tr("Textcompression"));
  shell::GuardLineEdit(aendern_);
  (new QVBoxLayout(listFrame_))->addWidget(silbenliste_);

  auto* changeFrame = Frame(tr("Change"), "Frame2", this);
  (new QVBoxLayout(changeFrame))->addWidget(aendern_);

  auto* functions = Frame(tr("Functions"), "Frame4", this);
  auto* functionGrid = new QGridLayout(functions);
  functionGrid->addWidget(autoKomprim_, 0, 0);
  functionGrid->addWidget(abbrechen_, 0, 0);  // "Abort" stands in the place of "Optimize Compression"
  functionGrid->addWidget(clearTable_, 1, 0);
  functionGrid->addWidget(status_, 2, 0);
  abbrechen_->hide();
  status_->setRange(0, 100);
  status_->hide();

  auto* statistics = Frame(tr("Statistik"), "Frame3", this);
  auto* reserved = Named(new QLabel(QString::fromLatin1(kReservedMemoryLabel), statistics), "Reserviert");
  auto* statisticsColumn = new QVBoxLayout(statistics);
  statisticsColumn->addWidget(belegt_);
  statisticsColumn->addWidget(nochFrei_);
  statisticsColumn->addWidget(reserved);

  tabSpeichern_->setIcon(SavePicture());
  tabSpeichern_->setIconSize(QSize(32, 32));
  tabSpeichern_->setToolTip(tr("Save"));

  auto* right = new QVBoxLayout;
  right->addWidget(changeFrame);
  right->addWidget(functions);
  right->addWidget(statistics);
  right->addStretch(1);
  right->addWidget(tabSpeichern_, 0, Qt::AlignRight);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(listFrame_, 1);
  layout->addLayout(right, 1);

  connect(silbenliste_, &QListWidget::currentRowChanged, this, &DictionaryWindow::lineChosen);
  connect(aendern_, &QLineEdit::textChanged, this, &DictionaryWindow::entryTyped);
  connect(clearTable_, &QPushButton::clicked, this, &DictionaryWindow::deleteTable);
  connect(tabSpeichern_, &QToolButton::clicked, this, &DictionaryWindow::save);
  connect(autoKomprim_, &QPushButton::clicked, this, &DictionaryWindow::optimize);
  connect(abbrechen_, &QPushButton::clicked, this, [this] { abort_ = true; });

  setLines(ReadDictionary(doc_));
  silbenliste_->setCurrentRow(0);
  ZeigeStatistik();
}

void DictionaryWindow::setLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  silbenliste_->clear();
  for (const std::string& line : lines_) silbenliste_->addItem(ShownBlanks(shell::ToQt(line)));
  BerechneBelegung();
}

void DictionaryWindow::lineChosen(int row) {
  if (row < 0 || row >= static_cast<int>(lines_.size())) return;
  guard_ = true;
  aendern_->setText(shell::ToQt(lines_[row]));
  guard_ = false;
  listFrame_->setTitle("Silbenliste :" + QString::fromStdString(SignedLabelNumber(silbenliste_->count())));
}

void DictionaryWindow::entryTyped(const QString& text) {
  const int row = silbenliste_->currentRow();
  // Without a selected line (after a run) there is nothing to change.
  if (guard_ || row < 0 || row >= static_cast<int>(lines_.size())) return;
  lines_[row] = shell::FromQt(text, nullptr);
  silbenliste_->item(row)->setText(ShownBlanks(text));
  BerechneBelegung();
  markChanged();
  ZeigeStatistik();
}

void DictionaryWindow::deleteTable() {
  for (size_t i = 0; i < lines_.size(); ++i) {
    lines_[i].clear();
    silbenliste_->item(static_cast<int>(i))->setText(QString());
  }
  BerechneBelegung();
  markChanged();
  ZeigeStatistik();
}

void DictionaryWindow::save() {
  changes_.Commit(SaveDictionary(doc_, lines_));
  changed_ = false;
  setWindowTitle(tr("Textcompression"));
}

void DictionaryWindow::markChanged() {
  changed_ = true;
  setWindowTitle(tr("Textcompression*"));
}

void DictionaryWindow::BerechneBelegung() { belegung_ = UsedMemory(lines_); }

void DictionaryWindow::ZeigeStatistik() {
  belegt_->setText(shell::ToQt(UsedMemoryLabel(belegung_)));
  nochFrei_->setText(shell::ToQt(FreeMemoryLabel(belegung_)));
  const QColor colour = OverBudget(belegung_) ? QColor(255, 0, 0) : palette().color(QPalette::ButtonText);
  for (QLabel* label : {belegt_, nochFrei_}) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->repaint();
  }
}

void DictionaryWindow::reject() {
  if (busy_) return;  // a running optimization keeps the window open
  if (changed_) {
    const Message question = MakeMessage("Warnung!", std::string("You haven't saved the changes!!!") + kCrLf +
                                                         "Saved now?",
                                         Icon::None, Buttons::YesNo);
    if (prompter_.ask(question) == Answer::Yes) save();
  }
  QDialog::reject();
}

}  // namespace orvane::compression
