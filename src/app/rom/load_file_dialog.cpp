#include "rom/load_file_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "shell/twips.h"

namespace orvane::rom {

using shell::PxRect;

namespace {
const QStringList kRomPatterns = {QStringLiteral("*.smc"), QStringLiteral("*.fig"), QStringLiteral("*.swc")};
constexpr auto kParentEntry = "..";
}  // namespace

LoadFileDialog::LoadFileDialog(Document& doc, const QString& startFolder, QWidget* parent)
    : QDialog(parent), doc_(doc) {
  setObjectName(QStringLiteral("LoadFile"));
  setWindowTitle(QStringLiteral("Choose your OrvaneSaga rom..."));
  setModal(true);
  setFixedSize(shell::Px(6480), shell::Px(4560));

  drive_ = new QComboBox(this);
  drive_->setObjectName(QStringLiteral("Drive"));
  drive_->setGeometry(PxRect(120, 120, 3000, 315));
  for (const QFileInfo& drive : QDir::drives()) drive_->addItem(QDir::toNativeSeparators(drive.absolutePath()));

  dirList_ = new QListWidget(this);
  dirList_->setObjectName(QStringLiteral("DirList"));
  dirList_->setGeometry(PxRect(120, 540, 3000, 2535));

  fileList_ = new QListWidget(this);
  fileList_->setObjectName(QStringLiteral("FileList"));
  fileList_->setGeometry(PxRect(3240, 120, 3120, 2955));

  auto* frame = new QGroupBox(QStringLiteral("Loading Options"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(PxRect(120, 3180, 4320, 1215));
  option0_ = new QRadioButton(QStringLiteral("Normal"), frame);
  option0_->setObjectName(QStringLiteral("Option0"));
  option0_->setGeometry(PxRect(120, 300, 4000, 315));
  option0_->setChecked(true);
  option1_ = new QRadioButton(QStringLiteral("File has been edited with V 0.95"), frame);
  option1_->setObjectName(QStringLiteral("Option1"));
  option1_->setGeometry(PxRect(120, 720, 4000, 315));

  command1_ = new QPushButton(QStringLiteral("Load File"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(PxRect(4560, 3780, 1800, 495));

  connect(drive_, &QComboBox::currentTextChanged, this, [this](const QString& drive) { openFolder(drive); });
  connect(dirList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    openFolder(QDir(folder_).absoluteFilePath(item->text()));
  });
  connect(fileList_, &QListWidget::itemSelectionChanged, this, &LoadFileDialog::updateLoadButton);
  connect(fileList_, &QListWidget::itemActivated, this, &LoadFileDialog::confirm);
  connect(command1_, &QPushButton::clicked, this, &LoadFileDialog::confirm);

  doc_.GewaehlteDatei.clear();
  openFolder(startFolder);
}

void LoadFileDialog::Choose(Document& doc, const QString& startFolder, QWidget* parent) {
  LoadFileDialog dialog(doc, startFolder, parent);
  dialog.exec();
}

void LoadFileDialog::openFolder(const QString& path) {
  const QDir dir(path);
  if (!dir.exists()) return;
  folder_ = QDir::cleanPath(dir.absolutePath());
  fillDirectories();
  fillFiles();
}

void LoadFileDialog::fillDirectories() {
  dirList_->clear();
  QDir dir(folder_);
  if (!dir.isRoot()) dirList_->addItem(QString::fromLatin1(kParentEntry));
  dirList_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void LoadFileDialog::fillFiles() {
  fileList_->clear();
  fileList_->addItems(QDir(folder_).entryList(kRomPatterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
  // A new folder has no selected file, so there is nothing to load until one is chosen again.
  updateLoadButton();
}

void LoadFileDialog::updateLoadButton() { command1_->setEnabled(!fileList_->selectedItems().isEmpty()); }

void LoadFileDialog::confirm() {
  const QList<QListWidgetItem*> selected = fileList_->selectedItems();
  if (selected.isEmpty()) return;
  doc_.LadeOption = option1_->isChecked() ? 1 : 0;
  doc_.GewaehlteDatei = QDir::toNativeSeparators(QDir(folder_).filePath(selected.first()->text())).toStdString();
  accept();
}

void LoadFileDialog::done(int result) {
  if (doc_.GewaehlteDatei.empty()) doc_.LadeOption = -1;
  QDialog::done(result);
}

}  // namespace orvane::rom
