// The main window as a translator's workbench: the status bar with the live fit, the problems list,
// the keys, the question before typed text would be lost, "Revert", and the text list's numbers,
// marks and filter.

#include <QComboBox>
#include <QDockWidget>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include "check/problems.h"
#include "check/unwritable.h"
#include "editors/editor_pane.h"
#include "shell/editor_windows_hookup.h"
#include "progress/consistency_desk.h"
#include "progress/status_marks.h"
#include "progress/translation_desk.h"
#include "progress/translation_progress.h"
#include "rom/character_table.h"
#include "rom/display_form.h"
#include "shell/fit_status.h"
#include "shell/go_to_dialog.h"
#include "shell/main_window.h"
#include "shell/problems_dock.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

namespace {

struct Key {
  const char* keys;
  const char* what;
};

constexpr Key kKeys[] = {
    {"Ctrl+S", "Save the text"},
    {"Ctrl+Enter", "Save the text and show the next one"},
    {"Ctrl+PgDown / Ctrl+PgUp", "Next / previous text"},
    {"Ctrl+Shift+PgDown / Ctrl+Shift+PgUp", "Next / previous bank"},
    {"Ctrl+G", "Go to a bank and text"},
    {"Ctrl+F", "Search Text"},
    {"Ctrl+R", "Revert: the original text back into the editor"},
    {"Ctrl+L", "Reflow Text: the pane's words laid out anew into full lines"},
    {"PgDown / PgUp in the Preview", "Next / previous game window"},
    {"Ctrl+1 / Ctrl+2 / Ctrl+3", "The translation of a similar text into the editor"},
    {"Ctrl+Shift+U", "Use the saved translation for the texts with the same original"},
    {"Tab / Shift+Tab", "Leave the text pane"},
    {"F1", "This list"},
};

}  // namespace

void MainWindow::buildWorkbench() {
  fit_ = new FitStatus(doc_, shown_, this);
  setStatusBar(fit_);
  problems_ = new ProblemsDock(this);
  addDockWidget(Qt::BottomDockWidgetArea, problems_);
  problems_->hide();
  connect(problems_, &ProblemsDock::activated, this, &MainWindow::showProblem);
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("ViewMenue"));
  menuBar()->insertMenu(aboutMenue_, view);
  QAction* toggle = problems_->toggleViewAction();
  toggle->setObjectName(QStringLiteral("ShowProblems"));
  view->addAction(toggle);

  connect(editorPane_, &QTextEdit::textChanged, this,
          [this] { fit_->typed(StoredFromLines(editorPane_->displayedLines())); });
  connect(filter_, &QComboBox::currentIndexChanged, this, &MainWindow::applyFilter);
  connect(revert_, &QPushButton::clicked, this, &MainWindow::revertText);

  const auto key = [this](QKeySequence keys, auto act) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, act);
  };
  key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { textSpeichern_->animateClick(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Return), &MainWindow::saveAndNext);
  key(QKeySequence(Qt::CTRL | Qt::Key_Enter), &MainWindow::saveAndNext);
  key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { moveText(1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { moveText(-1); });
  key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown), [this] { moveBank(1); });
  key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp), [this] { moveBank(-1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_G), &MainWindow::goToText);
  key(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
    if (suchenKnopf_->isEnabled()) suchenKnopf_->click();
  });
  key(QKeySequence(Qt::CTRL | Qt::Key_R), [this] {
    if (revert_->isEnabled()) revert_->click();
  });
  key(QKeySequence(Qt::Key_F1), &MainWindow::showKeys);
}

bool MainWindow::textShown() const { return textSpeichern_->isEnabled() && shown_.AktuelleBank >= 1; }

bool MainWindow::leaveText() {
  if (leaving_ || !editorPane_->edited() || !textShown()) return true;
  Message question = MakeMessage(fenstertitel_.toStdString(), "Save the changes to this text?", Icon::Exclamation);
  question.buttons = Buttons::YesNoCancel;
  question.defaultAnswer = Answer::Yes;
  const Answer answer = prompter_.ask(question);
  if (answer == Answer::Yes) storePane(std::nullopt);
  return answer != Answer::Cancel;
}

// The pane's lines into the shown text, as "Save" stores them, moving its status on by `statusMove`:
// an edit moves it only when the text changed, the save of an unwritable text always does.
void MainWindow::storePane(std::optional<StatusEvent> statusMove) {
  const int bank = shown_.AktuelleBank, text = shown_.AktuellerText;
  if (!shown_.valid(doc_)) return;
  std::string typed = StoredFromLines(editorPane_->displayedLines());
  DocumentChange change("Save text");
  if (statusMove == StatusEvent::SaveUnwritable ||
      (statusMove == StatusEvent::Edit && typed != doc_.Texte[bank][text].Aktuell))
    AddStatusEvent(change, doc_, bank, text, *statusMove);
  change.setText(doc_, {TextList::Dialogue, bank, text}, std::move(typed));
  changes_.Commit(std::move(change));
  if (QListWidgetItem* item = textliste_->item(text - 1)) labelRow(item, text);
  editorPane_->showStored(doc_.Texte[bank][text].Aktuell);
  fit_->stored(text);
  refreshProblems();
}

void MainWindow::labelRow(QListWidgetItem* item, int text) const {
  const TextPaar& pair = doc_.Texte[shown_.AktuelleBank][text];
  const bool changed = pair.Aktuell != pair.Original;
  item->setText(QString::number(text) + (changed ? QStringLiteral("* ") : QStringLiteral("  ")) + ToQt(pair.Aktuell));
  item->setData(Qt::UserRole, changed);
  item->setForeground(changed ? QBrush(QColor(0, 70, 160)) : QBrush());
  const TextStatus status = ProgressOf(doc_, shown_.AktuelleBank, text).status;
  item->setIcon(progress::StatusMark(status));
  const int want = filter_->currentIndex();  // all, changed, unchanged, then the statuses
  item->setHidden(want == 1 || want == 2 ? changed != (want == 1) : !progress::StatusWanted(want - 3, status));
}

void MainWindow::applyFilter() {
  for (int row = 0; row < textliste_->count(); ++row) labelRow(textliste_->item(row), row + 1);
  if (QListWidgetItem* current = textliste_->currentItem()) textliste_->scrollToItem(current);
}

void MainWindow::moveText(int step) {
  for (int row = textliste_->currentRow() + step; row >= 0 && row < textliste_->count(); row += step)
    if (!textliste_->item(row)->isHidden()) return textliste_->setCurrentRow(row);
}

void MainWindow::moveBank(int step) {
  if (scrollBank_->isEnabled()) scrollBank_->setValue(scrollBank_->value() + step);
}

void MainWindow::saveAndNext() {
  if (!textSpeichern_->isEnabled()) return;
  const int bank = shown_.AktuelleBank, text = shown_.AktuellerText;
  const bool writable = fit_->figures().textPieces.empty();
  if (!saveText()) return;
  if (writable) {  // a text the table cannot write whole stays a draft
    desk_->textDone(bank, text);
    consistency_->textDone(bank, text);
  }
  moveText(1);
}

void MainWindow::revertText() {
  if (!textShown()) return;
  editorPane_->putStored(doc_.Texte[shown_.AktuelleBank][shown_.AktuellerText].Original);
}

void MainWindow::goToText() {
  if (!scrollBank_->isEnabled()) return;
  GoToDialog dialog(doc_, shown_, this);
  if (dialog.exec() == QDialog::Accepted) showBankText(dialog.bank(), dialog.text() - 1);
}

void MainWindow::showKeys() {
  std::string text;
  for (const Key& key : kKeys) text += std::string(text.empty() ? "" : kCrLf) + key.keys + ": " + key.what;
  if (const std::vector<std::string>& unwritable = fit_->figures().textPieces; !unwritable.empty())
    text += std::string(kCrLf) + kCrLf + "This text has characters the table cannot write: " + ListedPieces(unwritable) + ". " +
            TableFileAdvice(FindTableFile(programFolder_, workspace_.RomPfad));
  prompter_.ask(MakeMessage("Keys", text, Icon::Information));
}

void MainWindow::refreshProblems() {
  std::vector<ProblemRow> rows = FindProblems(doc_);
  rows.insert(rows.end(), readBack_.begin(), readBack_.end());
  AddTableFileAdvice(FindTableFile(programFolder_, workspace_.RomPfad), rows);
  AddAdvice(doc_, desk_->problemsScan(), rows);
  problems_->setRows(std::move(rows));
}

// The texts changed outside the editor pane (a load, a window's "Save", an import).
void MainWindow::documentChanged() {
  fit_->reset();
  desk_->documentLoaded();
  consistency_->documentLoaded();
  refreshProblems();
}

void MainWindow::showProblem(int index) {
  if (index < 0 || index >= static_cast<int>(problems_->rows().size())) return;
  const ProblemRow& row = problems_->rows()[static_cast<size_t>(index)];
  if (!row.place) {
    if (QAction* dictionary = findChild<QAction*>(QStringLiteral("Kompression"))) dictionary->trigger();
  } else if (row.place->list == TextList::Dialogue) {
    showBankText(row.place->bank, row.place->index - 1);
  } else {
    editors::OpenNameWindowAt(*editing_, *row.place);
  }
}

// Before "Save in Rom": the problems shown, and one question whether to go on. The read-back rows
// are about the last written ROM, the advice leaves the texts as typed, and a dictionary not yet
// settled is optimized before it is written.
bool MainWindow::problemsAllowSave() {
  refreshProblems();
  const auto count = std::count_if(problems_->rows().begin(), problems_->rows().end(), [this](const ProblemRow& row) {
    return row.kind != ProblemKind::ReadBack && !IsAdvice(row.kind) &&
           (row.kind != ProblemKind::Dictionary || doc_.TabelleGeaendert);
  });
  if (count == 0) return true;
  problems_->show();
  problems_->raise();
  return prompter_.ask(MakeMessage("Problems",
                                   std::to_string(count) + " entries will not be written as typed (see \"Problems\")." +
                                       kCrLf + "Save in Rom anyway?",
                                   Icon::Exclamation, Buttons::YesNo)) == Answer::Yes;
}

}  // namespace orvane::shell
