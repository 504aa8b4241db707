// The main window's frame: captions, menus and their enabling before and after a load, the
// settings file, the closing question, the About and Change Font windows.

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "editors/editor_pane.h"
#include "main_window_harness.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

QByteArray ReadFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteFile(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Runs `act` on the next modal window that opens, once the event loop gets to it.
void OnNextModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    act(modal);
  });
}

}  // namespace

class MainWindowStateTest : public QObject {
  Q_OBJECT
 private slots:
  void startsEmptyWithOnlyTheDocumentFreeCommands() {
    MainWindowHarness h;
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Orvane Texteditor V 1.0"));
    QCOMPARE(h.find<QGroupBox>("textBlockNr")->title(), QStringLiteral("Textblock : 1"));
    for (const char* name : {"LoadProject", "DateiOeffnen"}) QVERIFY2(h.action(name)->isEnabled(), name);
    for (const char* name : {"SaveProject", "RomSpeichern"}) QVERIFY2(!h.action(name)->isEnabled(), name);
    QVERIFY(!h.menu("RomMenue")->isEnabled());
    QVERIFY(!h.menu("Editor_Menue")->isEnabled());
    QVERIFY(h.action("AboutMenue")->isEnabled());
    QVERIFY(!h.find<QPushButton>("TextSpeichern")->isEnabled());
    QVERIFY(!h.find<QPushButton>("SuchenKnopf")->isEnabled());
    QVERIFY(h.find<QPushButton>("Schrift")->isEnabled());
    QVERIFY(h.find<QPushButton>("Verstecken")->isEnabled());
    QVERIFY(!h.find<QScrollBar>("ScrollBank")->isEnabled());
    QVERIFY(h.find<QProgressBar>("Status")->isHidden());
    QVERIFY(h.find<QPushButton>("SpeicherAbbruchButton")->isHidden());
  }

  void loadEnablesTheEditingCommands() {
    MainWindowHarness h;
    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello"));
    h.load(rom);
    QVERIFY(h.prompter.empty());
    for (const char* name : {"SaveProject", "RomSpeichern", "LoadProject", "DateiOeffnen"})
      QVERIFY2(h.action(name)->isEnabled(), name);
    QVERIFY(h.menu("RomMenue")->isEnabled());
    QVERIFY(h.menu("Editor_Menue")->isEnabled());
    for (QAction* item : h.find<QMenu>("Editor_Menue")->actions()) QVERIFY(item->isEnabled());
    QVERIFY(h.find<QPushButton>("TextSpeichern")->isEnabled());
    QVERIFY(h.find<QPushButton>("SuchenKnopf")->isEnabled());
    auto* bank = h.find<QScrollBar>("ScrollBank");
    QVERIFY(bank->isEnabled());
    QCOMPARE(bank->minimum(), 1);
    QCOMPARE(bank->maximum(), 21);
    QCOMPARE(bank->value(), 1);
    QCOMPARE(h.find<editors::EditorPane>("RomText0")->toPlainText(), QStringLiteral("Hello"));
    QCOMPARE(h.find<QGroupBox>("textBlockNr")->title(), QStringLiteral("Bank: 1     Text: 1"));
    QVERIFY(!h.doc.Geaendert);
  }

  void rejectedHeaderEnablesNothing() {
    MainWindowHarness h;
    RomFixture rom;
    rom.PutBytes(40, {0x12});
    h.load(rom);
    QCOMPARE(h.prompter.messages().size(), size_t(1));
    QCOMPARE(h.prompter.last().title, std::string("Bad Rom!!!"));
    QVERIFY(!h.action("RomSpeichern")->isEnabled());
    QVERIFY(!h.menu("RomMenue")->isEnabled());
  }

  // Without a table file the load stops, but "Save in Rom" and the Rom menu are already usable.
  void missingTableStillEnablesTheRomCommands() {
    MainWindowHarness h;
    RomFixture rom;
    const std::string path = h.folder.file("game.smc");
    rom.WriteTo(path);
    h.window->setRomChooser([path](Document& d) {
      d.GewaehlteDatei = path;
      d.LadeOption = 0;
    });
    h.window->loadRom();
    QCOMPARE(h.prompter.messages().size(), size_t(1));
    QVERIFY(h.action("RomSpeichern")->isEnabled());
    QVERIFY(h.menu("RomMenue")->isEnabled());
    QVERIFY(!h.menu("Editor_Menue")->isEnabled());
    QVERIFY(!h.action("SaveProject")->isEnabled());
  }

  // A file that cannot even be read for the header check stops before anything in the window changes.
  void unreadableRomEnablesNothingAndKeepsTheShownText() {
    MainWindowHarness h;
    const std::string missing = h.folder.file("missing.smc");
    const auto chooseMissing = [missing](Document& d) {
      d.GewaehlteDatei = missing;
      d.LadeOption = 0;
    };
    h.window->setRomChooser(chooseMissing);
    h.window->loadRom();
    QCOMPARE(h.prompter.messages().size(), size_t(1));
    QCOMPARE(h.prompter.last().title, std::string("Error"));
    QVERIFY(!h.action("RomSpeichern")->isEnabled());
    QVERIFY(!h.menu("RomMenue")->isEnabled());

    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello"));
    h.load(rom);
    h.window->setRomChooser(chooseMissing);
    h.window->loadRom();
    QCOMPARE(h.prompter.messages().size(), size_t(2));
    QCOMPARE(h.find<editors::EditorPane>("RomText0")->toPlainText(), QStringLiteral("Hello"));
    QCOMPARE(h.find<editors::EditorPane>("RomText1")->toPlainText(), QStringLiteral("Hello"));
    QCOMPARE(h.find<QListWidget>("Textliste")->count(), h.doc.BankInfo[1].TextCount);
  }

  void closingTheChooserChangesNothing() {
    MainWindowHarness h;
    h.doc.TabelleGeaendert = true;
    h.window->setRomChooser([](Document& d) { d.LadeOption = -1; });
    h.window->loadRom();
    QVERIFY(!h.doc.TabelleGeaendert);  // cleared before the window opens
    QVERIFY(h.prompter.empty());
    QVERIFY(!h.action("RomSpeichern")->isEnabled());
  }

  void settingsDefaultAndWrittenAtClose() {
    MainWindowHarness h;
    QCOMPARE(h.doc.OhneOptimierWarnung, int16_t(1));
    QCOMPARE(h.doc.Einstellung2, int16_t(4));
    QVERIFY(!QFile::exists(h.window->settingsPath()));
    QVERIFY(h.window->close());
    QVERIFY(h.prompter.empty());  // nothing changed, nothing asked
    QCOMPARE(ReadFile(h.folder.file("settings.ini")), QByteArray(" 1 \r\n 4 \r\n"));
  }

  void settingsReadFromTheProgramFolder() {
    MainWindowHarness h;
    WriteFile(h.folder.file("settings.ini"), "   0\r\n-7 and more\r\n");
    h.open();
    QCOMPARE(h.doc.OhneOptimierWarnung, int16_t(0));
    QCOMPARE(h.doc.Einstellung2, int16_t(-7));
    QVERIFY(h.window->close());
    QCOMPARE(ReadFile(h.folder.file("settings.ini")), QByteArray(" 0 \r\n-7 \r\n"));

    WriteFile(h.folder.file("settings.ini"), "x\r\n");  // no number → 0; a missing line keeps its default
    h.open();
    QCOMPARE(h.doc.OhneOptimierWarnung, int16_t(0));
    QCOMPARE(h.doc.Einstellung2, int16_t(4));
  }

  void closeQuestionNoKeepsTheWindow() {
    MainWindowHarness h;
    h.doc.Geaendert = true;
    h.prompter.queue(Answer::No);
    h.window->show();
    QVERIFY(!h.window->close());
    QVERIFY(h.window->isVisible());
    QCOMPARE(h.prompter.messages().size(), size_t(1));
    const Message& m = h.prompter.last();
    QCOMPARE(m.title, std::string("Warning!"));
    QCOMPARE(m.text, std::string("You haven't saved your changes!\r\nDo you still want to quit?"));
    QCOMPARE(m.buttons, Buttons::YesNo);
    QCOMPARE(m.defaultAnswer, Answer::No);
    QCOMPARE(m.icon, Icon::Exclamation);
    QVERIFY(m.systemModal);
    QVERIFY(!QFile::exists(h.window->settingsPath()));
  }

  void closeQuestionYesClosesEverything() {
    MainWindowHarness h;
    h.doc.Geaendert = true;
    h.prompter.queue(Answer::Yes);
    h.window->show();
    QWidget search;
    search.show();
    h.window->setSearchWindow(&search);
    QWidget other;
    other.show();
    QVERIFY(h.window->close());
    QVERIFY(!search.isVisible());
    QVERIFY(!other.isVisible());
    QVERIFY(QFile::exists(h.window->settingsPath()));
  }

  void changeFontAppliesToBothPanes() {
    MainWindowHarness h;
    h.window->show();
    auto* editor = h.find<editors::EditorPane>("RomText0");
    auto* original = h.find<editors::EditorPane>("RomText1");
    QString shownName;
    OnNextModal([&shownName](QWidget* window) {
      shownName = window->findChild<QLineEdit*>("schriftname")->text();
      window->close();  // closing without Apply changes nothing
    });
    QTest::mouseClick(h.find<QPushButton>("Schrift"), Qt::LeftButton);
    QCOMPARE(shownName, QStringLiteral("Courier New"));
    QCOMPARE(editor->font().family(), QStringLiteral("Courier New"));

    OnNextModal([](QWidget* window) {
      QCOMPARE(window->windowTitle(), QStringLiteral("Change Font"));
      window->findChild<QLineEdit*>("schriftname")->setText(QStringLiteral("No Such Font"));
      QTest::mouseClick(window->findChild<QPushButton*>("schriftspeichern"), Qt::LeftButton);
    });
    QTest::mouseClick(h.find<QPushButton>("Schrift"), Qt::LeftButton);
    QCOMPARE(editor->font().family(), QStringLiteral("No Such Font"));
    QCOMPARE(original->font().family(), QStringLiteral("No Such Font"));
    QVERIFY(editor->font().bold());
  }
};

QTEST_MAIN(MainWindowStateTest)
#include "main_window_state_test.moc"
