// The editor's team entries: File > Export/Import Translation (PO) with the findings shown before
// the import, Rom > Create Patch from the loaded ROM to the last saved one, and the remembered
// option that fixes the cartridge checksum when saving.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "common/file_helpers.h"
#include "demo/demo_document.h"
#include "demo/demo_rom.h"
#include "exchange/cartridge.h"
#include "exchange/patch.h"
#include "exchange/po_file.h"
#include "main_window_harness.h"

using namespace orvane;
using namespace orvane::testing;

class ExchangeMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane Texteditor")).clear();
  }

  void poImportShowsItsFindingsAndImportsTheGoodEntries() {
    MainWindowHarness h;
    QVERIFY(!h.action("ExportPo")->isEnabled());
    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello there"));
    rom.SetText(1, 2, Codes("Second"));
    h.load(rom);
    QVERIFY(h.action("ImportPo")->isEnabled());
    const std::string po = h.folder.file("texts.po");
    h.chooser.answer = po;
    h.action("ExportPo")->trigger();
    QCOMPARE(h.prompter.last().text, std::string("5815 entries written."));

    PoReadResult file = ReadPoFile(po);
    file.entries[0].msgstr = "Hi there";
    file.entries[1].msgstr = "a#b";
    WritePoFile(po, file.header, file.entries);
    QStringList findings;
    QString summary;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog && dialog->objectName() == QStringLiteral("PoImportDialog"));
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("Findings"));
      for (int i = 0; i < list->count(); ++i) findings << list->item(i)->text();
      summary = dialog->findChild<QLabel*>(QStringLiteral("Summary"))->text();
      dialog->findChild<QPushButton*>(QStringLiteral("ImportButton"))->click();
    });
    h.action("ImportPo")->trigger();
    QCOMPARE(findings,
             QStringList{QStringLiteral("texts.po:18: bank 1 text 2: the character \"#\" has no code in the table")});
    QVERIFY(summary.startsWith(QStringLiteral("1 imported, 5813 unchanged, 0 fuzzy, 1 refused.")));
    QCOMPARE(h.doc.Texte[1][1].Aktuell, std::string("Hi there"));
    QCOMPARE(h.doc.Texte[1][2].Aktuell, std::string("Second"));
    QVERIFY(h.doc.Geaendert);
    QCOMPARE(h.find<QListWidget>("Textliste")->item(0)->text(), QStringLiteral("Hi there"));
  }

  void savedRomGetsItsChecksumAndThePatchLeadsThere() {
    MainWindowHarness h;
    QVERIFY(!h.action("FixChecksum")->isChecked());
    h.action("FixChecksum")->setChecked(true);
    QVERIFY(MainWindowHarness().action("FixChecksum")->isChecked());  // remembered for the next start

    const std::string demo = h.folder.file("demo.smc");
    WriteFileAtomically(demo, demo::BuildDemoRom());
    WriteFileAtomically(h.folder.file("Orvane_Englisch.tbl"), demo::DemoTableFile());
    h.window->setRomChooser([demo](Document& d) {
      d.GewaehlteDatei = demo;
      d.LadeOption = 0;
    });
    h.window->loadRom();
    h.action("CreatePatch")->trigger();
    QCOMPARE(h.prompter.last().title, std::string("Create Patch"));  // nothing saved yet
    QCOMPARE(h.prompter.messages().size(), size_t(1));

    h.doc.Texte[1][1].Aktuell = "Changed.";
    h.doc.TabelleGeaendert = true;
    const std::string saved = h.folder.file("de.smc");
    h.chooser.answer = saved;
    h.action("RomSpeichern")->trigger();
    QCOMPARE(h.prompter.messages().size(), size_t(3));  // "Finished!" and "Info": no read-back finding
    const std::vector<uint8_t> rom = ReadWholeFile(saved);
    const std::optional<CartridgeHeader> header = FindCartridgeHeader(rom);
    QVERIFY(header && ComputeChecksum(rom, *header) == header->storedChecksum);

    h.chooser.answer = h.folder.file("de.bps");
    h.action("CreatePatch")->trigger();
    ApplyPatchFile(h.folder.file("de.bps"), demo, h.folder.file("out.smc"));
    QCOMPARE(ReadWholeFile(h.folder.file("out.smc")), rom);

    h.chooser.answer = demo;  // saved into the loaded ROM itself: no original is left to patch from
    h.action("RomSpeichern")->trigger();
    h.action("CreatePatch")->trigger();
    QVERIFY(h.prompter.last().text.find("saved into the loaded ROM itself") != std::string::npos);
    h.action("FixChecksum")->setChecked(false);
  }
};

QTEST_MAIN(ExchangeMenuTest)
#include "exchange_menu_test.moc"
