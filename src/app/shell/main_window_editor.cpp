// The main text editor: the bank scroll bar, the text list and the two panes.

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "common/text_helpers.h"
#include "editors/editor_pane.h"
#include "rom/display_form.h"
#include "shell/cp1252.h"
#include "shell/main_window.h"
#include "shell/twips.h"

namespace orvane::shell {

namespace {

bool ValidBankText(const Document& doc, int bank, int text) {
  return bank >= 1 && bank <= kBankCount && text >= 1 && text <= doc.BankInfo[bank].TextCount;
}

}  // namespace

void MainWindow::ZeigeText() {
  if (!ValidBankText(doc_, doc_.AktuelleBank, doc_.AktuellerText)) return;
  const TextPaar& text = doc_.Texte[doc_.AktuelleBank][doc_.AktuellerText];
  editorPane_->showStored(text.Aktuell);
  romPane_->showStored(text.Original);
}

void MainWindow::TextlisteFuellen() {
  textliste_->clear();
  if (doc_.AktuelleBank < 1 || doc_.AktuelleBank > kBankCount) return;
  const int count = doc_.BankInfo[doc_.AktuelleBank].TextCount;
  QStringList entries;
  entries.reserve(count);
  for (int t = 1; t <= count; ++t) entries << ToQt(doc_.Texte[doc_.AktuelleBank][t].Aktuell);
  textliste_->addItems(entries);
  textliste_->setCurrentRow(doc_.AktuellerText - 1);  // shows the text as if it had been clicked
}

void MainWindow::onBankChanged(int bank) {
  doc_.AktuellerText = 1;
  doc_.AktuelleBank = bank;
  ZeigeText();
  TextlisteFuellen();
}

void MainWindow::onTextSelected(int row) {
  if (row < 0) return;  // the list was just emptied
  doc_.AktuellerText = row + 1;
  ZeigeText();
  textBlockNr_->setTitle(QStringLiteral("Bank:") + ToQt(SignedLabelNumber(scrollBank_->value())) +
                         QStringLiteral("     Text:") + ToQt(SignedLabelNumber(row + 1)));
}

void MainWindow::showBankText(int bank, int textIndex0) {
  scrollBank_->setValue(bank);
  textliste_->setCurrentRow(textIndex0);
}

void MainWindow::saveText() {
  if (!ValidBankText(doc_, doc_.AktuelleBank, doc_.AktuellerText)) return;
  doc_.Texte[doc_.AktuelleBank][doc_.AktuellerText].Aktuell = StoredFromLines(editorPane_->displayedLines());
  TextlisteFuellen();
  doc_.Geaendert = true;
}

void MainWindow::toggleRomPane() {
  if (!romPane_->isHidden()) {
    romPane_->hide();
    editorPane_->setGeometry(PxRect(120, 480, 8535, 4095));
    verstecken_->setText(QStringLiteral("Show"));
  } else {
    romPane_->show();
    editorPane_->setGeometry(PxRect(120, 480, 8535, 1815));
    verstecken_->setText(QStringLiteral("Hide"));
  }
}

}  // namespace orvane::shell
