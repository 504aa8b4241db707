#include "shell/main_window.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include "editors/editor_pane.h"
#include "editors/editor_windows_hookup.h"
#include "shell/cp1252.h"
#include "shell/settings_file.h"
#include "shell/twips.h"

namespace orvane::shell {

namespace {

QPushButton* MakeButton(const QString& caption, const char* name, QRect place, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  return button;
}

}  // namespace

MainWindow::MainWindow(Document& doc, Prompter& prompter, FileChooser& chooser, std::string programFolder,
                       QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompter_(prompter), chooser_(chooser),
      programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("Main"));
  QDir::setCurrent(QString::fromStdString(programFolder_));
  buildControls();
  buildMenus();
  editors::ConnectEditorWindows(*this);
  setCaption(ToQt(doc_.Fenstertitel));
  ReadSettings(doc_, settingsPath().toStdString());
}

QString MainWindow::settingsPath() const {
  return QDir(QString::fromStdString(programFolder_)).filePath(QString::fromLatin1(kSettingsFileName));
}

void MainWindow::setCaption(const QString& caption) { setWindowTitle(caption); }

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setFixedSize(Px(10560), Px(7695));
  QFont formFont(QStringLiteral("Microsoft Sans Serif"));
  formFont.setStyleHint(QFont::SansSerif);
  client->setFont(formFont);
  setCentralWidget(client);

  label1_ = new QLabel(QStringLiteral("Editor:"), client);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(PxRect(120, 120, 615, 255));
  label2_ = new QLabel(QStringLiteral("Original:"), client);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setGeometry(PxRect(120, 2400, 1215, 255));

  editorPane_ = new editors::EditorPane(client);
  editorPane_->setObjectName(QStringLiteral("RomText0"));
  editorPane_->setGeometry(PxRect(120, 480, 8535, 1815));
  romPane_ = new editors::EditorPane(client);
  romPane_->setObjectName(QStringLiteral("RomText1"));
  romPane_->setGeometry(PxRect(120, 2760, 8535, 1815));
  romPane_->setReadOnly(true);
  QPalette face = romPane_->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  romPane_->setPalette(face);
  editorPane_->raise();  // when the ROM pane is hidden the editor covers the "Original:" label too

  textBlockNr_ = new QGroupBox(QStringLiteral("Textblock : 1"), client);
  textBlockNr_->setObjectName(QStringLiteral("textBlockNr"));
  textBlockNr_->setGeometry(PxRect(120, 4680, 8535, 615));
  scrollBank_ = new QScrollBar(Qt::Horizontal, textBlockNr_);
  scrollBank_->setObjectName(QStringLiteral("ScrollBank"));
  scrollBank_->setGeometry(PxRect(120, 240, 8295, 255));
  scrollBank_->setRange(1, kBankCount);
  scrollBank_->setPageStep(1);
  scrollBank_->setEnabled(false);
  connect(scrollBank_, &QScrollBar::valueChanged, this, &MainWindow::onBankChanged);

  textliste_ = new QListWidget(client);
  textliste_->setObjectName(QStringLiteral("Textliste"));
  textliste_->setGeometry(PxRect(120, 5400, 8535, 1680));
  QFont listFont(QStringLiteral("Trebuchet MS"));
  listFont.setBold(true);
  listFont.setPointSizeF(9.75);
  textliste_->setFont(listFont);
  textliste_->setUniformItemSizes(true);  // banks hold up to 1203 texts
  connect(textliste_, &QListWidget::currentRowChanged, this, &MainWindow::onTextSelected);

  status_ = new QProgressBar(client);
  status_->setObjectName(QStringLiteral("Status"));
  status_->setGeometry(PxRect(120, 7200, 8535, 375));
  status_->setRange(0, 100);
  status_->setValue(0);
  status_->setTextVisible(false);
  status_->hide();

  textSpeichern_ = MakeButton(QStringLiteral("Save"), "TextSpeichern", PxRect(9000, 480, 1335, 375), client);
  textSpeichern_->setEnabled(false);
  connect(textSpeichern_, &QPushButton::clicked, this, &MainWindow::saveText);
  suchenKnopf_ = MakeButton(QStringLiteral("Search Text"), "SuchenKnopf", PxRect(9000, 960, 1335, 375), client);
  suchenKnopf_->setEnabled(false);
  schrift_ = MakeButton(QStringLiteral("Change Font"), "Schrift", PxRect(9000, 1440, 1335, 375), client);
  connect(schrift_, &QPushButton::clicked, this, &MainWindow::openFontWindow);
  verstecken_ = MakeButton(QStringLiteral("Hide"), "Verstecken", PxRect(9000, 2760, 1335, 375), client);
  connect(verstecken_, &QPushButton::clicked, this, &MainWindow::toggleRomPane);
  abbruch_ = MakeButton(QStringLiteral("Cancel"), "SpeicherAbbruchButton", PxRect(8880, 7200, 1455, 375), client);
  abbruch_->hide();
  connect(abbruch_, &QPushButton::clicked, this, [this] { schreibenLaeuft_ = false; });
}

void MainWindow::closeSearchWindow() {
  if (searchWindow_) searchWindow_->close();
}

}  // namespace orvane::shell
