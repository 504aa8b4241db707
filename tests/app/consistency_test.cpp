// Consistent translations in the main window: a similar text's translation put into the pane and
// taken back by the pane's undo, the repeated lines filled from the status bar and taken back, the
// Glossary window through CSV and back, and a glossary term missing from a translation listed and
// jumped to.

#include "common/file_helpers.h"
#include "progress/glossary_window.h"
#include "progress/translation_progress.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

class ConsistencyTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ForgetSettings(); }

  // Bank 1: texts 1, 3 and 4 say the same, text 2 nearly so, text 5 something else with the herb.
  void similarTextsRepeatsAndTerms() {
    RomFixture rom;
    for (int t : {1, 3, 4}) rom.SetText(1, t, Codes("Take the Herb now"));
    rom.SetText(1, 2, Codes("Take the Herb now!"));
    rom.SetText(1, 5, Codes("A Herb"));
    Harness h{rom};
    QVERIFY(h.showActive());
    auto* list = h.find<QListWidget>("Textliste");
    auto* pane = h.find<QTextEdit>("RomText0");
    list->setCurrentRow(1);
    h.saveTyped("Nimm das Kraut jetzt!");
    list->setCurrentRow(0);
    QCOMPARE(h.find<QLabel>("SimilarText1")->text().section("<br>", 0, 0),
             "<b>0.94</b> &nbsp;bank 1 text 2 &nbsp;<i>(Ctrl+1)</i>");
    QTest::keyClick(pane, Qt::Key_1, Qt::ControlModifier);
    const QString inserted = h.pane();
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(inserted + " | " + h.pane(), "Nimm das Kraut jetzt! | Take the Herb now");

    // Saved as translated: the two repeats are offered, filled as drafts, and taken back in one step.
    pane->setPlainText("Nimm das Kraut.");
    QTest::keyClick(pane, Qt::Key_Return, Qt::ControlModifier);
    auto* offer = h.find<QLabel>("RepeatOfferText");
    QCOMPARE(offer->text(), "Use this translation for the 2 other texts with the same original");
    const auto repeats = [&h] {
      QString all;
      for (int t : {3, 4})
        all += QString::fromStdString(h.doc.Texte[1][t].Aktuell + " " +
                                      std::string(StatusName(ProgressOf(h.doc, 1, t).status)) + "; ");
      return all;
    };
    const QString before = repeats();
    QTest::keyClick(pane, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(repeats() + offer->text(), "Nimm das Kraut. draft; Nimm das Kraut. draft; 2 texts filled as drafts");
    Click(h.window.get(), "RepeatOfferButton");
    QCOMPARE(repeats(), before);
    QVERIFY(!h.find("RepeatOffer")->isVisible());

    // A glossary term: shown with the text, and the translation without it listed and jumped to.
    list->setCurrentRow(4);
    h.saveTyped("Ein Blatt");
    OnNextModal([](QWidget* w) {
      Click(w, "AddTerm");
      auto* table = Child<QTableWidget>(w, "GlossaryTable");
      table->item(0, 0)->setText("herb");
      table->item(0, 1)->setText("Kraut");
      static_cast<QDialog*>(w)->accept();
    });
    h.trigger("GlossaryMenue");
    QCOMPARE(h.find<QLabel>("GlossaryTerms")->text(), "Terms: herb \u2192 Kraut");
    auto* problems = h.find<QTreeWidget>("ProblemsList");
    const QList<QTreeWidgetItem*> rows = problems->findItems("Term not used", Qt::MatchExactly, 0);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0]->text(1) + ": " + rows[0]->text(2), "bank 1 text 5: lacks \"Kraut\" for \"herb\"");
    list->setCurrentRow(0);
    emit problems->itemDoubleClicked(rows[0], 0);
    QCOMPARE(h.window->shownText().AktuellerText, 5);
  }

  // Terms out to CSV and in again, with every character CSV must quote; a file that is no glossary
  // is refused with its line.
  void glossaryWindowThroughCsv() {
    TempFolder folder;
    ScriptedPrompter prompter;
    FixedFileChooser chooser{folder.file("terms.csv")};
    const std::vector<GlossaryTerm> terms = {{"Royal Guard", "K\xF6nigsgarde", "say \"the\",\nnot \"a\""}, {"Orb", "Kugel", ""}};
    progress::GlossaryWindow window(terms, prompter, chooser, nullptr);
    window.exportCsv();
    auto* table = Child<QTableWidget>(&window, "GlossaryTable");
    table->selectAll();
    window.deleteTerms();
    window.importCsv();
    table->sortByColumn(0, Qt::AscendingOrder);
    QCOMPARE(window.terms(), (std::vector<GlossaryTerm>{terms[1], terms[0]}));
    WriteFileAtomically(folder.file("terms.csv"), std::string("term,translation\r\n"));
    window.importCsv();
    QCOMPARE(QString::fromStdString(prompter.last().text),
             "The terms could not be imported: terms.csv: line 1: the first line must be \"source,target,note\"");
  }
};

QTEST_MAIN(ConsistencyTest)
#include "consistency_test.moc"
