#include "shell/text_editing.h"

#include <QLabel>
#include <QPushButton>

#include "editors/editor_pane.h"
#include "editors/unwritable_marks.h"
#include "progress/consistency_desk.h"
#include "progress/translation_desk.h"
#include "progress/translation_progress.h"
#include "shell/fit_status.h"
#include "shell/problem_list.h"
#include "shell/text_navigator.h"
#include "widgets/twips.h"

namespace orvane::shell {

TextEditing::TextEditing(Document& doc, ChangeSink& changes, Prompter& prompter, std::string title, Widgets widgets,
                         QObject* parent)
    : QObject(parent), doc_(doc), changes_(changes), prompter_(prompter), title_(std::move(title)), w_(widgets) {
  connect(w_.save, &QPushButton::clicked, this, &TextEditing::saveText);
  connect(w_.revert, &QPushButton::clicked, this, &TextEditing::revert);
  connect(w_.hide, &QPushButton::clicked, this, &TextEditing::toggleRomPane);
}

void TextEditing::showText() {
  const editors::ShownText& shown = parts_.navigator->shown();
  if (!shown.valid(doc_)) return;
  const TextPaar& text = doc_.Texte[shown.AktuelleBank][shown.AktuellerText];
  w_.pane->showStored(text.Aktuell);
  w_.romPane->showStored(text.Original);
  w_.revert->setEnabled(true);
  parts_.desk->textShown();
  parts_.consistency->textShown();
}

void TextEditing::follow() {
  parts_.navigator->relabel();
  if (!w_.pane->edited()) showText();
}

bool TextEditing::textShown() const { return w_.save->isEnabled() && parts_.navigator->shown().AktuelleBank >= 1; }

bool TextEditing::leaveText() {
  if (!w_.pane->edited() || !textShown()) return true;
  Message question = MakeMessage(title_, "Save the changes to this text?", Icon::Exclamation);
  question.buttons = Buttons::YesNoCancel;
  question.defaultAnswer = Answer::Yes;
  const Answer answer = prompter_.ask(question);
  if (answer == Answer::Yes) store(false);
  return answer != Answer::Cancel;
}

// The list keeps its place: only the saved row changes. A text the table cannot write whole is
// stored only when the user says so, and then stays a draft.
bool TextEditing::saveText() {
  if (!parts_.navigator->shown().valid(doc_)) return false;
  const std::vector<std::string> unwritable = parts_.fit->figures().textPieces;
  if (!unwritable.empty() && !editors::SaveUnwritableAnyway(prompter_, title_, unwritable)) return false;
  store(!unwritable.empty());
  parts_.desk->textSaved();
  return true;
}

// The pane's text into the shown text, its status following the change; a text the table cannot
// write whole becomes a draft. An untouched pane stores nothing.
void TextEditing::store(bool unwritable) {
  const editors::ShownText& shown = parts_.navigator->shown();
  const int bank = shown.AktuelleBank, text = shown.AktuellerText;
  if (!shown.valid(doc_)) return;
  DocumentChange change("Save text " + std::to_string(text) + " of bank " + std::to_string(bank));
  AddTextEdit(change, doc_, {TextList::Dialogue, bank, text}, w_.pane->storedText());
  if (unwritable) AddStatusEvent(change, doc_, bank, text, StatusEvent::SaveUnwritable);
  changes_.Commit(std::move(change));
  parts_.navigator->relabel(text);
  w_.pane->showStored(doc_.Texte[bank][text].Aktuell);
  parts_.fit->stored(text);
  parts_.problems->refresh();
}

void TextEditing::saveAndNext() {
  if (!w_.save->isEnabled()) return;
  const int bank = parts_.navigator->shown().AktuelleBank, text = parts_.navigator->shown().AktuellerText;
  const bool writable = parts_.fit->figures().textPieces.empty();
  if (!saveText()) return;
  if (writable) {  // a text the table cannot write whole stays a draft
    parts_.desk->textDone(bank, text);
    parts_.consistency->textDone(bank, text);
  }
  parts_.navigator->moveText(1);
}

// The text as last saved back into the pane, as one edit: the pane's undo brings the typing back.
void TextEditing::revert() {
  if (!textShown() || !w_.pane->edited()) return;
  const editors::ShownText& shown = parts_.navigator->shown();
  w_.pane->typeStored(doc_.Texte[shown.AktuelleBank][shown.AktuellerText].Aktuell);
}

// The ROM's original into the pane as typing: stored by "Save", taken back by the pane's undo.
void TextEditing::backToOriginal() {
  if (!textShown()) return;
  const editors::ShownText& shown = parts_.navigator->shown();
  w_.pane->typeStored(doc_.Texte[shown.AktuelleBank][shown.AktuellerText].Original);
  w_.pane->setFocus();
}

void TextEditing::toggleRomPane() {
  w_.romPane->setHidden(!w_.romPane->isHidden());
  w_.hide->setText(w_.romPane->isHidden() ? QStringLiteral("&Show") : QStringLiteral("&Hide"));
  layoutPanes();
}

// Both panes share the height; with the ROM pane hidden the editor pane takes it all.
void TextEditing::layoutPanes() {
  const int width = w_.panes->width(), height = w_.panes->height();
  if (w_.romPane->isHidden()) {
    w_.pane->setGeometry(0, 0, width, height);
    return;
  }
  const int pane = (height - Px(465)) / 2;
  w_.pane->setGeometry(0, 0, width, pane);
  w_.originalLabel->setGeometry(0, pane + Px(105), Px(1215), Px(255));
  w_.romPane->setGeometry(0, pane + Px(465), width, height - pane - Px(465));
}

}  // namespace orvane::shell
