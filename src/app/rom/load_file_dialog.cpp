#include "rom/load_file_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include "widgets/twips.h"

namespace orvane::rom {

using shell::PxRect;

namespace {
const QStringList kRomPatterns = {QStringLiteral("*.smc"), QStringLiteral("*.fig"), QStringLiteral("*.swc"),
                                  QStringLiteral("*.sfc")};
}  // namespace

LoadFileDialog::LoadFileDialog(const QString& startFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("LoadFile"));
  setWindowTitle(QStringLiteral("Choose your OrvaneSaga rom..."));
  setModal(true);
  setFixedSize(shell::Px(6480), shell::Px(5280));

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
  command1_->setDefault(true);  // Enter in the path field loads the typed file
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setGeometry(PxRect(4560, 3240, 1800, 495));

  path_ = new QLineEdit(this);
  path_->setObjectName(QStringLiteral("PathField"));
  path_->setPlaceholderText(QStringLiteral("Or type or paste the path of the ROM here"));
  path_->setGeometry(PxRect(120, 4500, 6240, 315));
  pathProblem_ = new QLabel(this);
  pathProblem_->setObjectName(QStringLiteral("PathProblem"));
  pathProblem_->setStyleSheet(QStringLiteral("color: red"));
  pathProblem_->setGeometry(PxRect(120, 4875, 6240, 315));

  connect(drive_, &QComboBox::currentTextChanged, this, [this](const QString& drive) { openFolder(drive); });
  connect(dirList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    openFolder(item->data(Qt::UserRole).toString());
  });
  // The last choice counts: a file picked in the list clears the typed path, typing clears the pick.
  connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!fileList_->selectedItems().isEmpty()) path_->clear();
    updateLoadButton();
  });
  connect(path_, &QLineEdit::textEdited, this, [this] {
    fileList_->clearSelection();
    pathProblem_->clear();
    updateLoadButton();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(fileList_, &QListWidget::itemActivated, this, &LoadFileDialog::confirm);
  connect(command1_, &QPushButton::clicked, this, &LoadFileDialog::confirm);

  openFolder(startFolder);
}

std::optional<RomChoice> LoadFileDialog::Choose(const QString& startFolder, QWidget* parent) {
  LoadFileDialog dialog(startFolder, parent);
  dialog.exec();
  return dialog.choice();
}

void LoadFileDialog::openFolder(const QString& path) {
  const QDir dir(path);
  if (!dir.exists()) return;
  folder_ = QDir::cleanPath(dir.absolutePath());
  fillDirectories();
  fillFiles();
}

// Like a directory list box: the chain of folders from the root down to the current one, each
// indented one step further, then the current folder's sub-folders. Every entry keeps its full path.
void LoadFileDialog::fillDirectories() {
  dirList_->clear();
  QStringList chain;
  for (QDir walk(folder_);; walk.cdUp()) {
    chain.prepend(walk.absolutePath());
    if (walk.isRoot()) break;
  }
  auto add = [this](const QString& path, const QString& name, int depth) {
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, dirList_);
    item->setData(Qt::UserRole, path);
    return item;
  };
  for (int depth = 0; depth < chain.size(); ++depth) {
    const QString& path = chain[depth];
    QListWidgetItem* item = add(path, depth == 0 ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName(), depth);
    if (depth + 1 == chain.size()) dirList_->setCurrentItem(item);
  }
  const QDir dir(folder_);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    add(dir.absoluteFilePath(name), name, static_cast<int>(chain.size()));
}

void LoadFileDialog::fillFiles() {
  fileList_->clear();
  fileList_->addItems(QDir(folder_).entryList(kRomPatterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
  // A new folder has no selected file, so there is nothing to load until one is chosen again.
  updateLoadButton();
}

void LoadFileDialog::updateLoadButton() {
  command1_->setEnabled(!fileList_->selectedItems().isEmpty() || !path_->text().trimmed().isEmpty());
}

void LoadFileDialog::confirm() {
  if (const QString typed = path_->text().trimmed(); !typed.isEmpty()) return confirmTyped(typed);
  const QList<QListWidgetItem*> selected = fileList_->selectedItems();
  if (selected.isEmpty()) return;
  choose(QDir(folder_).filePath(selected.first()->text()));
}

// A typed folder is opened in the lists; a typed file, relative to the shown folder, is loaded.
void LoadFileDialog::confirmTyped(QString typed) {
  // Paths copied from a file manager or a terminal often come quoted or as a file URL.
  for (const QChar quote : {QLatin1Char('"'), QLatin1Char('\'')})
    if (typed.size() > 1 && typed.startsWith(quote) && typed.endsWith(quote)) typed = typed.mid(1, typed.size() - 2);
  if (typed.startsWith(QStringLiteral("file://"))) typed = QUrl(typed).toLocalFile();
  const QFileInfo file(QDir(folder_), typed);
  if (file.isDir()) {
    path_->clear();
    openFolder(file.absoluteFilePath());
  } else if (!file.exists()) {
    pathProblem_->setText(QStringLiteral("%1 does not exist.").arg(QDir::toNativeSeparators(file.absoluteFilePath())));
  } else {
    choose(file.absoluteFilePath());
  }
}

void LoadFileDialog::choose(const QString& path) {
  choice_ = RomChoice{QDir::toNativeSeparators(path).toStdString(), static_cast<int16_t>(option1_->isChecked() ? 1 : 0)};
  accept();
}

}  // namespace orvane::rom
