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
#include "shell/recovery_offer.h"
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

namespace {

QPushButton* MakeButton(const QString& caption, const char* name, QRect place, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  return button;
}

// Calls `act` whenever `widget` changes its size.
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(QWidget* widget, std::function<void()> act) : QObject(widget), act_(std::move(act)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) act_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> act_;
};

void OnResize(QWidget* widget, std::function<void()> act) { new ResizeWatcher(widget, std::move(act)); }

}  // namespace

MainWindow::MainWindow(Document& doc, Prompter& prompter, FileChooser& chooser, std::string programFolder,
                       QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompter_(prompter), chooser_(chooser), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("Main"));
  QDir::setCurrent(QString::fromStdString(programFolder_));
  buildControls();
  buildMenus();
  buildParts();
  buildKeys();
  offerEveryDock();
  setWindowTitle(files_->title());
  ReadSettings(settings_, settingsPath().toStdString());
  setAcceptDrops(true);
  restoreWindowState();
}

MainWindow::~MainWindow() = default;

const editors::ShownText& MainWindow::shownText() const { return navigator_->shown(); }

void MainWindow::setRomChooser(std::function<std::optional<RomChoice>()> chooser) {
  files_->setRomChooser(std::move(chooser));
}

void MainWindow::showBankText(int bank, int textIndex0) { navigator_->showBankText(bank, textIndex0); }

QString MainWindow::settingsPath() const {
  return QDir(QString::fromStdString(programFolder_)).filePath(QString::fromLatin1(kSettingsFileName));
}

// The texts changed outside the editor pane (a load, a window's "Save", an import, an undo).
void MainWindow::documentChanged() {
  fit_->reset();
  desk_->documentLoaded();
  consistency_->documentLoaded();
  problemList_->refresh();
}

void MainWindow::offerRecovery() {
  const RecoveryResult offered = OfferRecovery(Autosave::folder(), doc_, workspace_, prompter_);
  if (offered.choice != RecoveryChoice::Recovered) return;
  history_->clear();  // before the copy is adopted: a clean history drops the copy it has
  autosave_->adopt(offered.copy);
  showLoadedDocument();
  history_->markModified();
}

// A ROM passed its checks and its texts are being read: nothing of the old document stays shown.
void MainWindow::emptyForLoad() {
  editorPane_->showStored({});
  romPane_->showStored({});
  textliste_->clear();
  if (searchWindow_) searchWindow_->close();
  romSpeichern_->setEnabled(true);
  romMenue_->menuAction()->setEnabled(true);
}

// The end of every successful load: everything usable, bank 1, text 1, nothing changed yet.
void MainWindow::showLoadedDocument() {
  if (searchWindow_) searchWindow_->close();
  for (QAction* entry : {saveProject_, saveProjectAs_, romSpeichern_, romMenue_->menuAction(),
                         editorMenue_->menuAction()})
    entry->setEnabled(true);
  exchange_->enable();
  for (QAction* item : editorMenue_->actions()) item->setEnabled(true);
  for (QWidget* control : std::initializer_list<QWidget*>{scrollBank_, textSpeichern_, suchenKnopf_, revert_})
    control->setEnabled(true);
  navigator_->startAtFirstText();
  problemList_->setReadBack({});
  documentChanged();
}

// The window opens at the described size and may grow: the panes and the list take the room (the
// panes still wrap at their fixed column), the buttons keep to the right edge, the progress bar and
// "Cancel" to the bottom. A splitter shares the height between the panes and the list.
void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setMinimumSize(Px(10560), Px(7695));
  QFont formFont(QStringLiteral("Microsoft Sans Serif"));
  formFont.setStyleHint(QFont::SansSerif);
  client->setFont(formFont);
  setCentralWidget(client);

  label1_ = new QLabel(QStringLiteral("Editor:"), client);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(PxRect(120, 120, 615, 255));

  splitter_ = new QSplitter(Qt::Vertical, client);
  splitter_->setObjectName(QStringLiteral("PaneSplitter"));
  splitter_->setHandleWidth(Px(105));
  splitter_->setChildrenCollapsible(false);
  panes_ = new QWidget(splitter_);
  label2_ = new QLabel(QStringLiteral("Original:"), panes_);
  label2_->setObjectName(QStringLiteral("Label2"));
  editorPane_ = new editors::EditorPane(panes_);
  editorPane_->setObjectName(QStringLiteral("RomText0"));
  romPane_ = new editors::EditorPane(panes_);
  romPane_->setObjectName(QStringLiteral("RomText1"));
  romPane_->setReadOnly(true);
  QPalette face = romPane_->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  romPane_->setPalette(face);
  editorPane_->raise();  // when the ROM pane is hidden the editor covers the "Original:" label too
  OnResize(panes_, [this] {
    if (editing_) editing_->layoutPanes();
  });

  auto* listPart = new QWidget(splitter_);
  textBlockNr_ = new QGroupBox(QStringLiteral("Textblock : 1"), listPart);
  textBlockNr_->setObjectName(QStringLiteral("textBlockNr"));
  textBlockNr_->setFixedHeight(Px(615));
  scrollBank_ = new QScrollBar(Qt::Horizontal, textBlockNr_);
  scrollBank_->setObjectName(QStringLiteral("ScrollBank"));
  scrollBank_->setRange(1, kBankCount);
  scrollBank_->setPageStep(1);
  scrollBank_->setEnabled(false);
  OnResize(textBlockNr_, [this] { scrollBank_->setGeometry(Px(120), Px(240), textBlockNr_->width() - Px(240), Px(255)); });

  textliste_ = new QListWidget(listPart);
  textliste_->setObjectName(QStringLiteral("Textliste"));
  QFont listFont(QStringLiteral("Trebuchet MS"));
  listFont.setBold(true);
  listFont.setPointSizeF(9.75);
  textliste_->setFont(listFont);
  textliste_->setUniformItemSizes(true);  // banks hold up to 1203 texts
  auto* listLayout = new QVBoxLayout(listPart);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->setSpacing(Px(105));
  listLayout->addWidget(textBlockNr_);
  listLayout->addWidget(textliste_, 1);
  splitter_->setSizes({Px(4095), Px(2400)});
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 1);

  status_ = new QProgressBar(client);
  status_->setObjectName(QStringLiteral("Status"));
  status_->setRange(0, 100);
  status_->setValue(0);
  status_->setTextVisible(false);
  status_->hide();

  textSpeichern_ = MakeButton(QStringLiteral("&Save"), "TextSpeichern", PxRect(9000, 480, 1335, 375), client);
  textSpeichern_->setEnabled(false);
  suchenKnopf_ = MakeButton(QStringLiteral("Search Te&xt"), "SuchenKnopf", PxRect(9000, 960, 1335, 375), client);
  suchenKnopf_->setEnabled(false);
  schrift_ = MakeButton(QStringLiteral("Change F&ont"), "Schrift", PxRect(9000, 1440, 1335, 375), client);
  connect(schrift_, &QPushButton::clicked, this, [this] { editors::FontWindow(editorPane_, romPane_, this).exec(); });
  revert_ = MakeButton(QStringLiteral("Rever&t"), "Revert", PxRect(9000, 1920, 1335, 375), client);
  revert_->setEnabled(false);
  verstecken_ = MakeButton(QStringLiteral("&Hide"), "Verstecken", PxRect(9000, 2760, 1335, 375), client);
  filter_ = new QComboBox(client);
  filter_->setObjectName(QStringLiteral("TextFilter"));
  filter_->addItems({QStringLiteral("All texts"), QStringLiteral("Changed"), QStringLiteral("Unchanged")});
  progress::AddStatusChoices(filter_);
  filter_->setGeometry(PxRect(9000, 3240, 1335, 375));
  abbruch_ = MakeButton(QStringLiteral("&Cancel"), "SpeicherAbbruchButton", PxRect(8880, 7200, 1455, 375), client);
  abbruch_->hide();

  OnResize(client, [this, client] {
    const int width = client->width(), height = client->height();
    splitter_->setGeometry(Px(120), Px(480), width - Px(2025), height - Px(480 + 615));
    status_->setGeometry(Px(120), height - Px(495), width - Px(2025), Px(375));
    abbruch_->move(width - Px(1680), height - Px(495));
    for (QWidget* right : std::initializer_list<QWidget*>{textSpeichern_, suchenKnopf_, schrift_, revert_,
                                                          verstecken_, filter_})
      right->move(width - Px(1560), right->y());
  });
}

}  // namespace orvane::shell
