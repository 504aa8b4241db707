// The spelling and checks part of the translation desk: the language menu, the underlined words
// with their context menu, and the checks list.

#include <QActionGroup>
#include <QDockWidget>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTextBlock>
#include <QTreeWidget>

#include "check/old_names.h"
#include "editors/editor_pane.h"
#include "progress/spell_highlighter.h"
#include "progress/translation_desk.h"
#include "shell/cp1252.h"

namespace orvane::progress {

namespace {

constexpr size_t kSuggestions = 5;
const QString kLanguageKey = QStringLiteral("spelling/language");
const QString kWholeProjectKey = QStringLiteral("spelling/inChecks");

QTreeWidgetItem* Group(QTreeWidget* tree, const QString& title) {
  auto* group = new QTreeWidgetItem(tree, {title});
  group->setFirstColumnSpanned(true);
  group->setExpanded(true);
  return group;
}

void Row(QTreeWidgetItem* group, const TextPlace& place, const QString& what) {
  auto* row = new QTreeWidgetItem(group, {shell::ToQt(PlaceName(place)), what});
  row->setData(0, Qt::UserRole, place.bank);
  row->setData(0, Qt::UserRole + 1, place.index);
}

}  // namespace

void TranslationDesk::buildMenu(QMainWindow* window) {
  spelling_ = window->menuBar()->addMenu(QStringLiteral("S&pelling"));
  spelling_->setObjectName(QStringLiteral("SpellingMenue"));
  auto* languages = new QActionGroup(spelling_);
  const QString remembered = QSettings().value(kLanguageKey, QStringLiteral("en_US")).toString();
  QStringList choices{QString()};
  for (const std::string& language : InstalledLanguages()) choices << QString::fromStdString(language);
  for (const QString& language : choices) {
    QAction* choice = spelling_->addAction(language.isEmpty() ? QStringLiteral("&Off") : language);
    choice->setObjectName(QStringLiteral("Spelling_") + (language.isEmpty() ? QStringLiteral("Off") : language));
    choice->setCheckable(true);
    languages->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, language] { setLanguage(language); });
  }
  spelling_->addSeparator();
  spellingInChecks_ = spelling_->addAction(QStringLiteral("Misspelled Words in the &Checks List"));
  spellingInChecks_->setObjectName(QStringLiteral("SpellingInChecks"));
  spellingInChecks_->setCheckable(true);
  spellingInChecks_->setChecked(QSettings().value(kWholeProjectKey, false).toBool());
  connect(spellingInChecks_, &QAction::toggled, this, [this](bool on) {
    QSettings().setValue(kWholeProjectKey, on);
    refreshChecks();
  });

  auto* dock = new QDockWidget(QStringLiteral("Checks"), window);
  dock->setObjectName(QStringLiteral("ChecksDock"));
  checks_ = new QTreeWidget(dock);
  checks_->setObjectName(QStringLiteral("ChecksList"));
  checks_->setHeaderLabels({QStringLiteral("Where"), QStringLiteral("What")});
  checks_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  dock->setWidget(checks_);
  window->addDockWidget(Qt::BottomDockWidgetArea, dock);
  connect(checks_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item->parent()) hooks_.showText(item->data(0, Qt::UserRole).toInt(), item->data(0, Qt::UserRole + 1).toInt() - 1);
  });

  highlighter_ = new SpellHighlighter(pane_->document(), {});
  pane_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(pane_, &QWidget::customContextMenuRequested, this, &TranslationDesk::paneMenu);
  setLanguage(choices.contains(remembered) ? remembered : QString());
}

void TranslationDesk::setLanguage(const QString& language) {
  checker_.reset();
  scan_.reset();
  if (!language.isEmpty()) {
    try {
      checker_ = OpenSpellChecker(language.toStdString());
    } catch (const SpellingUnavailable& missing) {
      spelling_->setToolTip(QString::fromStdString(missing.what()));
    }
  }
  for (QAction* choice : spelling_->actions())
    if (choice->isCheckable() && choice != spellingInChecks_)
      choice->setChecked(choice->objectName() == QStringLiteral("Spelling_") + (checker_ ? language : "Off"));
  QSettings().setValue(kLanguageKey, checker_ ? language : QString());
  highlighter_->setCheck(checker_ ? SpellHighlighter::Check([this](const std::string& line) {
    return scan()->check(line);
  }) : SpellHighlighter::Check());
  refreshChecks();
}

SpellingScan* TranslationDesk::scan() {
  if (!scan_) scan_ = std::make_unique<SpellingScan>(doc_, *checker_);
  return scan_.get();
}

void TranslationDesk::paneMenu(const QPoint& at) {
  std::unique_ptr<QMenu> menu(pane_->createStandardContextMenu(at));
  QTextCursor cursor = pane_->cursorForPosition(at);
  const std::string line = shell::FromQt(cursor.block().text());
  const size_t column = static_cast<size_t>(cursor.positionInBlock());
  if (checker_) {
    for (const WordSpan& span : scan()->check(line)) {
      if (column < span.start || column > span.start + span.length) continue;
      const std::string word = line.substr(span.start, span.length);
      QAction* first = menu->actions().value(0);
      cursor.setPosition(cursor.block().position() + static_cast<int>(span.start));
      cursor.setPosition(cursor.position() + static_cast<int>(span.length), QTextCursor::KeepAnchor);
      for (const std::string& suggestion : checker_->suggestions(word, kSuggestions)) {
        QAction* replace = new QAction(shell::ToQt(suggestion), menu.get());
        connect(replace, &QAction::triggered, this, [cursor, suggestion]() mutable {
          cursor.insertText(shell::ToQt(suggestion));
        });
        menu->insertAction(first, replace);
      }
      QAction* add = new QAction(QStringLiteral("Add \"%1\" to the Word List").arg(shell::ToQt(word)), menu.get());
      add->setObjectName(QStringLiteral("AddToWordList"));
      connect(add, &QAction::triggered, this, [this, word] { addWord(word); });
      menu->insertAction(first, add);
      menu->insertSeparator(first);
      break;
    }
  }
  menu->setObjectName(QStringLiteral("PaneMenu"));
  menu->exec(pane_->viewport()->mapToGlobal(at));
}

void TranslationDesk::addWord(const std::string& word) {
  doc_.Progress.words.insert(word);
  doc_.Geaendert = true;
  scan_.reset();
  highlighter_->rehighlight();
  refreshChecks();
}

void TranslationDesk::refreshChecks() {
  checks_->clear();
  QTreeWidgetItem* names = Group(checks_, QStringLiteral("Old name still used"));
  for (const OldNameUse& use : FindOldNames(doc_))
    Row(names, use.text, (use.oldStillThere ? QStringLiteral("\"%1\" still there (now \"%2\")")
                                            : QStringLiteral("\"%2\" missing (was \"%1\")"))
                             .arg(shell::ToQt(use.oldName), shell::ToQt(use.newName)));
  names->setText(0, names->text(0) + QStringLiteral(" (%1)").arg(names->childCount()));
  if (!checker_ || !spellingInChecks_->isChecked()) return;
  QTreeWidgetItem* spelling = Group(checks_, QStringLiteral("Spelling"));
  for (const Misspelling& miss : scan()->run(doc_))
    if (miss.place.list == TextList::Dialogue) Row(spelling, miss.place, shell::ToQt(miss.word));
  spelling->setText(0, spelling->text(0) + QStringLiteral(" (%1)").arg(spelling->childCount()));
}

}  // namespace orvane::progress
