#include "progress/repeat_offer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "editors/editor_pane.h"

namespace orvane::progress {

RepeatOffer::RepeatOffer(Document& doc, ChangeSink& changes, const editors::ShownText& shown, QWidget* window,
                         editors::EditorPane* pane, std::function<void()> changed)
    : QWidget(window), doc_(doc), changes_(changes), shown_(shown), pane_(pane), changed_(std::move(changed)), label_(new QLabel(this)),
      button_(new QPushButton(this)) {
  setObjectName(QStringLiteral("RepeatOffer"));
  label_->setObjectName(QStringLiteral("RepeatOfferText"));
  button_->setObjectName(QStringLiteral("RepeatOfferButton"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_);
  layout->addWidget(button_);
  connect(button_, &QPushButton::clicked, this, [this] { filled_.empty() ? fill() : undo(); });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), window), &QShortcut::activated, this,
          [this] {
            if (bank_ != 0) fill();
          });
  hide();
}

void RepeatOffer::textDone(int bank, int text) {
  filled_ = {};
  const size_t others = FillRepeatsOf(doc_, bank, text).texts().size();
  bank_ = others == 0 ? 0 : bank;
  text_ = text;
  setVisible(others != 0);
  if (others == 0) return;
  label_->setText(QStringLiteral("Use this translation for the %1 other texts with the same original").arg(others));
  button_->setText(QStringLiteral("Use (Ctrl+Shift+U)"));
}

void RepeatOffer::clear() {
  bank_ = 0;
  filled_ = {};
  hide();
}

void RepeatOffer::fill() {
  if (bank_ == 0) return;
  filled_ = FillRepeatsOf(doc_, bank_, text_);
  bank_ = 0;
  commit(filled_);
  label_->setText(QStringLiteral("%1 texts filled as drafts").arg(filled_.texts().size()));
  button_->setText(QStringLiteral("&Undo the fill"));
}

void RepeatOffer::undo() {
  DocumentChange takeBack = TakeBackFill(doc_, filled_);
  filled_ = {};
  commit(std::move(takeBack));
  hide();
}

// The shown text may be one of the changed ones: the pane follows unless it holds typing.
void RepeatOffer::commit(DocumentChange change) {
  std::vector<TextPlace> places;
  for (const DocumentChange::TextEdit& text : change.texts()) places.push_back(text.place);
  changes_.Commit(std::move(change));
  for (const TextPlace& place : places)
    if (place.bank == shown_.AktuelleBank && place.index == shown_.AktuellerText && !pane_->edited())
      pane_->showStored(doc_.Texte[place.bank][place.index].Aktuell);
  changed_();
}

}  // namespace orvane::progress
