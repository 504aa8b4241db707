#include "editors/search_dialog.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include "check/fit.h"
#include "check/unwritable.h"
#include "common/prompter.h"
#include "widgets/qt_cp1252.h"

namespace orvane::editors {

using shell::FromQt;
using shell::ToQt;

namespace {

constexpr int kSnippetRole = Qt::UserRole + 1;

// Draws a result row as rich text: the described result line, then the snippet with its match marked.
class SnippetDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
    QTextDocument html;
    prepare(html, option, index);
    painter->save();
    painter->translate(option.rect.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    if (option.state & QStyle::State_Selected)
      context.palette.setColor(QPalette::Text, option.palette.color(QPalette::HighlightedText));
    html.documentLayout()->draw(painter, context);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QTextDocument html;
    prepare(html, option, index);
    return html.size().toSize();
  }

 private:
  static void prepare(QTextDocument& html, const QStyleOptionViewItem& option, const QModelIndex& index) {
    html.setDefaultFont(option.font);
    html.setDocumentMargin(2);
    html.setHtml(index.data(Qt::DisplayRole).toString().toHtmlEscaped() + QStringLiteral("&nbsp;&nbsp;&nbsp;") +
                 index.data(kSnippetRole).toString());
  }
};

QString SnippetHtml(const Snippet& s) {
  return QStringLiteral("<span style='color:#555'>%1<span style='background:#ffd54f;color:#000'><b>%2</b></span>%3</span>")
      .arg(ToQt(s.before).toHtmlEscaped(), ToQt(s.match).toHtmlEscaped(), ToQt(s.after).toHtmlEscaped());
}

}  // namespace

SearchDialog::SearchDialog(Document& doc, ChangeSink& changes, Prompter& prompter, Hooks hooks, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      changes_(changes),
      prompter_(prompter),
      hooks_(std::move(hooks)),
      field_(new QLineEdit(this)),
      replacement_(new QLineEdit(this)),
      matchCase_(new QCheckBox(tr("Match &case"), this)),
      scope_(new QComboBox(this)),
      replaceAll_(new QPushButton(tr("Replace &all"), this)),
      results_(new QListWidget(this)) {
  setObjectName("SearchDialog");
  setWindowTitle(tr("Textsearch"));
  setModal(false);
  resize(560, 420);
  const QFont arial("Arial");

  auto* inputFrame = new QGroupBox(tr("Enter your text here"), this);
  inputFrame->setObjectName("Frame1");
  field_->setObjectName("Suchfeld");
  replacement_->setObjectName("ErsetzenFeld");
  for (QLineEdit* edit : {field_, replacement_}) {
    edit->setFont(arial);
    shell::GuardLineEdit(edit);
  }
  auto* start = new QPushButton(tr("Search"), this);
  start->setObjectName("SucheStarten");
  start->setDefault(true);
  matchCase_->setObjectName("GrossKlein");
  matchCase_->setChecked(true);
  scope_->setObjectName("SuchBereich");
  scope_->addItems({tr("Working texts"), tr("Original texts")});
  replaceAll_->setObjectName("AlleErsetzen");
  auto* input = new QGridLayout(inputFrame);
  input->addWidget(field_, 0, 0, 1, 2);
  input->addWidget(start, 0, 2);
  input->addWidget(matchCase_, 1, 0);
  input->addWidget(scope_, 1, 1);
  input->addWidget(new QLabel(tr("Replace with:"), this), 2, 0);
  input->addWidget(replacement_, 2, 1);
  input->addWidget(replaceAll_, 2, 2);
  input->setColumnStretch(1, 1);

  auto* resultFrame = new QGroupBox(tr("Results"), this);
  resultFrame->setObjectName("Frame2");
  results_->setObjectName("ErgebnisListe");
  results_->setFont(arial);
  results_->setItemDelegate(new SnippetDelegate(results_));
  (new QVBoxLayout(resultFrame))->addWidget(results_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inputFrame);
  layout->addWidget(resultFrame, 1);

  connect(start, &QPushButton::clicked, this, &SearchDialog::search);
  connect(results_, &QListWidget::itemDoubleClicked, this, &SearchDialog::jump);
  connect(replaceAll_, &QPushButton::clicked, this, &SearchDialog::replaceAll);
  // Only the working texts are replaced.
  connect(scope_, &QComboBox::currentIndexChanged, this, [this](int scope) { replaceAll_->setEnabled(scope == 0); });
}

SearchOptions SearchDialog::options() const { return {matchCase_->isChecked(), scope_->currentIndex() == 1}; }

void SearchDialog::search() {
  results_->clear();
  const std::string pattern = FromQt(field_->text(), nullptr);
  hits_ = SucheTexte(doc_, pattern, options());
  for (const TextHit& hit : hits_) {
    auto* item = new QListWidgetItem(ToQt(HitLine(hit)), results_);
    item->setData(kSnippetRole, SnippetHtml(HitSnippet(doc_, hit, pattern.size(), options())));
  }
  setWindowTitle(ToQt(SearchCaption(hits_.size())));
}

void SearchDialog::jump(QListWidgetItem* item) {
  const int row = results_->row(item);
  if (row < 0 || row >= static_cast<int>(hits_.size())) return;
  hooks_.showText(hits_[row].bank, hits_[row].text - 1);
}

// The count first, then one confirmation; the results show the texts as they are afterwards.
void SearchDialog::replaceAll() {
  const std::string pattern = FromQt(field_->text(), nullptr), replacement = FromQt(replacement_->text(), nullptr);
  if (pattern.empty() || !hooks_.beforeReplace()) return;
  const int32_t count = CountInWorkingTexts(doc_, pattern, matchCase_->isChecked());
  if (count == 0) {
    prompter_.ask(MakeMessage("Replace all", "No working text holds \"" + pattern + "\".", Icon::Information));
    return;
  }
  // Asked once for all the texts, before any of them holds what the next save would stop at.
  const std::vector<std::string> unwritable =
      DistinctPieces(replacement, UnwritablePieces(SaveEncoder(doc_), replacement));
  if (!unwritable.empty()) {
    Message warning = MakeMessage("Replace all",
                                  "The replacement has characters the table cannot write: " + ListedPieces(unwritable) +
                                      ". Replace anyway?",
                                  Icon::Exclamation, Buttons::YesNo);
    warning.defaultAnswer = Answer::No;
    if (prompter_.ask(warning) != Answer::Yes) return;
  }
  Message question = MakeMessage("Replace all",
                                 "Replace " + std::to_string(count) + " occurrences of \"" + pattern + "\" with \"" +
                                     replacement + "\" in the working texts?",
                                 Icon::Exclamation, Buttons::YesNo);
  question.defaultAnswer = Answer::No;
  if (prompter_.ask(question) != Answer::Yes) return;
  Replacement replaced = ReplaceAll(doc_, pattern, replacement, matchCase_->isChecked());
  changes_.Commit(std::move(replaced.change));
  hooks_.afterReplace();
  search();
  setWindowTitle(tr("Textsearch: %1 replaced").arg(replaced.count));
}

}  // namespace orvane::editors
