#include "progress/consistency_desk.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QVBoxLayout>

#include "check/glossary_terms.h"
#include "progress/glossary_window.h"
#include "progress/repeat_offer.h"
#include "progress/similar_panel.h"
#include "widgets/qt_cp1252.h"

namespace orvane::progress {

ConsistencyDesk::ConsistencyDesk(Document& doc, ChangeSink& changes, const editors::ShownText& shown,
                                 QMainWindow* window, editors::EditorPane* pane, QVBoxLayout* translationPanel,
                                 Prompter& prompter, FileChooser& chooser, Hooks hooks)
    : QObject(window), doc_(doc), changes_(changes), shown_(shown), window_(window), prompter_(prompter),
      chooser_(chooser), hooks_(std::move(hooks)), similar_(new SimilarPanel(doc, shown, window, pane)),
      offer_(new RepeatOffer(doc, changes, shown, window, pane, [this] { textsChanged(); })),
      terms_(new QLabel(window)) {
  terms_->setObjectName(QStringLiteral("GlossaryTerms"));
  terms_->setWordWrap(true);
  terms_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  translationPanel->insertWidget(1, terms_);
  if (auto* editor = window->findChild<QMenu*>(QStringLiteral("Editor_Menue"))) {
    editor->addSeparator();
    QAction* glossary = editor->addAction(QStringLiteral("&Glossary"));
    glossary->setObjectName(QStringLiteral("GlossaryMenue"));
    connect(glossary, &QAction::triggered, this, &ConsistencyDesk::openGlossary);
  }
}

void ConsistencyDesk::attachStatusBar(QStatusBar* bar) { bar->addWidget(offer_); }

void ConsistencyDesk::textShown() {
  similar_->textShown();
  const int bank = shown_.AktuelleBank, text = shown_.AktuellerText;
  QStringList lines;
  if (shown_.valid(doc_))
    for (const GlossaryTerm& term : TermsIn(doc_.Progress.glossary, doc_.Texte[bank][text].Original))
      lines << QStringLiteral("%1 \u2192 %2").arg(shell::ToQt(term.source), shell::ToQt(term.target)) +
                   (term.note.empty() ? QString() : QStringLiteral(" (%1)").arg(shell::ToQt(term.note)));
  terms_->setText(lines.isEmpty() ? QString() : QStringLiteral("Terms: ") + lines.join(QStringLiteral("; ")));
  terms_->setVisible(!lines.isEmpty());
}

void ConsistencyDesk::textDone(int bank, int text) { offer_->textDone(bank, text); }

void ConsistencyDesk::documentLoaded() {
  if (!changing_) offer_->clear();
  similar_->documentLoaded();
  textShown();
}

void ConsistencyDesk::textsChanged() {
  changing_ = true;
  hooks_.textsChanged();
  changing_ = false;
}

void ConsistencyDesk::openGlossary() {
  GlossaryWindow window(doc_.Progress.glossary, prompter_, chooser_, window_);
  if (window.exec() != QDialog::Accepted) return;
  std::vector<GlossaryTerm> terms = window.terms();
  if (terms == doc_.Progress.glossary) return;
  DocumentChange change("Glossary");
  change.setGlossary(doc_, std::move(terms));
  changes_.Commit(std::move(change));
  textsChanged();  // the terms line and the problems list follow the new terms
}

}  // namespace orvane::progress
