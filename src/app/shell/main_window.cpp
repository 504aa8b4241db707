#include "shell/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <QStatusBar>

#include "editors/editor_pane.h"
#include "shell/editor_windows_hookup.h"
#include "editors/unwritable_marks.h"
#include "exchange/exchange_actions.h"
#include "common/program_title.h"
#include "progress/status_marks.h"
#include "preview/text_preview.h"
#include "progress/consistency_desk.h"
#include "progress/translation_desk.h"
#include "shell/fit_status.h"
#include "shell/settings_file.h"
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
    : QMainWindow(parent),
      doc_(doc),
      prompter_(prompter),
      chooser_(chooser),
      programFolder_(std::move(programFolder)),
      changes_(doc_, workspace_),
      fenstertitel_(ToQt(MakeFenstertitel())) {
  setObjectName(QStringLiteral("Main"));
  QDir::setCurrent(QString::fromStdString(programFolder_));
  buildControls();
  exchange_ = new exchange::ExchangeActions(doc_, changes_, workspace_, prompter_, chooser_, this, [this] {
    TextlisteFuellen();
    ZeigeText();
    documentChanged();
  });
  buildMenus();
  buildWorkbench();
  desk_ = new progress::TranslationDesk(doc_, changes_, shown_, this, textliste_, editorPane_,
                                        {[this] {
                                           const bool writable = fit_->figures().textPieces.empty();
                                           return saveText() && writable;
                                         },
                                         [this](int bank, int row) { showBankText(bank, row); },
                                         [this] { applyFilter(); }, [this] { refreshProblems(); }});
  desk_->attachStatusBar(statusBar());
  desk_->markUnwritable(new editors::UnwritableMarks(editorPane_, [this] { return fit_->encoder(); }));
  new preview::TextPreview(doc_, changes_, shown_, prompter_, this, editorPane_,
                           {[this] { return leaveText(); }, [this] {
                              TextlisteFuellen();
                              documentChanged();
                            }});
  consistency_ = new progress::ConsistencyDesk(doc_, changes_, shown_, this, editorPane_, desk_->panel(), prompter_,
                                               chooser_, {[this] { documentChanged(); }});
  consistency_->attachStatusBar(statusBar());
  editing_ = std::make_unique<editors::EditingServices>(editors::EditingServices{
      doc_, changes_, prompter_, settings_, this, [this] { documentChanged(); },
      {[this](int bank, int text) { showBankText(bank, text); }, [this] { return leaveText(); },
       [this] {
         TextlisteFuellen();
         ZeigeText();
         documentChanged();
       }},
      [this](QWidget* search) { setSearchWindow(search); }});
  editors::ConnectEditorWindows(*editing_);
  setCaption(fenstertitel_);
  ReadSettings(settings_, settingsPath().toStdString());
  setAcceptDrops(true);
  restoreWindowState();
}

MainWindow::~MainWindow() = default;

QString MainWindow::settingsPath() const {
  return QDir(QString::fromStdString(programFolder_)).filePath(QString::fromLatin1(kSettingsFileName));
}

void MainWindow::setCaption(const QString& caption) { setWindowTitle(caption); }

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
  OnResize(panes_, [this] { layoutPanes(); });

  auto* listPart = new QWidget(splitter_);
  textBlockNr_ = new QGroupBox(QStringLiteral("Textblock : 1"), listPart);
  textBlockNr_->setObjectName(QStringLiteral("textBlockNr"));
  textBlockNr_->setFixedHeight(Px(615));
  scrollBank_ = new QScrollBar(Qt::Horizontal, textBlockNr_);
  scrollBank_->setObjectName(QStringLiteral("ScrollBank"));
  scrollBank_->setRange(1, kBankCount);
  scrollBank_->setPageStep(1);
  scrollBank_->setEnabled(false);
  connect(scrollBank_, &QScrollBar::valueChanged, this, &MainWindow::onBankChanged);
  OnResize(textBlockNr_, [this] { scrollBank_->setGeometry(Px(120), Px(240), textBlockNr_->width() - Px(240), Px(255)); });

  textliste_ = new QListWidget(listPart);
  textliste_->setObjectName(QStringLiteral("Textliste"));
  QFont listFont(QStringLiteral("Trebuchet MS"));
  listFont.setBold(true);
  listFont.setPointSizeF(9.75);
  textliste_->setFont(listFont);
  textliste_->setUniformItemSizes(true);  // banks hold up to 1203 texts
  connect(textliste_, &QListWidget::currentRowChanged, this, &MainWindow::onTextSelected);
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
  connect(textSpeichern_, &QPushButton::clicked, this, &MainWindow::saveText);
  suchenKnopf_ = MakeButton(QStringLiteral("Search &Text"), "SuchenKnopf", PxRect(9000, 960, 1335, 375), client);
  suchenKnopf_->setEnabled(false);
  schrift_ = MakeButton(QStringLiteral("Change &Font"), "Schrift", PxRect(9000, 1440, 1335, 375), client);
  connect(schrift_, &QPushButton::clicked, this, &MainWindow::openFontWindow);
  revert_ = MakeButton(QStringLiteral("Re&vert"), "Revert", PxRect(9000, 1920, 1335, 375), client);
  revert_->setEnabled(false);
  verstecken_ = MakeButton(QStringLiteral("&Hide"), "Verstecken", PxRect(9000, 2760, 1335, 375), client);
  connect(verstecken_, &QPushButton::clicked, this, &MainWindow::toggleRomPane);
  filter_ = new QComboBox(client);
  filter_->setObjectName(QStringLiteral("TextFilter"));
  filter_->addItems({QStringLiteral("All texts"), QStringLiteral("Changed"), QStringLiteral("Unchanged")});
  progress::AddStatusChoices(filter_);
  filter_->setGeometry(PxRect(9000, 3240, 1335, 375));
  abbruch_ = MakeButton(QStringLiteral("&Cancel"), "SpeicherAbbruchButton", PxRect(8880, 7200, 1455, 375), client);
  abbruch_->hide();
  connect(abbruch_, &QPushButton::clicked, this, [this] { schreibenLaeuft_ = false; });

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

// Both panes share the height; with the ROM pane hidden the editor pane takes it all.
void MainWindow::layoutPanes() {
  const int width = panes_->width(), height = panes_->height();
  if (romPane_->isHidden()) {
    editorPane_->setGeometry(0, 0, width, height);
    return;
  }
  const int pane = (height - Px(465)) / 2;
  editorPane_->setGeometry(0, 0, width, pane);
  label2_->setGeometry(0, pane + Px(105), Px(1215), Px(255));
  romPane_->setGeometry(0, pane + Px(465), width, height - pane - Px(465));
}

void MainWindow::closeSearchWindow() {
  if (searchWindow_) searchWindow_->close();
}

}  // namespace orvane::shell
