#include "progress/similar_panel.h"

#include <QLabel>
#include <QMainWindow>
#include <QShortcut>
#include <QVBoxLayout>

#include "editors/editor_pane.h"
#include "widgets/qt_cp1252.h"

namespace orvane::progress {

namespace {

// The original with the words that differ from the shown one's on a yellow ground.
QString Marked(std::string_view shown, std::string_view original) {
  QString html;
  size_t at = 0;
  for (const auto& [start, end] : DifferingWords(shown, original)) {
    html += shell::ToQt(original.substr(at, start - at)).toHtmlEscaped() +
            QStringLiteral("<span style=\"background:#ffe27a\">") +
            shell::ToQt(original.substr(start, end - start)).toHtmlEscaped() + QStringLiteral("</span>");
    at = end;
  }
  return html + shell::ToQt(original.substr(at)).toHtmlEscaped();
}

}  // namespace

SimilarPanel::SimilarPanel(const Document& doc, const editors::ShownText& shown, QMainWindow* window,
                           editors::EditorPane* pane)
    : QDockWidget(QStringLiteral("Similar texts"), window), doc_(doc), shownText_(shown), pane_(pane) {
  setObjectName(QStringLiteral("SimilarTextsDock"));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  none_ = new QLabel(QStringLiteral("No similar text has a translation yet."), body);
  none_->setObjectName(QStringLiteral("NoSimilarText"));
  layout->addWidget(none_);
  for (size_t i = 0; i < entries_.size(); ++i) {
    entries_[i] = new QLabel(body);
    entries_[i]->setObjectName(QStringLiteral("SimilarText%1").arg(i + 1));
    entries_[i]->setWordWrap(true);
    entries_[i]->setTextFormat(Qt::RichText);
    entries_[i]->hide();
    layout->addWidget(entries_[i]);
    const auto key = static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(i));
    connect(new QShortcut(QKeySequence(Qt::CTRL | key), window), &QShortcut::activated, this, [this, i] { use(i); });
  }
  layout->addStretch(1);
  setWidget(body);
  window->addDockWidget(Qt::BottomDockWidgetArea, this);
  if (auto* translation = window->findChild<QDockWidget*>(QStringLiteral("TranslationDock")))
    window->splitDockWidget(translation, this, Qt::Horizontal);
}

SimilarPanel::~SimilarPanel() = default;

void SimilarPanel::documentLoaded() { index_ = std::make_unique<SimilarTexts>(doc_); }

void SimilarPanel::textShown() {
  const int bank = shownText_.AktuelleBank, text = shownText_.AktuellerText;
  const bool shown = index_ && shownText_.valid(doc_);
  shown_ = shown ? index_->find(doc_, bank, text) : std::vector<SimilarText>();
  none_->setVisible(shown_.empty());
  for (size_t i = 0; i < entries_.size(); ++i) {
    entries_[i]->setVisible(i < shown_.size());
    if (i >= shown_.size()) continue;
    const TextPaar& other = doc_.Texte[shown_[i].place.bank][shown_[i].place.index];
    entries_[i]->setText(QStringLiteral("<b>%1</b> &nbsp;%2 &nbsp;<i>(Ctrl+%3)</i><br>%4<br><b>%5</b>")
                             .arg(shown_[i].score, 0, 'f', 2)
                             .arg(QString::fromStdString(PlaceName(shown_[i].place)))
                             .arg(i + 1)
                             .arg(Marked(doc_.Texte[bank][text].Original, other.Original))
                             .arg(shell::ToQt(other.Aktuell).toHtmlEscaped()));
  }
}

// As typing: the pane's whole text replaced in one edit, which the pane's undo takes back.
void SimilarPanel::use(size_t index) {
  if (index >= shown_.size()) return;
  const TextPaar& other = doc_.Texte[shown_[index].place.bank][shown_[index].place.index];
  pane_->typeStored(other.Aktuell);
  pane_->setFocus();
}

}  // namespace orvane::progress
