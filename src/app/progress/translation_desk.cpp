// The status, note and progress part of the translation desk.

#include "progress/translation_desk.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include "editors/editor_pane.h"
#include "progress/spell_highlighter.h"
#include "progress/status_marks.h"
#include "progress/translation_progress.h"
#include "widgets/qt_cp1252.h"
#include "widgets/tab_moves_focus.h"

namespace orvane::progress {

namespace {

QString Figures(const QString& what, const StatusCounts& counts) {
  return what + QStringLiteral(": %1 translated, %2 reviewed of %3 (%4%)")
                    .arg(counts.count[static_cast<size_t>(TextStatus::Translated)])
                    .arg(counts.count[static_cast<size_t>(TextStatus::Reviewed)])
                    .arg(counts.total())
                    .arg(QString::fromStdString(counts.percentDone()));
}

}  // namespace

TranslationDesk::TranslationDesk(Document& doc, ChangeSink& changes, const editors::ShownText& shown,
                                 QMainWindow* window, QListWidget* list, editors::EditorPane* pane, Hooks hooks)
    : QObject(window), doc_(doc), changes_(changes), shown_(shown), list_(list), pane_(pane), hooks_(std::move(hooks)) {
  buildDock(window);
  buildMenu(window);
  progress_ = new QLabel(window);
  progress_->setObjectName(QStringLiteral("ProgressLabel"));
}

TranslationDesk::~TranslationDesk() = default;

void TranslationDesk::buildDock(QMainWindow* window) {
  auto* dock = new QDockWidget(QStringLiteral("Translation"), window);
  dock->setObjectName(QStringLiteral("TranslationDock"));
  auto* body = new QWidget(dock);
  auto* layout = panel_ = new QVBoxLayout(body);
  auto* row = new QHBoxLayout;
  status_ = new QLabel(body);
  status_->setObjectName(QStringLiteral("TextStatus"));
  reviewed_ = new QPushButton(QStringLiteral("Rev&iewed"), body);
  reviewed_->setObjectName(QStringLiteral("ReviewedButton"));
  reviewed_->setToolTip(QStringLiteral("Marks the text reviewed and shows the next one (Ctrl+Shift+Enter)"));
  reviewed_->setEnabled(false);
  row->addWidget(new QLabel(QStringLiteral("Status:"), body));
  row->addWidget(status_);
  row->addStretch(1);
  row->addWidget(reviewed_);
  layout->addLayout(row);
  note_ = new QTextEdit(body);
  note_->setObjectName(QStringLiteral("NoteBox"));
  note_->setPlaceholderText(QStringLiteral("Note on this text"));
  note_->setEnabled(false);
  note_->setAcceptRichText(false);
  shell::GuardTextEdit(note_);  // a note holds what the texts can hold
  shell::TabMovesFocus(note_);
  layout->addWidget(note_, 1);
  dock->setWidget(body);
  window->addDockWidget(Qt::BottomDockWidgetArea, dock);

  connect(reviewed_, &QPushButton::clicked, this, &TranslationDesk::markReviewed);
  connect(note_, &QTextEdit::textChanged, this, &TranslationDesk::noteTyped);
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter})
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key), window), &QShortcut::activated, this, [this] {
      if (reviewed_->isEnabled()) markReviewed();
    });
}

void TranslationDesk::attachStatusBar(QStatusBar* bar) { bar->addPermanentWidget(progress_); }

bool TranslationDesk::shownText(int& bank, int& text) const {
  bank = shown_.AktuelleBank;
  text = shown_.AktuellerText;
  return shown_.valid(doc_);
}

// The mark and the status filter follow the status: a text that leaves the filtered status leaves the list.
void TranslationDesk::statusChanged() {
  hooks_.relabelRows();
  showProgress();
}

void TranslationDesk::showProgress() {
  const int bank = shown_.AktuelleBank;
  if (bank < 1 || bank > kBankCount) return;
  progress_->setText(Figures(QStringLiteral("Bank %1").arg(bank), CountStatuses(doc_, bank)) +
                     QStringLiteral("   ") + Figures(QStringLiteral("Project"), CountStatuses(doc_, 0)));
}

void TranslationDesk::textShown() {
  int bank = 0, text = 0;
  const bool shown = shownText(bank, text);
  showingNote_ = true;
  note_->setPlainText(shown ? shell::ToQt(ProgressOf(doc_, bank, text).note) : QString());
  showingNote_ = false;
  note_->setEnabled(shown);
  reviewed_->setEnabled(shown);
  if (!shown) return;
  const TextStatus status = ProgressOf(doc_, bank, text).status;
  status_->setText(StatusCaption(status));
  status_->setStyleSheet(QStringLiteral("color: %1; font-weight: bold").arg(StatusColor(status).name()));
  scan_.reset();  // names or the word list may have changed meanwhile
}

void TranslationDesk::noteTyped() {
  int bank = 0, text = 0;
  if (showingNote_ || !shownText(bank, text)) return;
  TextProgress after = ProgressOf(doc_, bank, text);
  after.note = shell::FromQt(note_->toPlainText());
  DocumentChange change("Note");
  change.setProgress(doc_, bank, text, std::move(after));
  changes_.Commit(std::move(change));
}

void TranslationDesk::textSaved() {
  if (!shown_.valid(doc_)) return;
  statusChanged();
  textShown();
}

void TranslationDesk::textDone(int bank, int text) {
  DocumentChange change("Mark translated");
  AddStatusEvent(change, doc_, bank, text, StatusEvent::SaveAndNext);
  changes_.Commit(std::move(change));
  statusChanged();
}

void TranslationDesk::markReviewed() {
  int bank = 0, text = 0;
  if (!shownText(bank, text) || !hooks_.saveText()) return;
  DocumentChange change("Mark reviewed");
  AddStatusEvent(change, doc_, bank, text, StatusEvent::Review);
  changes_.Commit(std::move(change));
  statusChanged();
  for (int row = text; row < list_->count(); ++row)
    if (!list_->item(row)->isHidden()) return hooks_.showText(bank, row);
  textShown();
}

void TranslationDesk::documentLoaded() {
  scan_.reset();
  showProgress();
  textShown();
}

}  // namespace orvane::progress
