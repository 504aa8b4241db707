// The program's shell: the main window driven as a user drives it (the loads that fail and the one
// that works, browsing and editing texts, the windows it opens, saving into a ROM and a project,
// closing), the team entries (File > Export/Import Translation with the findings shown before the
// import, Rom > Create Patch from the loaded ROM to the last saved one, the remembered option that
// fixes the cartridge checksum when saving), and the Qt face of the core's message boxes.

#include <sys/stat.h>

#include <filesystem>

#include "common/file_helpers.h"
#include "demo/demo_document.h"
#include "demo/demo_rom.h"
#include "exchange/cartridge.h"
#include "exchange/patch.h"
#include "exchange/po_file.h"
#include "widgets/qt_cp1252.h"
#include "widgets/qt_prompter.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

// The controls a user can reach, as Harness::usable() lists them.
const QString kIdle = "DateiMenueAction AboutMenue Schrift Verstecken";
const QString kRomOnly = "RomSpeichern RomMenueAction " + kIdle;
const QString kLoaded =
    kRomOnly + " SaveProject ExportPo ImportPo Editor_MenueAction TextSpeichern SuchenKnopf ScrollBank";

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ForgetSettings(); }

  void loadsThatFailAndTheOneThatWorks() {
    Harness h;
    std::ofstream(h.folder.file("bad.fig")) << std::string(40, '\0') + "\x12";
    h.load("missing.smc");
    h.load("bad.fig");
    QCOMPARE(h.window->windowTitle() + " / " + h.shown() + " / " + h.said() + " / " + h.usable(),
             "Orvane Texteditor V 1.0 / Textblock : 1 /  /  / Error | Bad Rom!!! / " + kIdle);
    // The LoadFile window lists the ROM files of the program folder and loads the one selected,
    // here without a table file, which stops after the header with only the ROM commands usable.
    // Closed, it chooses nothing and asks nothing, though the dictionary flag is cleared as well.
    RomFixture().WriteTo(h.folder.file("game.smc"));
    h.window->setRomChooser(nullptr);
    for (const bool load : {false, true}) {
      h.doc.TabelleGeaendert = true;
      QString seen;
      OnNextModal([&seen, load](QWidget* w) {
        seen = w->windowTitle() + ": " + Lines(Child<QListWidget>(w, "FileList")) +
               (Child(w, "Command1")->isEnabled() ? "" : " -");
        Child<QListWidget>(w, "FileList")->setCurrentRow(1);
        Click(w, "Option1");
        load ? Click(w, "Command1") : void(w->close());
      });
      h.trigger("DateiOeffnen");
      QCOMPARE(seen + QString(" %1 %2 ").arg(h.window->workspace().LadeOption).arg(h.doc.TabelleGeaendert) + h.usable(),
               "Choose your OrvaneSaga rom...: bad.fig,game.smc - " + (load ? "1 0 " + kRomOnly : "0 0 " + kIdle));
    }
    // A typed path that is not there is refused by name and Cancel chooses nothing; a pasted one,
    // quoted, loads on Enter.
    const QString romBefore = QString::fromStdString(h.window->workspace().RomPfad);
    QString refused;
    OnNextModal([&refused](QWidget* w) {
      QTest::keyClicks(Box(w, "PathField"), "nowhere.smc");
      Click(w, "Command1");
      refused = Child<QLabel>(w, "PathProblem")->text();
      Click(w, "CancelButton");
    });
    h.trigger("DateiOeffnen");
    const QString cancelled = QString::fromStdString(h.window->workspace().RomPfad);
    OnNextModal([&h](QWidget* w) {
      QTest::keyClicks(Box(w, "PathField"), "'" + QString::fromStdString(h.folder.file("bad.fig")) + "'");
      QTest::keyClick(Box(w, "PathField"), Qt::Key_Return);
    });
    h.trigger("DateiOeffnen");
    QCOMPARE(QStringList({refused, cancelled, QString::fromStdString(h.window->workspace().RomPfad)}),
             QStringList({QString::fromStdString(h.folder.file("nowhere.smc")) + " does not exist.", romBefore,
                          QString::fromStdString(h.folder.file("bad.fig"))}));
    h.load("game.smc");
    // A declined warning leaves "Save in Rom" before anything is locked; an accepted one ends the
    // save even when its file dialog is closed, and that end enables every control it locked.
    h.window->settings().OhneOptimierWarnung = 0;
    h.prompter.queue(Answer::Yes);  // go on despite the problems of a document without texts
    h.prompter.queue(Answer::Cancel);
    h.trigger("RomSpeichern");
    const QString declined = h.usable();
    h.trigger("RomSpeichern");
    QCOMPARE(h.said() + " / " + declined + " / " + h.usable(),
             "Error | Bad Rom!!! | Sorry! | Bad Rom!!! | Sorry! | Problems | Warning!!! | Problems | Warning!!! / " + kRomOnly +
                 " / " + kRomOnly +
                 " Editor_MenueAction TextSpeichern SuchenKnopf");
    h.load("game.smc", RomFixture());
    QCOMPARE(h.shown() + " / " + h.usable(), "Bank: 1     Text: 1 /  /  / " + kLoaded);
  }

  void editingTexts() {
    Harness h{RomFixture()};
    auto* list = h.find<QListWidget>("Textliste");
    // "Save" stores the displayed lines wrapped at 42 columns whatever the pane's font and width (the
    // blank at a break stays on the first piece, a word longer than a line is not cut, the fifth
    // line ends the window); the list and the pane follow, the original stays.
    list->setCurrentRow(1);
    h.find("RomText0")->setFont(QFont("Serif", 30));
    h.find("RomText0")->resize(100, 200);
    QCOMPARE(h.saveTyped("A\nB\nC\nThe quick brown fox jumps over the lazy dog and " + QString(50, 'x')),
             "A[L_]B[L_]C[L_]The quick brown fox jumps over the lazy [W_]dog and [L_]" + std::string(50, 'x'));
    QCOMPARE(list->currentItem()->text().left(9) + " / " + h.shown() + (h.window->workspace().Geaendert ? " / changed" : ""),
             "2* A[L_]B / Bank: 1     Text: 2 / A\nB\nC\nThe quick brown fox jumps over the lazy \n\ndog and \n" +
                 QString(50, 'x') + " /  / changed");
    // Every byte but the line breaks and "[" shows as its Windows-1252 character (the five bytes
    // without one keep their number) and comes back unchanged; characters without a byte are
    // refused, with the reason at the pane.
    std::string all;  // from 0x80 on and round
    for (int i = 0x80; i < 0x180; ++i)
      if (const char b = char(i); b && b != '\n' && b != '\r' && b != '[') all += b;
    h.doc.Texte[1][1].Aktuell = all;
    list->setCurrentRow(0);
    h.find<QTextEdit>("RomText0")->setLineWrapMode(QTextEdit::NoWrap);
    h.prompter.queue(Answer::Yes);  // the table has codes for none of them: saved all the same
    Click(h.window.get(), "TextSpeichern");
    const QString shown = list->item(0)->text().mid(3);
    QCOMPARE(h.doc.Texte[1][1].Aktuell, all);
    QCOMPARE(shown, shell::ToQt(all));
    QCOMPARE(shown.left(4) + shown.mid(13, 4) + shown.mid(29, 3), "€\u0081‚ƒ\u008DŽ\u008F\u0090\u009DžŸ");
    QCOMPARE(h.saveTyped("c→d✓e"), "cde");
    QVERIFY(h.find("RomText0")->statusTip().contains("\"→✓\""));

    // Each menu entry opens its window, discarded on closing.
    for (const char* action :
         {"Kompression", "ItemsMenue", "TechMenue", "GegnerNamenMenue", "TitlesMenue", "Stadtnamen_Menue"}) {
      QString seen;
      OnNextModal([&seen](QWidget* w) { seen = w->objectName() + ": " + w->windowTitle(), w->close(); });
      h.trigger(action);
      QVERIFY2(!h.window->findChild<QDialog*>(seen.section(':', 0, 0)), qPrintable(seen));
    }
    // The search window, one at a time beside the main window, finds the working texts (with "Match
    // case" in exact case) or the originals, marks the match in each snippet, shows a found text on a
    // double click, and goes with the next load. "Replace all" (working texts only) asks before the
    // shown text is left, tells the count and asks again, then shows the replaced texts.
    h.doc.Texte[3][12] = {"Kael[L_]and Kael again", "old"};
    h.doc.Texte[21][h.doc.BankInfo[21].TextCount] = {"kael", ""};
    h.doc.Texte[2][1].Original = "Zyxw";
    h.window->show();
    Click(h.window.get(), "SuchenKnopf");
    Click(h.window.get(), "SuchenKnopf");  // a second press opens no second window
    QCOMPARE(h.window->findChildren<QDialog*>("SearchDialog").size(), 1);
    const QPointer<QDialog> search = h.find<QDialog>("SearchDialog");
    QVERIFY(h.window->screen()->availableGeometry().contains(search->frameGeometry()));
    auto* results = Child<QListWidget>(search, "ErgebnisListe");
    const auto run = [search](const char* pattern, bool matchCase, int scope, const char* button) {
      Box(search, "Suchfeld")->setText(pattern);
      Child<QCheckBox>(search, "GrossKlein")->setChecked(matchCase);
      Child<QComboBox>(search, "SuchBereich")->setCurrentIndex(scope);
      Click(search, button);
    };
    run("Kael", true, 0, "SucheStarten");
    const QString first = Lines(results) + " / " + search->windowTitle();
    h.saveTyped("Kael too");  // bank 1, text 1: the next search sees it
    Click(search, "SucheStarten");
    emit results->itemDoubleClicked(results->item(1));
    QCOMPARE(first + " / " + Lines(results) + " / " + h.shown() + " / " + list->currentItem()->text(),
             "Found in Bank: 3  Textnummer: 12 / Textsearch got 1 results / Found in Bank: 1  Textnummer: 1,Found in "
             "Bank: 3  Textnummer: 12 / Bank: 3     Text: 12 / Kael\nand Kael again / old / 12* Kael[L_]and Kael again");
    run("zyxw", false, 1, "SucheStarten");
    QCOMPARE(Lines(results) + results->item(0)->data(Qt::UserRole + 1).toString().section("<b>", 1, 1) +
                 QString::number(Child<QPushButton>(search, "AlleErsetzen")->isEnabled()),
             "Found in Bank: 2  Textnummer: 1Zyxw</b></span></span>0");
    Box(search, "ErsetzenFeld")->setText("Ilsa");
    const QString leave = "Save the changes to this text?",
                  replace = " | Replace 4 occurrences of \"kael\" with \"Ilsa\" in the working texts? / ";
    for (const auto& [pattern, answers, expected] : std::initializer_list<std::tuple<const char*, std::vector<Answer>, QString>>{
             {"zz", {Answer::No}, leave + " | No working text holds \"zz\". / Kael[L_]and Kael again Save text 1 of bank 1 typed"},
             {"kael", {Answer::Cancel}, leave + " / Kael[L_]and Kael again Save text 1 of bank 1 typed"},
             {"kael", {Answer::No, Answer::No}, leave + replace + "Kael[L_]and Kael again Save text 1 of bank 1 typed"},
             {"kael", {Answer::No, Answer::Yes}, leave + replace + "Ilsa[L_]and Ilsa again Replace all (3 texts) Ilsa\nand Ilsa again"}}) {
      h.find("RomText0")->setProperty("plainText", "typed");
      const size_t asked = h.prompter.messages().size();
      for (Answer a : answers) h.prompter.queue(a);
      run(pattern, false, 0, "AlleErsetzen");
      QCOMPARE(h.said(asked, &Message::text) + " / " + shell::ToQt(h.doc.Texte[3][12].Aktuell) +
                   " " + h.find<QAction>("UndoMenue")->text().mid(6) + " " + h.pane(), expected);
    }
    QCOMPARE(search->windowTitle() + " " + list->currentItem()->text(), "Textsearch: 4 replaced 12* Ilsa[L_]and Ilsa again");
    h.prompter.queue(Answer::No);  // "Don't Save" the project
    h.load("game.smc");
    QTRY_VERIFY(!search);
  }

  // "Save in Rom": Cancel stops it before its end (nothing written, the edit stays unsaved); while it runs
  // only Cancel is usable and the window does not close; then it reports and the edit is saved.
  // "Save Project", then "Load Project" in a fresh window: a closed file dialog changes nothing but
  // the dictionary flag, a project of another version enables nothing, and the loads that open a
  // file close the search window. File > Export Translation tells the count, Progress Report where the
  // page went; Import shows the findings before it imports the good entries.
  void savingIntoARomAProjectAndATranslation() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello there"));
    rom.SetText(1, 2, Codes("Second"));
    Harness h{rom};
    h.saveTyped("Hello\nagain");
    QTimer::singleShot(0, [&h] { Click(h.window.get(), "SpeicherAbbruchButton"); });
    h.trigger("RomSpeichern", "new.smc");
    QString whileSaving = h.said() + (h.window->workspace().Geaendert ? "unsaved / " : "");
    QTimer::singleShot(0, [&] { whileSaving += h.usable() + (h.window->close() ? " closed" : ""); });
    h.trigger("RomSpeichern");
    QCOMPARE(whileSaving + " / " + h.window->windowTitle() + " / " + h.said() + (h.window->workspace().Geaendert ? " unsaved" : ""),
             "Orvane Texteditorunsaved / RomSpeichern SaveProject ExportPo ImportPo ScrollBank Status "
             "SpeicherAbbruchButton / Untitled* \u2014 Orvane Texteditor / Orvane Texteditor | Finished! | Info unsaved");
    h.saveTyped("Project text");
    QTimer::singleShot(0, [&] { whileSaving = h.usable(); });
    h.trigger("SaveProject", "work.ovp");
    QCOMPARE(whileSaving, "RomSpeichern SaveProject ExportPo ImportPo ScrollBank Status");
    QVERIFY(!h.window->workspace().Geaendert);
    QCOMPARE(h.usable(), kLoaded);
    h.trigger("ProgressReport", "report.html");
    QCOMPARE(h.prompter.last().text, "The report was written to " + *h.chooser.answer + ".");
    QCOMPARE(ReadFileText(*h.chooser.answer).substr(0, 15), "<!DOCTYPE html>");
    h.trigger("ExportPo", "texts.po");
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
    h.trigger("ImportPo");  // text 1, saved as a draft, went out and comes back fuzzy
    QCOMPARE(seen + " / " + shell::ToQt(h.doc.Texte[1][1].Aktuell + " / " + h.doc.Texte[1][2].Aktuell) +
                 (h.window->workspace().Geaendert ? " changed / " : " / ") + h.find<QListWidget>("Textliste")->item(0)->text(),
             "PoImportDialog: texts.po:19: bank 1 text 2: the character \"#\" has no code in the table / 1 imported, "
             "5813 unchanged, 1 fuzzy, 1 refused / Hi there / Second changed / 1* Hi there");

    Harness other;
    QWidget search;
    other.window->setSearchWindow(&search);
    std::ofstream(other.folder.file("work.ovp")) << "[orvane texteditor v 1.00]\r\n";
    const std::pair<std::optional<std::string>, QString> loads[] = {{std::nullopt, "10 " + kIdle},
        {other.folder.file("work.ovp"), "00 " + kIdle}, {h.folder.file("work.ovp"), "00 " + kLoaded}};
    for (const auto& [project, state] : loads) {
      search.show();
      other.doc.TabelleGeaendert = true;
      other.chooser.answer = project;
      other.trigger("LoadProject");
      QCOMPARE(QString("%1%2 ").arg(search.isVisible()).arg(other.doc.TabelleGeaendert) + other.usable(), state);
    }
    QCOMPARE(other.prompter.last().text + " / " + other.shown().toStdString(),
             "Wrong fileversion detected! / Bank: 1     Text: 1 / Project text / Hello there");
  }

  // Opening reads the settings file (the number a line starts with) and closing writes it; with
  // unsaved changes closing asks first, and Cancel keeps the window open and writes nothing.
  void closingAndTheSettingsFile() {
    Harness h;
    const std::string settings = h.window->settingsPath().toStdString();
    std::ofstream(settings) << "  17 and more\r\n";  // the second line is missing: it keeps its default
    h.window = std::make_unique<shell::MainWindow>(h.doc, h.prompter, h.chooser, h.folder.path());
    QVERIFY(h.window->close());
    QVERIFY(h.prompter.empty());
    QCOMPARE(ReadFileText(settings), " 17 \r\n 4 \r\n");
    std::remove(settings.c_str());
    ::mkfifo(settings.c_str(), 0666);  // no settings file: the window opens with the defaults and leaves it
    h.window = std::make_unique<shell::MainWindow>(h.doc, h.prompter, h.chooser, h.folder.path());
    QCOMPARE(int(h.window->settings().OhneOptimierWarnung), 1);
    QVERIFY(h.window->close());
    QVERIFY(std::filesystem::is_fifo(settings));
    std::remove(settings.c_str());
    h.window->workspace().Geaendert = true;
    h.prompter.queue(Answer::Cancel);  // "Save the changes to the project?": staying writes nothing yet
    QVERIFY(!h.window->close());
    QVERIFY(!QFile::exists(settings.c_str()));
  }

  void savedRomGetsItsChecksumAndThePatchLeadsThere() {
    Harness h;
    QVERIFY(!h.find<QAction>("FixChecksum")->isChecked());
    h.find<QAction>("FixChecksum")->setChecked(true);
    QVERIFY(Harness().find<QAction>("FixChecksum")->isChecked());  // remembered for the next start

    WriteFileAtomically(h.folder.file("demo.smc"), demo::BuildDemoRom());
    WriteFileAtomically(h.folder.file("Orvane_Englisch.tbl"), demo::DemoTableFile());
    h.load("demo.smc");
    h.trigger("CreatePatch");
    QCOMPARE(h.said(), "Create Patch");  // nothing saved yet

    h.doc.Texte[1][1].Aktuell = "Changed.";
    h.doc.TabelleGeaendert = true;
    h.trigger("RomSpeichern", "de.smc");
    QCOMPARE(h.said(), "Create Patch | Finished! | Info");  // no read-back finding
    const std::vector<uint8_t> rom = ReadWholeFile(*h.chooser.answer);
    const std::optional<CartridgeHeader> header = FindCartridgeHeader(rom);
    QVERIFY(header.has_value());
    QCOMPARE(ComputeChecksum(rom, *header), header->storedChecksum);

    // The demo has a copier header: Yes makes the patch for the image without it, No for the file as it is.
    const std::vector<uint8_t> original = ReadWholeFile(h.folder.file("demo.smc"));
    for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
      const size_t skip = answer == Answer::Yes ? 512 : 0;
      WriteFileAtomically(h.folder.file("base.smc"), std::vector<uint8_t>(original.begin() + skip, original.end()));
      h.prompter.queue(answer);
      h.trigger("CreatePatch", "de.bps");
      if (answer == Answer::Cancel) break;
      ApplyPatchFile(h.folder.file("de.bps"), h.folder.file("base.smc"), h.folder.file("out.smc"));
      QCOMPARE(ReadWholeFile(h.folder.file("out.smc")), std::vector<uint8_t>(rom.begin() + skip, rom.end()));
      std::filesystem::remove(h.folder.file("de.bps"));
    }
    QVERIFY(!std::filesystem::exists(h.folder.file("de.bps")));  // Cancel makes none

    h.trigger("RomSpeichern", "demo.smc");  // saved into the loaded ROM itself: no original is left to patch from
    h.trigger("CreatePatch");
    QVERIFY(h.prompter.last().text.find("saved into the loaded ROM itself") != std::string::npos);
    h.find<QAction>("FixChecksum")->setChecked(false);
  }

  // Each box shows the message's icon and buttons (the default in brackets) and the place an error
  // names, blocks the whole application, and answers with the button pressed, its default, or on
  // Escape the refusing one.
  void messageBoxes() {
    using B = QMessageBox;
    const std::tuple<Icon, Buttons, Answer, B::StandardButton, const char*> cases[] = {
        {Icon::Exclamation, Buttons::YesNo, Answer::No, B::NoButton, "Warning Yes [No]: No"},
        {Icon::Information, Buttons::YesNo, Answer::Yes, B::Yes, "Information [Yes] No: Yes"},
        {Icon::None, Buttons::YesNo, Answer::Yes, B::Escape, "NoIcon [Yes] No: No"},
        {Icon::Stop, Buttons::OkCancel, Answer::Ok, B::Cancel, "| line 12 Critical [Ok] Cancel: Cancel"},
        {Icon::None, Buttons::Ok, Answer::Ok, B::Ok, "NoIcon [Ok]: Ok"}};
    for (const auto& [icon, buttons, defaultAnswer, press, expected] : cases) {
      QString seen;
      OnNextModal([&seen, press = press](QWidget* w) {
        auto* box = qobject_cast<B*>(w);
        seen = box->windowTitle() + " " + box->text() + " ";
        if (!box->informativeText().isEmpty()) seen += "| " + box->informativeText() + " ";
        seen += QMetaEnum::fromType<B::Icon>().valueToKey(box->icon());
        for (const B::StandardButton button : {B::Ok, B::Cancel, B::Yes, B::No})
          if (box->button(button))
            seen += QString(button == box->standardButton(box->defaultButton()) ? " [%1]" : " %1")
                        .arg(QMetaEnum::fromType<B::StandardButtons>().valueToKey(button));
        if (w->windowModality() != Qt::ApplicationModal) seen += " not modal";
        press == B::Escape ? box->reject() : (press ? box->button(press) : box->defaultButton())->click();
      });
      const std::string place = icon == Icon::Stop ? "line 12" : "";
      const int answer = int(shell::QtPrompter().ask({"T", "a\r\nb", buttons, defaultAnswer, icon, false, place}));
      QCOMPARE(seen + ": " + QStringList({"Ok", "Cancel", "Yes", "No"})[answer], QString("T a\nb ") + expected);
    }
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
