// The editor's team entries: File > Export/Import Translation (PO) with the findings shown before
// the import, Rom > Create Patch from the loaded ROM to the last saved one, and the remembered
// option that fixes the cartridge checksum when saving.

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
    Harness h;
    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello there"));
    rom.SetText(1, 2, Codes("Second"));
    h.load("game.smc", rom);
    h.chooser.answer = h.folder.file("texts.po");
    h.trigger("ExportPo");
    QCOMPARE(h.prompter.last().text, "5815 entries written.");

    PoReadResult file = ReadPoFile(*h.chooser.answer);
    file.entries[0].msgstr = "Hi there";
    file.entries[1].msgstr = "a#b";
    WritePoFile(*h.chooser.answer, file.header, file.entries);
    QString seen;
    OnNextModal([&seen](QWidget* w) {
      seen = w->objectName() + ": " + Lines(Child<QListWidget>(w, "Findings")) + " / " +
             Child<QLabel>(w, "Summary")->text().section('.', 0, 0);
      Click(w, "ImportButton");
    });
    h.trigger("ImportPo");
    QCOMPARE(seen,
             "PoImportDialog: texts.po:18: bank 1 text 2: the character \"#\" has no code in the table / 1 "
             "imported, 5813 unchanged, 0 fuzzy, 1 refused");
    QCOMPARE(h.doc.Texte[1][1].Aktuell + " / " + h.doc.Texte[1][2].Aktuell + (h.doc.Geaendert ? " changed" : ""),
             "Hi there / Second changed");
    QCOMPARE(Child<QListWidget>(h.window.get(), "Textliste")->item(0)->text(), "Hi there");
  }

  void savedRomGetsItsChecksumAndThePatchLeadsThere() {
    Harness h;
    QVERIFY(!Child<QAction>(h.window.get(), "FixChecksum")->isChecked());
    Child<QAction>(h.window.get(), "FixChecksum")->setChecked(true);
    QVERIFY(Child<QAction>(Harness().window.get(), "FixChecksum")->isChecked());  // remembered for the next start

    const std::string demo = h.folder.file("demo.smc");
    WriteFileAtomically(demo, demo::BuildDemoRom());
    WriteFileAtomically(h.folder.file("Orvane_Englisch.tbl"), demo::DemoTableFile());
    h.load("demo.smc");
    h.trigger("CreatePatch");
    QCOMPARE(h.said(), "Create Patch");  // nothing saved yet

    h.doc.Texte[1][1].Aktuell = "Changed.";
    h.doc.TabelleGeaendert = true;
    h.chooser.answer = h.folder.file("de.smc");
    h.trigger("RomSpeichern");
    QCOMPARE(h.said(), "Create Patch | Finished! | Info");  // no read-back finding
    const std::vector<uint8_t> rom = ReadWholeFile(*h.chooser.answer);
    const std::optional<CartridgeHeader> header = FindCartridgeHeader(rom);
    QVERIFY(header && ComputeChecksum(rom, *header) == header->storedChecksum);

    h.chooser.answer = h.folder.file("de.bps");
    h.trigger("CreatePatch");
    ApplyPatchFile(h.folder.file("de.bps"), demo, h.folder.file("out.smc"));
    QCOMPARE(ReadWholeFile(h.folder.file("out.smc")), rom);

    h.chooser.answer = demo;  // saved into the loaded ROM itself: no original is left to patch from
    h.trigger("RomSpeichern");
    h.trigger("CreatePatch");
    QVERIFY(h.prompter.last().text.find("saved into the loaded ROM itself") != std::string::npos);
    Child<QAction>(h.window.get(), "FixChecksum")->setChecked(false);
  }
};

QTEST_MAIN(ExchangeMenuTest)
#include "exchange_menu_test.moc"
