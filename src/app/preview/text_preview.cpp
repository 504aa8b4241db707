#include "preview/text_preview.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "common/prompter.h"
#include "document.h"
#include "editors/editor_pane.h"
#include "editors/reflow.h"
#include "preview/preview_dock.h"
#include "widgets/qt_cp1252.h"

namespace orvane::preview {

namespace {

constexpr const char* kReflowBankTitle = "Reflow Bank";

QAction* AddEntry(QMenu* menu, const QString& caption, const char* name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

TextPreview::TextPreview(Document& doc, ChangeSink& changes, const editors::ShownText& shown, Prompter& prompter,
                         QMainWindow* window, editors::EditorPane* pane, Hooks hooks)
    : QObject(window), doc_(doc), changes_(changes), shown_(shown), prompter_(prompter), pane_(pane), hooks_(std::move(hooks)),
      dock_(new PreviewDock(window)), editorMenu_(window->findChild<QMenu*>(QStringLiteral("Editor_Menue"))) {
  window->addDockWidget(Qt::RightDockWidgetArea, dock_);
  if (auto* view = window->findChild<QMenu*>(QStringLiteral("ViewMenue"))) {
    QAction* toggle = dock_->toggleViewAction();
    toggle->setObjectName(QStringLiteral("ShowPreview"));
    view->addAction(toggle);
  }
  editorMenu_->addSeparator();
  QAction* text = AddEntry(editorMenu_, tr("Reflow &Text"), "ReflowText");
  text->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(text, &QAction::triggered, this, &TextPreview::reflowText);
  connect(AddEntry(editorMenu_, tr("Reflow &Bank…"), "ReflowBank"), &QAction::triggered, this,
          &TextPreview::reflowBank);
  connect(pane_, &QTextEdit::textChanged, this, &TextPreview::follow);
  follow();
}

// A text is shown and the editor may change it (not before a load, nor while a long operation runs).
bool TextPreview::textShown() const {
  return editorMenu_->menuAction()->isEnabled() && shown_.valid(doc_);
}

// Untouched, the pane shows the stored text as it is; typed, what "Save" would make of it.
void TextPreview::follow() {
  const int bank = shown_.AktuelleBank, text = shown_.AktuellerText;
  if (!shown_.valid(doc_)) return dock_->showText("");
  dock_->showText(pane_->edited() ? pane_->storedText() : doc_.Texte[bank][text].Aktuell);
}

// The pane's text replaced in one edit, so that the pane's undo takes it back in one step.
void TextPreview::reflowText() {
  if (!textShown()) return;
  const std::string typed = pane_->storedText();
  const std::string reflowed = ReflowText(typed);
  if (reflowed != typed) pane_->typeStored(reflowed);
}

void TextPreview::reflowBank() {
  if (!textShown() || !hooks_.leaveText()) return;
  const int bank = shown_.AktuelleBank;
  const std::vector<TextReflow> plan = PlanReflow(doc_, bank, ReflowChoice::Every);
  const std::string ofBank = " texts of bank " + std::to_string(bank);
  if (plan.empty()) {
    prompter_.ask(MakeMessage(kReflowBankTitle, "Reflowing changes none of the " +
                                                    std::to_string(doc_.BankInfo[bank].TextCount) + ofBank + ".",
                              Icon::Information));
    return;
  }
  const Message question = MakeMessage(
      kReflowBankTitle,
      "Reflowing changes " + std::to_string(plan.size()) + " of the " + std::to_string(doc_.BankInfo[bank].TextCount) +
          ofBank + "." + kCrLf + "Reflow them?",
      Icon::Exclamation, Buttons::YesNo);
  if (prompter_.ask(question) != Answer::Yes) return;
  changes_.Commit(ReflowChange(doc_, plan));
  hooks_.textsChanged();
}

}  // namespace orvane::preview
