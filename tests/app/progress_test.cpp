// The translation desk of the main window: statuses moved by Save, Ctrl+Enter, "Reviewed" and edits,
// shown as marks, filtered and counted; the note box; a misspelled word underlined with its menu;
// a renamed item still used in the dialogue and the misspelled words in the problems list, jumped
// to, and no reason to ask before "Save in Rom".

#include "common/file_helpers.h"
#include "window_test_helpers.h"
#include "progress/translation_desk.h"

using namespace orvane;
using namespace orvane::testing;

class ProgressTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    ForgetSettings();
    WriteFileAtomically(dictionaries.file("xx_XX.aff"), std::string("SET UTF-8\nTRY ehmot\n"));
    WriteFileAtomically(dictionaries.file("xx_XX.dic"), std::string("3\nthe\nhome\ntake\n"));
    qputenv("DICPATH", dictionaries.path().c_str());
  }

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
    h.saveTyped("Take the Sage!");                          // text 2 edited after review: translated
    QCOMPARE(statuses(), "trtrununun Bank 1: 2 translated, 0 reviewed of 456 (0.4%)");
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
    QCOMPARE(h.find<QTextEdit>("NoteBox")->toPlainText() + "|" +
                 QString::fromStdString(ProgressOf(h.doc, 1, 4).note) + QString(" %1").arg(shown()), "|Check the name 11");
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
    QCOMPARE(QString::fromStdString(*h.doc.Progress.words.begin()) + QString::number(h.doc.Progress.words.size()), "Sage1");

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
    QCOMPARE(h.said() + QString(" %1").arg(h.doc.AktuellerText), "Finished! | Info 6");
  }

 private:
  TempFolder dictionaries;
};

QTEST_MAIN(ProgressTest)
#include "progress_test.moc"
