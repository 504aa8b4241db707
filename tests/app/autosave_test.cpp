// Autosave and the recovery offer: a copy written a short interval after a change into the data
// folder of XDG_DATA_HOME, removed by a save; a killed session's copy offered at the next start and
// each of Recover, Discard and Later (and Recover of a damaged copy) doing what it says.

#include <filesystem>

#include "demo/demo_rom.h"
#include "project/project_file.h"
#include "shell/autosave.h"
#include "shell/recovery_offer.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr const char* kTyped = "Typed before the kill";

Document Demo() {
  Document doc;
  demo::MakeDemoDocument(doc);
  return doc;
}

Workspace ProjectAt(const std::string& path) {
  Workspace workspace;
  workspace.projectPath = path;
  return workspace;
}

}  // namespace

class AutosaveTest : public QObject {
  Q_OBJECT
  TempFolder home_;
  std::string project_ = home_.file("texts/demo.ovp");

 private slots:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_.file("data")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home_.file("config")));
    QVERIFY(shell::Autosave::folder().startsWith(QString::fromStdString(home_.file("data/"))));
  }

  // The setting's interval (never above a minute); a folder that cannot be made is told; a save
  // removes the copy and stops the pending one.
  void copyFollowsAChangeAndGoesWithTheSave() {
    QSettings().setValue(shell::Autosave::kIntervalKey, 600000);
    QCOMPARE(shell::Autosave::configuredInterval(), shell::Autosave::kLongestInterval);
    QSettings().setValue(shell::Autosave::kIntervalKey, 30);
    Document doc = Demo();
    const Workspace ws = ProjectAt(project_);
    shell::Autosave autosave(doc, ws);
    QSignalSpy written(&autosave, &shell::Autosave::written), failed(&autosave, &shell::Autosave::failed);
    doc.Texte[1][2].Aktuell = kTyped;
    autosave.setUnsavedEdits([](Document& copy) { copy.Texte[1][3].Aktuell = "in the pane"; });
    autosave.changed();
    QVERIFY(written.wait(5000));
    doc.Texte[1][3].Aktuell = "in the pane";
    const QString folder = shell::Autosave::folder();
    QCOMPARE(written.at(0).at(0).toString(), folder + "/demo.ovp");
    SilentProgress silent;
    QCOMPARE(ReadFileText((folder + "/demo.ovp").toStdString()), ProjectText(doc, silent));

    QVERIFY(QDir().rename(folder, folder + ".away"));
    QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    autosave.changed();
    QVERIFY(failed.wait(5000));
    QVERIFY(failed.at(0).at(0).toString().startsWith("Path not found"));
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(folder + ".away", folder));

    autosave.changed();
    autosave.saved();
    QTRY_VERIFY(!FindRecoveryCopy(folder.toStdString()));
    QTest::qWait(100);
    QCOMPARE(written.count(), 1);
    QSettings().remove(shell::Autosave::kIntervalKey);
  }

  void killedSessionIsOffered_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("Recover") << Answer::Yes << false << "1 typed " + QString::fromStdString(project_) + " modified, kept -";
    QTest::newRow("Discard") << Answer::No << false << "2 original  saved, gone -";
    QTest::newRow("Later") << Answer::Cancel << false << "3 original  saved, kept -";
    QTest::newRow("damaged") << Answer::Yes << true << "4 original  saved, kept Error!";
  }
  void killedSessionIsOffered() {
    QFETCH(Answer, answer);
    QFETCH(bool, damaged);
    QFETCH(QString, outcome);
    {
      const Document before = Demo();
      const Workspace ws = ProjectAt(project_);
      shell::Autosave autosave(before, ws, std::chrono::milliseconds(1));
      autosave.setUnsavedEdits([](Document& copy) { copy.Texte[1][2].Aktuell = kTyped; });  // typed, not stored
      autosave.changed();
      QVERIFY(QSignalSpy(&autosave, &shell::Autosave::written).wait(5000));
    }  // killed: neither saved nor discarded
    const QString folder = shell::Autosave::folder();
    if (damaged) std::filesystem::resize_file((folder + "/demo.ovp").toStdString(), 100);

    Document doc = Demo();
    Workspace ws;
    ScriptedPrompter prompter({answer});
    const shell::RecoveryResult result = shell::OfferRecovery(folder, doc, ws, prompter);
    const std::optional<RecoveryCopy> left = FindRecoveryCopy(folder.toStdString());
    QCOMPARE(QString("%1 %2 %3 %4, %5 %6")
                 .arg(int(result.choice))
                 .arg(doc.Texte[1][2].Aktuell == kTyped ? "typed" : "original")
                 .arg(QString::fromStdString(ws.projectPath))
                 .arg(ws.Geaendert ? "modified" : "saved")
                 .arg(left ? "kept" : "gone")
                 .arg(QString::fromStdString(prompter.messages().size() > 1 ? prompter.last().title : "-")),
             outcome);
    const Message& asked = prompter.messages().front();
    QCOMPARE(QString::fromStdString(asked.text).section(' ', 0, 3) + " " +
                 QString::fromStdString(asked.answerWords[0] + asked.answerWords[1] + asked.answerWords[2]),
             "Recover unsaved work from RecoverDiscardLater");
    if (left) RemoveRecoveryCopy(*left);
  }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
