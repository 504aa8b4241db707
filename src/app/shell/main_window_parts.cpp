// How the main window's parts are put together: each gets the widgets it works on and what it asks of
// the others.

#include "shell/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <QStatusBar>

#include "common/program_title.h"
#include "editors/editor_pane.h"
#include "editors/font_window.h"
#include "editors/unwritable_marks.h"
#include "exchange/exchange_actions.h"
#include "progress/consistency_desk.h"
#include "progress/status_marks.h"
#include "progress/translation_desk.h"
#include "preview/text_preview.h"
#include "rom/character_table.h"
#include "shell/editor_windows_hookup.h"
#include "shell/fit_status.h"
#include "shell/autosave.h"
#include "shell/history.h"
#include "shell/long_operation.h"
#include "shell/problem_list.h"
#include "shell/problems_dock.h"
#include "shell/project_files.h"
#include "shell/settings_file.h"
#include "shell/text_editing.h"
#include "shell/text_navigator.h"
#include "widgets/qt_cp1252.h"
#include "widgets/twips.h"

namespace orvane::shell {

void MainWindow::buildParts() {
  history_ = new History(doc_, workspace_, this);
  navigator_ = new TextNavigator(doc_, {textBlockNr_, scrollBank_, textliste_, filter_},
                                 {[this] { return editing_->leaveText(); }, [this] { editing_->showText(); },
                                  [this] { desk_->showProgress(); }},
                                 this);
  fit_ = new FitStatus(doc_, navigator_->shown(), this);
  setStatusBar(fit_);
  editing_ = new TextEditing(doc_, *history_, prompter_, MakeFenstertitel(),
                             {editorPane_, romPane_, panes_, label2_, textSpeichern_, revert_, verstecken_}, this);
  connect(editorPane_, &QTextEdit::textChanged, this, [this] {
    if (editing_->textShown()) fit_->typed(editorPane_->storedText());
  });
  const auto textsChanged = [this] {
    navigator_->fill();
    editing_->showText();
    documentChanged();
  };
  exchange_ = new exchange::ExchangeActions(doc_, *history_, workspace_, prompter_, chooser_, this, textsChanged);

  problems_ = new ProblemsDock(this);
  addDockWidget(Qt::BottomDockWidgetArea, problems_);
  problems_->hide();
  QAction* showProblems = problems_->toggleViewAction();
  showProblems->setObjectName(QStringLiteral("ShowProblems"));
  viewMenue_->addAction(showProblems);
  desk_ = new progress::TranslationDesk(doc_, *history_, navigator_->shown(), this, textliste_, editorPane_,
                                        {[this] {
                                           const bool writable = fit_->figures().textPieces.empty();
                                           return editing_->saveText() && writable;
                                         },
                                         [this](int bank, int row) { showBankText(bank, row); },
                                         [this] { navigator_->relabel(); }, [this] { problemList_->refresh(); }});
  desk_->attachStatusBar(statusBar());
  desk_->markUnwritable(new editors::UnwritableMarks(
      editorPane_, [this] { return editing_->textShown() ? fit_->encoder() : nullptr; }));
  consistency_ = new progress::ConsistencyDesk(doc_, *history_, navigator_->shown(), this, editorPane_,
                                               desk_->panel(), prompter_, chooser_, {[this] { documentChanged(); }});
  consistency_->attachStatusBar(statusBar());
  new preview::TextPreview(doc_, *history_, navigator_->shown(), prompter_, this, editorPane_,
                           {[this] { return editing_->leaveText(); }, [this] {
                              navigator_->fill();
                              documentChanged();
                            }});

  services_ = std::make_unique<editors::EditingServices>(editors::EditingServices{
      doc_, *history_, prompter_, settings_, this, [this] { documentChanged(); },
      {[this](int bank, int text) { showBankText(bank, text); }, [this] { return editing_->leaveText(); },
       textsChanged},
      [this](QWidget* search) { setSearchWindow(search); }});
  problemList_ = new ProblemList(
      doc_, problems_, prompter_,
      {[this] { return FindTableFile(programFolder_, workspace_.RomPfad); }, [this] { return desk_->problemsScan(); },
       [this](const TextPlace& place) {
         if (place.list == TextList::Dialogue) showBankText(place.bank, place.index - 1);
         else editors::OpenNameWindowAt(*services_, place);
       },
       [this] {
         if (QAction* dictionary = findChild<QAction*>(QStringLiteral("Kompression"))) dictionary->trigger();
       }},
      this);
  editing_->attach({navigator_, fit_, desk_, consistency_, problemList_});
  connect(history_, &History::stepped, this, [this] {
    editing_->follow();
    documentChanged();
  });

  operation_ = new LongOperation({{dateiMenue_->menuAction(), editMenue_->menuAction(), romMenue_->menuAction(),
                                   editorMenue_->menuAction(), aboutMenue_},
                                  {textSpeichern_, suchenKnopf_, schrift_, verstecken_, revert_},
                                  status_,
                                  abbruch_},
                                 [this] { return files_->title(); }, [this](const QString& c) { setWindowTitle(c); },
                                 this);
  connect(operation_, &LongOperation::lockedChanged, history_, &History::setLocked);
  files_ = new ProjectFiles(doc_, workspace_, settings_, prompter_, chooser_, programFolder_,
                            {history_, operation_, problemList_, exchange_},
                            {[this] { return editing_->leaveText(); }, [this] { emptyForLoad(); },
                             [this] { showLoadedDocument(); },
                             [this] {
                               editing_->showText();
                               navigator_->fill();
                             },
                             [this] {
                               if (searchWindow_) searchWindow_->close();
                             }},
                            this);
  connect(files_, &ProjectFiles::titleChanged, this, [this] { setWindowTitle(files_->title()); });

  // A recovery copy while the project holds unsaved work, with what the pane holds typed.
  autosave_ = new Autosave(doc_, workspace_, this);
  autosave_->setUnsavedEdits([this](Document& copy) {
    const editors::ShownText& shown = navigator_->shown();
    if (editorPane_->edited() && shown.valid(copy))
      copy.Texte[shown.AktuelleBank][shown.AktuellerText].Aktuell = editorPane_->storedText();
  });
  const auto changed = [this] {
    if (workspace_.Geaendert || editorPane_->edited()) autosave_->changed();
  };
  connect(history_, &History::changed, autosave_, changed);
  connect(history_, &History::modifiedChanged, autosave_, [this, changed](bool modified) {
    if (modified) changed();
    else autosave_->saved();
  });
  connect(editorPane_, &QTextEdit::textChanged, autosave_, changed);
  connect(files_, &ProjectFiles::changesDiscarded, autosave_, &Autosave::discarded);
  connect(autosave_, &Autosave::failed, this,
          [this](const QString& why) { statusBar()->showMessage(QStringLiteral("Recovery copy not written: ") + why); });
  exchange_->addTo(dateiMenue_, romMenue_);
  files_->addTo(dateiMenue_, romMenue_);
  editors::ConnectEditorWindows(*services_);
}

}  // namespace orvane::shell
