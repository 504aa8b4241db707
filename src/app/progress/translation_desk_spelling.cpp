// The spelling part of the translation desk: the language menu, the underlined words with their
// context menu, and the choice whether the problems list shows the project's misspelled words.

#include <QActionGroup>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTextBlock>

#include "editors/editor_pane.h"
#include "editors/unwritable_marks.h"
#include "progress/spell_highlighter.h"
#include "progress/translation_desk.h"
#include "widgets/qt_cp1252.h"

namespace orvane::progress {

namespace {

constexpr size_t kSuggestions = 5;
const QString kLanguageKey = QStringLiteral("spelling/language");
const QString kWholeProjectKey = QStringLiteral("spelling/inProblems");

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
    connect(choice, &QAction::triggered, this, [this, language] {
      setLanguage(language);
      hooks_.refreshProblems();
    });
  }
  // Beside "Problems" in the View menu: the whole project's misspelled words as rows of the list.
  QMenu* view = window->findChild<QMenu*>(QStringLiteral("ViewMenue"));
  spellingInProblems_ = view->addAction(QStringLiteral("&Spelling in Problems"));
  spellingInProblems_->setObjectName(QStringLiteral("SpellingInProblems"));
  spellingInProblems_->setCheckable(true);
  spellingInProblems_->setChecked(QSettings().value(kWholeProjectKey, false).toBool());
  // Switching it on shows the list, which may be hidden.
  auto* problems = window->findChild<QDockWidget*>(QStringLiteral("ProblemsDock"));
  connect(spellingInProblems_, &QAction::toggled, this, [this, problems](bool on) {
    QSettings().setValue(kWholeProjectKey, on);
    hooks_.refreshProblems();
    if (on && problems) problems->show();
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
    if (choice->isCheckable())
      choice->setChecked(choice->objectName() == QStringLiteral("Spelling_") + (checker_ ? language : "Off"));
  QSettings().setValue(kLanguageKey, checker_ ? language : QString());
  highlighter_->setCheck(checker_ ? SpellHighlighter::Check([this](const std::string& line) {
    return scan()->check(line);
  }) : SpellHighlighter::Check());
}

void TranslationDesk::markUnwritable(editors::UnwritableMarks* marks) {
  highlighter_->setUnwritableCheck([marks](const std::string& line) { return marks->spans(line); });
}

SpellingScan* TranslationDesk::problemsScan() {
  return checker_ && spellingInProblems_->isChecked() ? scan() : nullptr;
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
  DocumentChange change("Add to the word list");
  change.addWord(doc_, word);
  changes_.Commit(std::move(change));
  scan_.reset();
  highlighter_->rehighlight();
  hooks_.refreshProblems();
}

}  // namespace orvane::progress
