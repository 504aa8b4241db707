// The main text editor: the bank scroll bar, the text list and the two panes.

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "common/text_helpers.h"
#include "editors/editor_pane.h"
#include "editors/unwritable_marks.h"
#include "progress/consistency_desk.h"
#include "progress/translation_desk.h"
#include "rom/display_form.h"
#include "shell/fit_status.h"
#include "shell/main_window.h"
#include "widgets/qt_cp1252.h"

namespace orvane::shell {

void MainWindow::ZeigeText() {
  if (!shown_.valid(doc_)) return;
  const TextPaar& text = doc_.Texte[shown_.AktuelleBank][shown_.AktuellerText];
  editorPane_->showStored(text.Aktuell);
  romPane_->showStored(text.Original);
  revert_->setEnabled(true);
  desk_->textShown();
  consistency_->textShown();
}

// Each row starts with the text's number, a "*" after it when the text differs from its original.
void MainWindow::TextlisteFuellen() {
  textliste_->clear();
  if (shown_.AktuelleBank < 1 || shown_.AktuelleBank > kBankCount) return;
  const int count = doc_.BankInfo[shown_.AktuelleBank].TextCount;
  for (int t = 1; t <= count; ++t) labelRow(new QListWidgetItem(textliste_), t);
  textliste_->setCurrentRow(shown_.AktuellerText - 1);  // shows the text as if it had been clicked
  desk_->showProgress();
}

void MainWindow::onBankChanged(int bank) {
  if (bank != shown_.AktuelleBank && !leaveText()) {
    const QSignalBlocker stay(scrollBank_);
    scrollBank_->setValue(shown_.AktuelleBank);
    return;
  }
  shown_.AktuellerText = 1;
  shown_.AktuelleBank = bank;
  ZeigeText();
  TextlisteFuellen();
}

void MainWindow::onTextSelected(int row) {
  if (row < 0) return;  // the list was just emptied
  if (row != shown_.AktuellerText - 1 && !leaveText()) {
    const QSignalBlocker stay(textliste_);
    textliste_->setCurrentRow(shown_.AktuellerText - 1);
    return;
  }
  shown_.AktuellerText = row + 1;
  ZeigeText();
  textBlockNr_->setTitle(QStringLiteral("Bank:") + ToQt(SignedLabelNumber(scrollBank_->value())) +
                         QStringLiteral("     Text:") + ToQt(SignedLabelNumber(row + 1)));
}

// One question for the whole move: the bank change and the pick in its list ask nothing more.
void MainWindow::showBankText(int bank, int textIndex0) {
  if (!leaveText()) return;
  leaving_ = true;
  scrollBank_->setValue(bank);
  textliste_->setCurrentRow(textIndex0);
  leaving_ = false;
}

// The list keeps its place: only the saved row changes. A text the table cannot write whole is
// stored only when the user says so, and then stays a draft.
bool MainWindow::saveText() {
  if (!shown_.valid(doc_)) return false;
  const std::vector<std::string> unwritable = fit_->figures().textPieces;
  if (!unwritable.empty() && !editors::SaveUnwritableAnyway(prompter_, fenstertitel_.toStdString(), unwritable))
    return false;
  storePane(unwritable.empty() ? StatusEvent::Edit : StatusEvent::SaveUnwritable);
  desk_->textSaved();
  return true;
}

void MainWindow::toggleRomPane() {
  romPane_->setHidden(!romPane_->isHidden());
  verstecken_->setText(romPane_->isHidden() ? QStringLiteral("&Show") : QStringLiteral("&Hide"));
  layoutPanes();
}

}  // namespace orvane::shell
