// The LoadFile window: folders and ROM files, the two options, and "Load File" usable only with a
// file selected.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "rom/load_file_dialog.h"
#include "support/rom_fixture.h"

using namespace orvane;

namespace {

struct DialogFolder {
  testing::TempFolder folder;
  DialogFolder() {
    for (const char* name : {"a.smc", "b.fig", "c.swc", "notes.txt", "d.SMC.bak"}) {
      QFile file(QString::fromStdString(folder.file(name)));
      file.open(QIODevice::WriteOnly);
    }
    QDir(QString::fromStdString(folder.path())).mkdir(QStringLiteral("sub"));
    QFile inner(QString::fromStdString(folder.file("sub/e.smc")));
    inner.open(QIODevice::WriteOnly);
  }
  QString path() const { return QDir::cleanPath(QString::fromStdString(folder.path())); }
};

QStringList Entries(QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

qsizetype Indent(const QString& entry) { return entry.size() - entry.trimmed().size(); }

}  // namespace

class LoadFileDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void opensInTheStartFolderWithTheRomFiles() {
    DialogFolder f;
    Document doc;
    doc.GewaehlteDatei = "old";
    rom::LoadFileDialog dialog(doc, f.path());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose your OrvaneSaga rom..."));
    QVERIFY(doc.GewaehlteDatei.empty());
    QCOMPARE(dialog.folder(), f.path());
    QCOMPARE(Entries(dialog.findChild<QListWidget*>("FileList")),
             QStringList({QStringLiteral("a.smc"), QStringLiteral("b.fig"), QStringLiteral("c.swc")}));
    // The folder chain from the root down, the current folder selected, then its sub-folders.
    auto* dirs = dialog.findChild<QListWidget*>("DirList");
    QCOMPARE(dirs->item(0)->text(), QStringLiteral("/"));
    QCOMPARE(dirs->currentItem()->data(Qt::UserRole).toString(), f.path());
    QCOMPARE(dirs->currentRow(), dirs->count() - 2);
    QCOMPARE(dirs->item(dirs->count() - 1)->text().trimmed(), QStringLiteral("sub"));
    QCOMPARE(Indent(dirs->item(dirs->count() - 1)->text()), Indent(dirs->currentItem()->text()) + 2);
    QVERIFY(dialog.findChild<QComboBox*>("Drive")->count() >= 1);
    QVERIFY(dialog.findChild<QRadioButton*>("Option0")->isChecked());
    QCOMPARE(dialog.findChild<QRadioButton*>("Option1")->text(), QStringLiteral("File has been edited with V 0.95"));
    QVERIFY(!dialog.findChild<QPushButton*>("Command1")->isEnabled());
  }

  void loadFileNeedsASelectedFile() {
    DialogFolder f;
    Document doc;
    rom::LoadFileDialog dialog(doc, f.path());
    auto* files = dialog.findChild<QListWidget*>("FileList");
    auto* load = dialog.findChild<QPushButton*>("Command1");
    files->setCurrentRow(1);
    QVERIFY(load->isEnabled());
    // Another folder clears the selection, and with it the button.
    auto* dirs = dialog.findChild<QListWidget*>("DirList");
    emit dirs->itemActivated(dirs->item(dirs->count() - 1));
    QCOMPARE(dialog.folder(), f.path() + QStringLiteral("/sub"));
    QCOMPARE(Entries(files), QStringList({QStringLiteral("e.smc")}));
    QVERIFY(!load->isEnabled());
    emit dirs->itemActivated(dirs->item(dirs->currentRow() - 1));  // the parent in the chain
    QCOMPARE(dialog.folder(), f.path());
    emit dirs->itemActivated(dirs->item(0));
    QCOMPARE(dialog.folder(), QStringLiteral("/"));
  }

  void loadFileReportsPathAndOption() {
    DialogFolder f;
    Document doc;
    rom::LoadFileDialog dialog(doc, f.path());
    dialog.findChild<QListWidget*>("FileList")->setCurrentRow(0);
    dialog.findChild<QRadioButton*>("Option1")->setChecked(true);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(doc.GewaehlteDatei), f.path() + QStringLiteral("/a.smc"));
    QCOMPARE(doc.LadeOption, int16_t(1));
  }

  void closingWithoutAFileMeansNothingChosen() {
    DialogFolder f;
    Document doc;
    doc.LadeOption = 0;
    rom::LoadFileDialog dialog(doc, f.path());
    dialog.findChild<QListWidget*>("FileList")->setCurrentRow(0);
    dialog.reject();
    QVERIFY(doc.GewaehlteDatei.empty());
    QCOMPARE(doc.LadeOption, int16_t(-1));
  }
};

QTEST_MAIN(LoadFileDialogTest)
#include "load_file_dialog_test.moc"
