// Autosave and the recovery offer: a copy written a short interval after a change into the data
// folder of XDG_DATA_HOME, removed by a save; a killed session's copy offered at the next start and
// each of Recover, Discard and Later (and Recover of a damaged copy) doing what it says.

#include <filesystem>

#include "demo/demo_rom.h"
#include "project/project_file.h"
#include "shell/autosave.h"
#include "shell/recovery_offer.h"
#include "widgets/qt_prompter.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr const char* kTyped = "Typed before the kill";

std::string ProjectOf(const Document& doc) {
  SilentProgress silent;
  return ProjectText(doc, silent);
}

Document Demo() {
  Document doc;
  demo::MakeDemoDocument(doc);
  return doc;
}

// Clicks the buttons captioned `captions` of the next message boxes, one each, and keeps what each
// box said.
void AnswerBoxes(QStringList captions, QString& said, QPointer<QWidget> previous = nullptr) {
  QTimer::singleShot(0, [captions, &said, previous] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == previous) return AnswerBoxes(captions, said, previous);  // the next one is not open yet
    QStringList buttons;
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    buttons.sort();
    said += box->text().section('\n', 0, 0).section(' ', 0, 3) + " [" + buttons.join(',') + "] ";
    if (captions.size() > 1) AnswerBoxes(captions.mid(1), said, box);
    for (QAbstractButton* button : box->buttons())
      if (button->text() == captions.front()) return button->click();
  });
}

}  // namespace

class AutosaveTest : public QObject {
  Q_OBJECT
  TempFolder home_;

 private slots:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_.file("data")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home_.file("config")));
    QVERIFY(shell::Autosave::folder().startsWith(QString::fromStdString(home_.file("data/"))));
  }

  void copyFollowsAChangeAndGoesWithTheSave() {
    QSettings().setValue(shell::Autosave::kIntervalKey, 30);
    QCOMPARE(shell::Autosave::configuredInterval().count(), 30);
    Document doc = Demo();
    const Workspace ws{.projectPath = home_.file("texts/demo.ovp")};
    shell::Autosave autosave(doc, ws);
    QSignalSpy written(&autosave, &shell::Autosave::written);
    doc.Texte[1][2].Aktuell = kTyped;
    autosave.changed();
    QVERIFY(written.wait(5000));
    const QString file = shell::Autosave::folder() + "/demo.ovp";
    QCOMPARE(written.at(0).at(0).toString(), file);
    QCOMPARE(ReadFileText(file.toStdString()), ProjectOf(doc));
    QCOMPARE(FindRecoveryCopy(shell::Autosave::folder().toStdString())->originalPath, ws.projectPath);

    // A folder that cannot be made: told, and the next change tries again.
    const QString folder = shell::Autosave::folder();
    QVERIFY(QDir().rename(folder, folder + ".away"));
    QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    QSignalSpy failed(&autosave, &shell::Autosave::failed);
    autosave.changed();
    QVERIFY(failed.wait(5000));
    QVERIFY(failed.at(0).at(0).toString().startsWith("Path not found"));
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(folder + ".away", folder));

    doc.Texte[1][3].Aktuell = kTyped;
    autosave.changed();
    autosave.saved();
    QTRY_VERIFY(!FindRecoveryCopy(folder.toStdString()));
    QTest::qWait(100);
    QCOMPARE(written.count(), 1);

    QSettings().setValue(shell::Autosave::kIntervalKey, 600000);
    QCOMPARE(shell::Autosave::configuredInterval(), shell::Autosave::kLongestInterval);
    QSettings().remove(shell::Autosave::kIntervalKey);
  }

  void killedSessionIsOffered_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("outcome");
    const QString copy = QString::fromStdString(home_.file("texts/demo.ovp"));
    QTest::newRow("Recover") << "Recover" << false << "1 typed " + copy + " modified, copy kept";
    QTest::newRow("Discard") << "Discard" << false << "2 original  saved, copy gone";
    QTest::newRow("Later") << "Later" << false << "3 original  saved, copy kept";
    QTest::newRow("damaged") << "Recover" << true << "4 original  saved, copy kept";
  }
  void killedSessionIsOffered() {
    QFETCH(QString, answer);
    QFETCH(bool, damaged);
    QFETCH(QString, outcome);
    {
      Document before = Demo();
      const Workspace ws{.projectPath = home_.file("texts/demo.ovp")};
      shell::Autosave autosave(before, ws, std::chrono::milliseconds(1));
      before.Texte[1][2].Aktuell = kTyped;
      autosave.changed();
      QVERIFY(QSignalSpy(&autosave, &shell::Autosave::written).wait(5000));
    }  // killed: neither saved nor discarded
    const QString folder = shell::Autosave::folder();
    if (damaged) std::filesystem::resize_file((folder + "/demo.ovp").toStdString(), 100);

    Document doc = Demo();
    Workspace ws;
    shell::QtPrompter prompter;
    QString said;
    AnswerBoxes(damaged ? QStringList{answer, "OK"} : QStringList{answer}, said);
    const shell::RecoveryResult result = shell::OfferRecovery(folder, doc, ws, prompter);
    const std::optional<RecoveryCopy> left = FindRecoveryCopy(folder.toStdString());
    QCOMPARE(QString("%1 %2 %3 %4, %5")
                 .arg(int(result.choice))
                 .arg(doc.Texte[1][2].Aktuell == kTyped ? "typed" : "original")
                 .arg(QString::fromStdString(ws.projectPath))
                 .arg(ws.Geaendert ? "modified" : "saved")
                 .arg(left ? "copy kept" : "copy gone"),
             outcome);
    const QString asked = "Recover unsaved work from [Discard,Later,Recover] ";
    QCOMPARE(said, damaged ? asked + "The recovery copy " + folder + "/demo.ovp [OK] " : asked);
    if (left) RemoveRecoveryCopy(*left);
  }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
