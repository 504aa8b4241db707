// "Save in Rom", "Save Project" and "Load Project" from the main window: the written ROM loads back
// with the edited text, the window is locked while the save runs and restored after it, Cancel
// stops it, and a project round trip restores the document.

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "editors/editor_pane.h"
#include "main_window_harness.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

struct LoadedWindow : MainWindowHarness {
  std::string romPath;
  LoadedWindow() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello there"));
    rom.SetText(2, 5, Codes("Second bank"));
    rom.SetLocation(1, Codes("Town"));
    romPath = load(rom);
  }
  void edit(const QString& text) {
    find<editors::EditorPane>("RomText0")->setPlainText(text);
    QTest::mouseClick(find<QPushButton>("TextSpeichern"), Qt::LeftButton);
  }
  bool locked() const {
    return !menu("DateiMenue")->isEnabled() && !menu("RomMenue")->isEnabled() && !menu("Editor_Menue")->isEnabled() &&
           !action("AboutMenue")->isEnabled() && !find<QPushButton>("TextSpeichern")->isEnabled() &&
           !find<QPushButton>("SuchenKnopf")->isEnabled() && !find<QPushButton>("Schrift")->isEnabled() &&
           !find<QPushButton>("Verstecken")->isEnabled();
  }
  void expectRestored() const {
    QVERIFY(menu("DateiMenue")->isEnabled());
    QVERIFY(menu("RomMenue")->isEnabled());
    QVERIFY(menu("Editor_Menue")->isEnabled());
    QVERIFY(action("AboutMenue")->isEnabled());
    QVERIFY(find<QPushButton>("TextSpeichern")->isEnabled());
    QVERIFY(find<QPushButton>("Verstecken")->isEnabled());
    QVERIFY(find<QProgressBar>("Status")->isHidden());
    QCOMPARE(find<QProgressBar>("Status")->value(), 0);
    QVERIFY(find<QPushButton>("SpeicherAbbruchButton")->isHidden());
    QCOMPARE(window->windowTitle(), QStringLiteral("Orvane Texteditor V 1.0"));
    QVERIFY(!window->schreibenLaeuft());
  }
};

QByteArray FileBytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MainWindowSaveTest : public QObject {
  Q_OBJECT
 private slots:
  void saveIntoANewFileLoadsBackWithTheEdit() {
    LoadedWindow w;
    w.window->show();
    const QByteArray loadedBefore = FileBytes(w.romPath);
    w.edit(QStringLiteral("Hello\nagain"));
    QVERIFY(w.doc.Geaendert);

    const std::string out = w.folder.file("new.smc");
    w.chooser.answer = out;
    bool sawLocked = false;
    bool closeRefused = false;
    QTimer::singleShot(0, [&] {
      sawLocked = w.window->schreibenLaeuft() && w.locked() &&
                  w.find<QPushButton>("SpeicherAbbruchButton")->isVisible() && w.find<QProgressBar>("Status")->isVisible();
      closeRefused = !w.window->close();
    });
    w.action("RomSpeichern")->trigger();
    QVERIFY(sawLocked);
    QVERIFY(closeRefused);
    w.expectRestored();

    QCOMPARE(w.chooser.requests.size(), size_t(1));
    QCOMPARE(w.chooser.requests[0].title, std::string("In Rom Speichern..."));
    QCOMPARE(w.chooser.requests[0].filter, std::string("SNES-Roms|*.smc;*.fig"));
    QVERIFY(w.chooser.requests[0].save);
    QCOMPARE(w.prompter.messages().size(), size_t(2));
    QCOMPARE(w.prompter.messages()[0].title, std::string("Finished!"));
    QCOMPARE(w.prompter.messages()[1].title, std::string("Info"));
    QVERIFY(!w.doc.Geaendert);
    QVERIFY(w.doc.TabelleGeaendert);
    QCOMPARE(FileBytes(w.romPath), loadedBefore);  // the loaded ROM itself is untouched

    MainWindowHarness back;
    WriteTableFile(back.folder.path());
    back.window->setRomChooser([out](Document& d) {
      d.GewaehlteDatei = out;
      d.LadeOption = 0;
    });
    back.window->loadRom();
    QVERIFY(back.prompter.empty());
    QCOMPARE(back.doc.Texte[1][1].Aktuell, std::string("Hello[L_]again"));
    QCOMPARE(back.doc.Texte[2][5].Aktuell, std::string("Second bank"));
    QCOMPARE(back.doc.StadtNamen[1], std::string("Town"));
    QCOMPARE(back.find<editors::EditorPane>("RomText0")->toPlainText(), QStringLiteral("Hello\nagain"));
  }

  void cancelStopsTheSave() {
    LoadedWindow w;
    w.window->show();
    w.edit(QStringLiteral("Changed"));
    w.chooser.answer = w.folder.file("cancelled.smc");
    QTimer::singleShot(0, [&] { QTest::mouseClick(w.find<QPushButton>("SpeicherAbbruchButton"), Qt::LeftButton); });
    w.action("RomSpeichern")->trigger();
    w.expectRestored();
    for (const Message& m : w.prompter.messages()) QVERIFY(m.title != "Finished!" && m.title != "Info");
    QVERIFY(w.doc.Geaendert);  // nothing was saved
  }

  void closingTheFileDialogTouchesNothing() {
    LoadedWindow w;
    w.chooser.answer.reset();
    w.action("RomSpeichern")->trigger();
    QVERIFY(w.prompter.empty());
    w.expectRestored();
  }

  // After a load that stopped at the missing table file only "Save in Rom" and the Rom menu are
  // usable; the save's end enables everything it locked, even when its file dialog was closed.
  // A declined warning leaves before that end and changes nothing.
  void saveEndEnablesEveryLockedControl() {
    MainWindowHarness h;
    const std::string path = h.folder.file("game.smc");
    RomFixture().WriteTo(path);
    h.window->setRomChooser([path](Document& d) {
      d.GewaehlteDatei = path;
      d.LadeOption = 0;
    });
    h.window->loadRom();
    QCOMPARE(h.prompter.last().title, std::string("Sorry!"));
    h.doc.OhneOptimierWarnung = 0;
    h.chooser.answer.reset();

    h.prompter.queue(Answer::Cancel);
    h.action("RomSpeichern")->trigger();
    QCOMPARE(h.prompter.last().title, std::string("Warning!!!"));
    QVERIFY(h.chooser.requests.empty());
    QVERIFY(!h.menu("Editor_Menue")->isEnabled());
    QVERIFY(!h.find<QPushButton>("TextSpeichern")->isEnabled());
    QVERIFY(!h.find<QPushButton>("SuchenKnopf")->isEnabled());

    h.action("RomSpeichern")->trigger();  // the warning's default is OK
    QCOMPARE(h.chooser.requests.size(), size_t(1));
    for (const char* menu : {"DateiMenue", "RomMenue", "Editor_Menue"}) QVERIFY2(h.menu(menu)->isEnabled(), menu);
    QVERIFY(h.action("AboutMenue")->isEnabled());
    for (const char* button : {"TextSpeichern", "SuchenKnopf", "Schrift", "Verstecken"})
      QVERIFY2(h.find<QPushButton>(button)->isEnabled(), button);
    QVERIFY(h.find<QPushButton>("SpeicherAbbruchButton")->isHidden());
    QVERIFY(!h.window->schreibenLaeuft());
  }

  void projectRoundTripThroughTheMenus() {
    LoadedWindow w;
    w.window->show();
    w.edit(QStringLiteral("Project text"));
    const std::string project = w.folder.file("work.ovp");
    w.chooser.answer = project;
    w.action("SaveProject")->trigger();
    QVERIFY(w.prompter.empty());
    QVERIFY(!w.doc.Geaendert);
    w.expectRestored();

    MainWindowHarness other;
    QWidget search;
    search.show();
    other.window->setSearchWindow(&search);
    other.chooser.answer = project;
    other.window->show();
    other.action("LoadProject")->trigger();
    QVERIFY(other.prompter.empty());
    QVERIFY(!search.isVisible());
    QCOMPARE(other.doc.Texte[1][1].Aktuell, std::string("Project text"));
    QCOMPARE(other.doc.Texte[1][1].Original, std::string("Hello there"));
    QVERIFY(other.action("RomSpeichern")->isEnabled());
    QVERIFY(other.action("GegnerNamenMenue")->isEnabled());
    QCOMPARE(other.find<editors::EditorPane>("RomText0")->toPlainText(), QStringLiteral("Project text"));
    QVERIFY(other.find<QProgressBar>("Status")->isHidden());
  }

  // Choosing "Load Project" already counts as a load for the dictionary, but a closed dialog leaves
  // the search window, the shown text and every control as they were.
  void cancelledProjectLoadOnlyClearsTheDictionaryFlag() {
    LoadedWindow w;
    w.window->show();
    w.edit(QStringLiteral("Kept"));
    w.doc.TabelleGeaendert = true;
    QWidget search;
    search.show();
    w.window->setSearchWindow(&search);
    w.chooser.answer.reset();
    w.action("LoadProject")->trigger();
    QVERIFY(w.prompter.empty());
    QCOMPARE(w.chooser.requests.back().title, std::string("Projekt laden..."));
    QVERIFY(!w.doc.TabelleGeaendert);
    QVERIFY(w.doc.Geaendert);
    QVERIFY(search.isVisible());
    QCOMPARE(w.find<editors::EditorPane>("RomText0")->toPlainText(), QStringLiteral("Kept"));
    w.expectRestored();
  }

  void wrongProjectVersionEnablesNothing() {
    MainWindowHarness h;
    const std::string project = h.folder.file("bad.ovp");
    QFile file(QString::fromStdString(project));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[orvane texteditor v 1.00]\r\n");
    file.close();
    QWidget search;
    search.show();
    h.window->setSearchWindow(&search);
    h.chooser.answer = project;
    h.action("LoadProject")->trigger();
    QVERIFY(!search.isVisible());  // closed once the file is open, before its first line is read
    QCOMPARE(h.prompter.messages().size(), size_t(1));
    QCOMPARE(h.prompter.last().text, std::string("Wrong fileversion detected!"));
    QVERIFY(!h.action("RomSpeichern")->isEnabled());
    QVERIFY(!h.menu("Editor_Menue")->isEnabled());
    QVERIFY(h.menu("DateiMenue")->isEnabled());
    QVERIFY(h.find<QProgressBar>("Status")->isHidden());
  }
};

QTEST_MAIN(MainWindowSaveTest)
#include "main_window_save_test.moc"
