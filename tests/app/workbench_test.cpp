// The main window as a translator's workbench: the keys, the question before typed text would be
// lost on every way of leaving a text, the status figures against the core's fit, the problems list
// and its jumps, the text list's marks and filter, files opened by name, and the translation desk.

#include "check/fit.h"
#include "common/file_helpers.h"
#include "image_kind.h"
#include "progress/translation_desk.h"
#include "progress/translation_progress.h"
#include "shell/fit_status.h"
#include "shell/problems_dock.h"
#include "widgets/qt_cp1252.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

class WorkbenchTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    ForgetSettings();
    WriteFileAtomically(dictionaries.file("xx_XX.aff"), std::string("SET UTF-8\nTRY ehmot\n"));
    WriteFileAtomically(dictionaries.file("xx_XX.dic"), std::string("3\nthe\nhome\ntake\n"));
    qputenv("DICPATH", dictionaries.path().c_str());
  }

  // Each way of leaving text 1 of bank 1 with typing in the pane, under each answer: Yes stores the
  // typing and goes, No goes without it, Cancel stays with the typing in the pane. An untouched pane
  // is left without a question.
  void everyWayOfLeavingATextAsksFirst() {
    const auto keys = [](Qt::KeyboardModifiers mods) {
      return [mods](Harness& h) { QTest::keyClick(h.find("RomText0"), Qt::Key_PageDown, mods); };
    };
    const std::tuple<QString, QString, std::function<void(Harness&)>> ways[] = {
        {"list", "1 3", [](Harness& h) { h.find<QListWidget>("Textliste")->setCurrentRow(2); }},
        {"bank", "2 1", [](Harness& h) { h.find<QScrollBar>("ScrollBank")->setValue(2); }},
        {"search", "4 3", [](Harness& h) { h.window->showBankText(4, 2); }},
        {"next", "1 2", keys(Qt::ControlModifier)},
        {"next bank", "2 1", keys(Qt::ControlModifier | Qt::ShiftModifier)},
        {"go to", "5 7", [](Harness& h) {
           OnNextModal([](QWidget* w) {
             Child<QSpinBox>(w, "GoToBank")->setValue(5);
             Child<QSpinBox>(w, "GoToText")->setValue(7);
             static_cast<QDialog*>(w)->accept();
           });
           QTest::keyClick(h.window.get(), Qt::Key_G, Qt::ControlModifier);
         }},
        {"load", "1 1", [](Harness& h) { h.load("game.smc"); }},
        {"close", "closed", [](Harness& h) { h.window->close(); }}};
    for (const auto& [way, end, leave] : ways) {
      for (const std::optional<Answer> answer : {std::optional<Answer>(), {Answer::Yes}, {Answer::No}, {Answer::Cancel}}) {
        Harness h{RomFixture()};
        QVERIFY(h.showActive());
        h.find("RomText0")->setFocus();
        if (answer) h.prompter.queue(*answer), h.prompter.queue(Answer::No);  // "Don't Save" the project
        if (answer) h.find("RomText0")->setProperty("plainText", "Typed");
        leave(h);
        const QString at = h.window->isVisible() ? h.at() : "closed";
        const bool yes = answer == Answer::Yes, stay = answer == Answer::Cancel;
        const bool asksForProject = yes && (way == "close" || way == "load");  // the stored text is unsaved work
        QCOMPARE(at + " [" + QString::fromStdString(h.doc.Texte[1][1].Aktuell) + "] " + h.said(),
                 (stay ? "1 1" : end) + " [" + (yes && way != "load" ? "Typed" : "") + "] " +
                     (!answer ? "" : "Orvane Texteditor V 1.0" + QString(asksForProject ? " | Orvane Texteditor" : "")));
        if (stay) QCOMPARE(h.pane(), "Typed");
      }
    }
  }

  // A text typed into a bank that overflows: the status shows the core's figures, the free figure in
  // red with the overflow; "Save" marks the row, the filter follows, and the problems list has the
  // rows of the document, each double click showing its place.
  void statusProblemsAndTheList() {
    Harness h{RomFixture()};
    for (int t = 2; t <= h.doc.BankInfo[1].TextCount; ++t) h.doc.Texte[1][t] = {std::string(60, 'x'), std::string(60, 'x')};
    h.window->documentChanged();
    h.find("RomText0")->setProperty("plainText", "Kael waits.");
    Document typed = h.doc;
    typed.Texte[1][1].Aktuell = "Kael waits.";
    const AreaFit bank = MeasureFit(typed).banks[0];
    QCOMPARE(h.find<QLabel>("FitText")->text() + " | " + h.find<QLabel>("FitBank")->text() + " | " +
                 h.find<QLabel>("FitChanged")->text(),
             QString("Text 1: %1 bytes | Bank 1: %2 of %3 bytes used, %4 bytes too many | 1 of %5 texts changed")
                 .arg(DialogueTextBytes(SaveEncoder(typed), "Kael waits."))
                 .arg(bank.used).arg(bank.capacity).arg(-bank.free()).arg(h.doc.BankInfo[1].TextCount));
    QVERIFY(h.find<QLabel>("FitBank")->styleSheet().contains("red"));

    auto* list = h.find<QListWidget>("Textliste");
    Click(h.window.get(), "TextSpeichern");
    auto* filter = h.find<QComboBox>("TextFilter");
    QString rows;
    for (const int shown : {0, 1, 2}) {
      filter->setCurrentIndex(shown);
      rows += QString(" %1").arg(VisibleRows(list));
    }
    QCOMPARE(list->item(0)->text() + " " + list->item(1)->text().left(5) + rows,
             QString("1* Kael waits. 2  xx %1 1 %2").arg(h.doc.BankInfo[1].TextCount).arg(h.doc.BankInfo[1].TextCount - 1));

    h.doc.Texte[3][4].Aktuell = "{ZZ}";
    h.doc.StadtNamen[9] = "tab\there";
    h.window->documentChanged();
    auto* problems = h.find<shell::ProblemsDock>("ProblemsDock");
    QCOMPARE(problems->table()->topLevelItemCount(), 4);  // the dictionary, bank 1, then these two
    // Opened beside the other docks, the list shows its "Why" column with room for a reason.
    h.window->show();
    h.trigger("ShowProblems");
    QTRY_VERIFY(problems->table()->viewport()->width() - problems->table()->header()->sectionViewportPosition(2) >=
                30 * problems->fontMetrics().averageCharWidth());
    // A double click shows a dialogue text, or opens the name's window at its entry.
    emit problems->table()->itemDoubleClicked(problems->table()->topLevelItem(2), 0);
    QString opened;
    OnNextModal([&opened](QWidget* w) {
      opened = w->objectName() + " " + Child<QListWidget>(w, "Liste")->currentItem()->text();
      w->close();
    });
    emit problems->table()->itemDoubleClicked(problems->table()->topLevelItem(3), 0);
    QCOMPARE(h.at() + " " + opened, "3 4 Stadt tab\there");
  }

  // "Grüße" typed into text 1: the two characters the table cannot write are marked in their own
  // colour, named by the tool tip, the status bar, F1 and the problems row; every way of saving asks
  // first (No keeps the pane, Yes stores a draft), and a Replace all with "ö" asks before replacing.
  void charactersTheTableCannotWrite() {
    const QString typed = shell::ToQt("Gr\xFC\xDF" "e");
    Harness h{RomFixture()};
    QVERIFY(h.showActive());
    h.trigger("Spelling_xx_XX");  // the word is misspelled too: both marks, each in its colour
    auto* pane = h.find<QTextEdit>("RomText0");
    pane->setFocus();
    pane->setPlainText(typed);
    QStringList marks;
    for (const QTextLayout::FormatRange& range : pane->document()->firstBlock().layout()->formats())
      marks << QString("%1+%2 %3").arg(range.start).arg(range.length).arg(range.format.underlineColor().name());
    QTextCursor beforeU(pane->document());
    beforeU.setPosition(2);
    const QPoint overU = pane->cursorRect(beforeU).center() + QPoint(4, 0);
    QHelpEvent tip(QEvent::ToolTip, overU, pane->viewport()->mapToGlobal(overU));
    QApplication::sendEvent(pane->viewport(), &tip);
    QTest::keyClick(pane, Qt::Key_F1);
    h.trigger("Spelling_Off");
    const std::string table = h.folder.file("Orvane_Englisch.tbl");
    const BankFit::Figures& bank = h.find<shell::FitStatus>("FitStatus")->figures();
    QCOMPARE(QStringList({marks.join(", "), QToolTip::text(), h.find<QLabel>("FitText")->text(),
                          h.find<QLabel>("FitBank")->text(),
                          shell::ToQt(h.prompter.last().text).section("\r\n\r\n", 1)}),
             QStringList({"0+2 #ff0000, 2+2 #e06c00, 4+1 #ff0000", "The table has no code for \"\u00fc\"",
                          "Text 1: 4 bytes + 2 characters the table cannot write (\u00fc, \u00df)",
                          QString("Bank 1: %1 of %2 bytes used + 2 characters the table cannot write (\u00fc, \u00df), "
                                  "%3 free").arg(bank.used).arg(bank.capacity).arg(bank.free()),
                          "This text has characters the table cannot write: \u00fc, \u00df. A character the game "
                          "should show needs a code in the table file " + QString::fromStdString(table) +
                              " (and a picture in the game's font)."}));

    const std::pair<QString, std::function<void(Harness&)>> ways[] = {
        {"save", [](Harness& g) { Click(g.window.get(), "TextSpeichern"); }},
        {"next", [](Harness& g) { QTest::keyClick(g.find("RomText0"), Qt::Key_Return, Qt::ControlModifier); }},
        {"reviewed", [](Harness& g) { Click(g.window.get(), "ReviewedButton"); }}};
    for (const auto& [way, save] : ways) {
      for (const Answer answer : {Answer::No, Answer::Yes}) {
        Harness g{RomFixture()};
        QVERIFY(g.showActive());
        g.find<QTextEdit>("RomText0")->setPlainText(typed);
        g.prompter.queue(answer);
        save(g);
        const bool yes = answer == Answer::Yes;
        QCOMPARE(QString("%1 %2 [%3] %4 | %5")
                     .arg(way).arg(g.window->shownText().AktuellerText).arg(shell::ToQt(g.doc.Texte[1][1].Aktuell))
                     .arg(QString::fromLatin1(StatusName(ProgressOf(g.doc, 1, 1).status))).arg(g.pane()),
                 QString("%1 %2 [%3] %4 | %5")
                     .arg(way).arg(yes && way == "next" ? 2 : 1).arg(yes ? typed : "")
                     .arg(yes ? "draft" : "untranslated").arg(yes && way == "next" ? g.pane() : typed));
        const std::vector<Message>& asked = g.prompter.messages();
        QCOMPARE(QString::number(asked.size()) + " " + shell::ToQt(asked.empty() ? "" : asked.back().text),
                 "1 This text has characters the table cannot write: \u00fc, \u00df. Save it anyway?");
      }
    }
    auto* problems = h.find<QTreeWidget>("ProblemsList");
    h.prompter.queue(Answer::Yes);
    Click(h.window.get(), "TextSpeichern");
    const QList<QTreeWidgetItem*> rows = problems->findItems("bank 1 text 1", Qt::MatchExactly, 1);
    QCOMPARE(rows.size() == 1 ? rows[0]->text(2) : "",
             "no code for \"\u00fc\", \"\u00df\". A character the game should show needs a code in the table file " +
                 QString::fromStdString(table) + " (and a picture in the game's font).");

    // Replace all: No replaces nothing; Yes goes on to the count question.
    Click(h.window.get(), "SuchenKnopf");
    auto* search = h.window->findChild<QDialog*>("SearchDialog");
    Child<QLineEdit>(search, "Suchfeld")->setText("e");
    Child<QLineEdit>(search, "ErsetzenFeld")->setText(shell::ToQt("\xF6"));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      const size_t before = h.prompter.messages().size();
      const bool yes = answer == Answer::Yes;
      h.prompter.queue(answer);
      if (yes) h.prompter.queue(Answer::Yes);  // to the count question that follows
      Click(search, "AlleErsetzen");
      QCOMPARE(QString("%1 ").arg(h.prompter.messages().size() - before) + shell::ToQt(h.doc.Texte[1][1].Aktuell) +
                   " | " + shell::ToQt(h.prompter.messages()[before].text),
               QString("%1 ").arg(yes ? 2 : 1) + (yes ? shell::ToQt("Gr\xFC\xDF\xF6") : typed) +
                   " | The replacement has characters the table cannot write: \u00f6. Replace anyway?");
    }
  }

  // Files opened by name, by a drop and from the recent list (a ROM with and without its copier header,
  // a project) go the way "Load Rom" and "Load Project" go, with their messages; then the keys save,
  // save and go on, revert, search and list the keys.
  void filesAndKeys() {
    const auto outcome = [](Harness& h) { return h.said() + " / " + h.shown() + " / " + h.usable(); };
    Harness rom{RomFixture()}, project;
    const QString romWay = outcome(rom), romFile = QString::fromStdString(rom.folder.file("game.smc"));
    rom.chooser.answer = project.chooser.answer = rom.folder.file("work.ovp");
    rom.trigger("SaveProject");
    project.trigger("LoadProject");
    const QString plainFile = romFile.chopped(3) + "sfc";  // the same image without its copier header
    WriteFileAtomically(plainFile.toStdString(), ToFileImage(ReadWholeFile(romFile.toStdString()), ImageKind::Plain));
    for (const auto& [path, expected] : {std::pair{romFile, romWay}, {plainFile, romWay},
                                         {romFile.chopped(8) + "work.ovp", outcome(project)}}) {
      for (int way = 0; way < 3; ++way) {
        Harness h;
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        if (way == 0) h.window->files().openFile(path);
        if (way == 1) QApplication::sendEvent(h.window.get(), &enter), QApplication::sendEvent(h.window.get(), &drop);
        if (way == 2) h.find<QMenu>("RecentMenue")->actions().front()->trigger();
        QCOMPARE(outcome(h), expected);
      }
    }
    Harness& h = rom;
    QVERIFY(h.showActive());
    QWidget* pane = h.find("RomText0");
    pane->setFocus();
    const auto press = [pane](const char* typed, QKeyCombination key) {
      if (*typed) pane->setProperty("plainText", typed);
      QTest::keyClick(pane, key.key(), key.keyboardModifiers());
    };
    press("One", Qt::CTRL | Qt::Key_S);
    QTRY_COMPARE(h.doc.Texte[1][1].Aktuell, "One");
    press("Two", Qt::CTRL | Qt::Key_Return);
    press("Three", Qt::CTRL | Qt::Key_R);
    press("", Qt::CTRL | Qt::Key_F);
    press("", QKeyCombination(Qt::Key_F1));
    // Ctrl+R reverted "Three": the pane shows the original, which is empty.
    QCOMPARE(QString::fromStdString(h.doc.Texte[1][1].Aktuell) + " " + h.shown() + " " +
                 QString::number(h.window->findChildren<QDialog*>("SearchDialog").size()) + " " +
                 QString::fromStdString(h.prompter.last().text).section("\r\n", 0, 0),
             "Two Bank: 1     Text: 2 /  /  1 Ctrl+S: Save the text");
  }

  // The translation desk: statuses moved by Save, Ctrl+Enter, "Reviewed" and edits, shown as marks,
  // filtered and counted; the note box; a misspelled word underlined with its menu; a renamed item
  // still used in the dialogue and the misspelled words in the problems list, jumped to, and no
  // reason to ask before "Save in Rom". Last, as it leaves the spelling settings switched on.
  void statusesNotesAndChecks() {
    RomFixture rom;
    for (int t = 1; t <= 6; ++t) rom.SetText(1, t, Codes("Take the Herb"));
    rom.SetItem(1, 32, Codes("Herb"));
    Harness h{rom};
    QVERIFY(h.showActive());
    auto* list = h.find<QListWidget>("Textliste");
    const auto statuses = [&h] {
      QString all;
      for (int t = 1; t <= 5; ++t) all += QString::fromLatin1(StatusName(ProgressOf(h.doc, 1, t).status).substr(0, 2));
      return all + " " + h.find<QLabel>("ProgressLabel")->text().section("   ", 0, 0);
    };
    h.saveTyped("Take the Sage");                           // text 1: draft
    QTest::keyClick(h.find("RomText0"), Qt::Key_Return, Qt::ControlModifier);  // text 1: translated, on to 2
    Click(h.window.get(), "ReviewedButton");                // text 2: reviewed, on to text 3
    list->setCurrentRow(1);
    h.saveTyped("Take the Sage!");                          // text 2 edited after review: a draft again
    QCOMPARE(statuses(), "trdrununun Bank 1: 1 translated, 0 reviewed of 456 (0.2%)");
    QTest::keyClick(h.find("RomText0"), Qt::Key_Return, Qt::ControlModifier);  // text 2: translated, on to 3
    list->setCurrentRow(2);
    Click(h.window.get(), "ReviewedButton");
    auto* filter = h.find<QComboBox>("TextFilter");
    filter->setCurrentIndex(3 + int(TextStatus::Translated));
    const auto shown = [list] { return VisibleRows(list) + 10 * list->currentRow(); };
    QCOMPARE(QString("%1 ").arg(shown()) + statuses(), "32 trtrreunun Bank 1: 2 translated, 1 reviewed of 456 (0.7%)");
    // The note follows the shown text.
    h.find<QTextEdit>("NoteBox")->setPlainText("Check the name");
    list->setCurrentRow(0);
    Click(h.window.get(), "ReviewedButton");  // text 1 leaves the filtered list; text 2 is shown
    QCOMPARE(h.find<QTextEdit>("NoteBox")->toPlainText() + "|" + QString::fromStdString(ProgressOf(h.doc, 1, 4).note) +
                 QString(" %1").arg(shown()), "|Check the name 11");
    // Tab leaves the note box as it leaves any field; Ctrl+Tab types a tab into it.
    auto* note = h.find<QTextEdit>("NoteBox");
    note->setFocus();
    QTest::keyClick(note, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(note, Qt::Key_Tab);
    QCOMPARE(note->toPlainText() + (h.window->focusWidget() == note ? " kept" : " left"), "\t left");
    filter->setCurrentIndex(0);

    // Spelling: "Sage" is underlined; its menu adds it to the word list.
    h.trigger("Spelling_xx_XX");
    auto* pane = h.find<QTextEdit>("RomText0");
    const QList<QTextLayout::FormatRange> underlined = pane->document()->firstBlock().layout()->formats();
    QCOMPARE(underlined.size() == 1 ? QString("%1+%2").arg(underlined[0].start).arg(underlined[0].length) : "", "9+4");
    QTimer::singleShot(0, [] {
      Child<QAction>(QApplication::activePopupWidget(), "AddToWordList")->trigger();
      QApplication::activePopupWidget()->close();
    });
    emit pane->customContextMenuRequested(pane->cursorRect(pane->document()->find("Sag")).center());
    QVERIFY(h.doc.Progress.words == std::set<std::string>{"Sage"});

    // The item renamed: the texts whose translation still has the old name are listed, and with the
    // View menu's choice the misspelled words ("Herb" is no name any more).
    h.doc.Items[1].Name = "Sage";
    h.saveTyped("Take the Herb");
    h.trigger("SpellingInProblems");
    auto* problems = h.find<QTreeWidget>("ProblemsList");
    QVERIFY(problems->isVisible());  // switching the spelling rows on shows the list
    QCOMPARE(QString::number(problems->topLevelItemCount()) + " " + problems->topLevelItem(1)->text(0) + " " +
                 problems->topLevelItem(1)->text(1) + " / " + problems->topLevelItem(10)->text(0) + " " +
                 problems->topLevelItem(10)->text(1), "11 Old name still used bank 1 text 2 / Spelling bank 1 text 6");
    emit problems->itemDoubleClicked(problems->topLevelItem(10), 0);
    h.trigger("RomSpeichern", "new.smc");  // advice asks nothing before the save
    QCOMPARE(h.said() + QString(" %1").arg(h.window->shownText().AktuellerText), "Finished! | Info 6");
  }

 private:
  TempFolder dictionaries;
};

QTEST_MAIN(WorkbenchTest)
#include "workbench_test.moc"
