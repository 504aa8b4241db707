// What the player will see, as a translator meets it: the "Preview" dock following the pane while typing
// until a line runs over, "Reflow Text" and the pane's undo, the Page keys, "Reflow Bank…" under both
// answers, and a name window's numbers, originals and counter.

#include <random>

#include "editors/editor_pane.h"
#include "editors/game_window.h"
#include "editors/limit_counter.h"
#include "editors/name_rows.h"
#include "editors/items_window.h"
#include "editors/reflow.h"
#include "editors/techniques_window.h"
#include "preview/game_window_view.h"
#include "preview/preview_dock.h"
#include "rom/display_form.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// The preview's windows as lines, "/" between windows, and its summary.
QString Preview(const Harness& h) {
  QStringList windows;
  for (const GameWindow& window : h.find<preview::GameWindowView>("GameWindows")->shown().windows) {
    QStringList lines;
    for (const WindowLine& line : window.lines) lines << QString::fromStdString(line.text);
    windows << lines.join('|');
  }
  return windows.join(" / ") + " — " + h.find<QLabel>("PreviewSummary")->text();
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ForgetSettings(); }

  void typingRunsALineOverThenReflowAndUndo() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("Nimm das[L_]Iron[L_]Blade mit."));
    Harness h(rom);
    QVERIFY(h.showActive());
    QVERIFY(h.find<QDockWidget>("PreviewDock")->isVisible());
    QCOMPARE(Preview(h), "Nimm das|Iron|Blade mit. — Window 1 of 1");

    auto* pane = h.find<QTextEdit>("RomText0");
    pane->setFocus();
    pane->moveCursor(QTextCursor::End);
    const QString word = QString(42, QLatin1Char('x'));
    QTest::keyClicks(pane, " " + word + "yz");
    QCOMPARE(Preview(h), "Nimm das|Iron|Blade mit.|" + word + "yz — Window 1 of 1, 1 line too long");
    QCOMPARE(h.find<QLabel>("PreviewSummary")->styleSheet(), "color: red; font-weight: bold");
    QCOMPARE(h.find<preview::GameWindowView>("GameWindows")->shown().windows[0].lines[3].excess(kPaneColumns), "yz");

    const QString typed = pane->toPlainText();
    h.trigger("ReflowText");
    QCOMPARE(pane->toPlainText(), "Nimm das Iron Blade mit. \n" + word + "yz");
    QCOMPARE(Preview(h), "Nimm das Iron Blade mit.|" + word + "yz — Window 1 of 1, 1 line too long");
    QCOMPARE(QString::fromStdString(h.doc.Texte[1][1].Aktuell), "Nimm das[L_]Iron[L_]Blade mit.");
    pane->undo();
    QCOMPARE(pane->toPlainText(), typed);
    // "Save" stores the reflowed pane as the preview showed it.
    h.trigger("ReflowText");
    QCOMPARE(h.saveTyped(pane->toPlainText()), "Nimm das Iron Blade mit. [L_]" + word.toStdString() + "yz");
  }

  // The differential against the real pane: it shows a reflowed text in the lines the reflow laid out,
  // so "Save" stores it unchanged. (A word longer than a line is kept whole by the reflow, while the pane
  // breaks one where Unicode allows, after a "}" or a "-": the words here have no such place.)
  void thePaneKeepsWhatReflowLaidOut() {
    editors::EditorPane pane;
    pane.resize(400, 300);
    const std::string words[] = {"Go", "Kael", "{1A}", "word.", "...", std::string(45, 'w')};
    const char* gaps[] = {" ", "  ", "[L_]", "[LS]", "[W_]", "[WS]"};
    std::mt19937 rng(26);
    for (int round = 0; round < 400; ++round) {
      std::string text;
      for (int k = static_cast<int>(rng() % 60); k > 0; --k)
        text += words[rng() % std::size(words)] + gaps[rng() % 6 < 4 ? 0 : rng() % std::size(gaps)];
      const std::string reflowed = ReflowText(text);
      pane.showStored(reflowed);
      QCOMPARE(QString::fromStdString(StoredFromLines(pane.displayedLines())), QString::fromStdString(reflowed));
    }
  }

  // Page Down and Page Up step through the windows while the preview has the focus.
  void pageKeysStepThroughTheWindows() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("One[W_]Two[L_]2[L_]2[L_]2[L_]2[WS]Three"));
    Harness h(rom);
    QVERIFY(h.showActive());
    auto* view = h.find<preview::GameWindowView>("GameWindows");
    view->setFocus();
    QStringList seen;
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
      QTest::keyClick(view, key);
      seen << h.find<QLabel>("PreviewSummary")->text();
    }
    const QString crowded = ", 1 window with more than four lines";
    QCOMPARE(seen.join(" / "), "Window 2 of 3" + crowded + " / Window 3 of 3" + crowded + " / Window 3 of 3" + crowded +
                                   " / Window 2 of 3" + crowded);
  }

  // The question names how many texts change; No changes nothing, Yes puts them into the document and
  // the list, and the pane shows the reflowed text.
  void reflowBankAsksWithTheNumberOfTexts() {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      RomFixture rom;
      rom.SetText(1, 1, Codes("Go[L_]on."));
      rom.SetText(1, 2, Codes("Fine."));
      rom.SetText(1, 3, Codes("A[L_]B"));
      Harness h(rom);
      h.prompter.queue(answer);
      h.trigger("ReflowBank");
      const bool yes = answer == Answer::Yes;
      QCOMPARE(h.said(0, &Message::text), "Reflowing changes 2 of the 456 texts of bank 1.\r\nReflow them?");
      QCOMPARE(QString::fromStdString(h.doc.Texte[1][1].Aktuell + "|" + h.doc.Texte[1][3].Aktuell),
               yes ? "Go on.|A B" : "Go[L_]on.|A[L_]B");
      QCOMPARE(h.pane() + "|" + h.find<QListWidget>("Textliste")->item(2)->text(), yes ? "Go on.|3* A B" : "Go\non.|3  A[L_]B");
      QCOMPARE(h.window->workspace().Geaendert, yes);
      h.trigger("UndoMenue");  // the whole bank in one step
      QCOMPARE(QString::fromStdString(h.doc.Texte[1][1].Aktuell + "|" + h.doc.Texte[1][3].Aktuell), "Go[L_]on.|A[L_]B");
    }
  }

  // Each row shows its number and its original beside the name; the counter follows the typing and turns
  // red at the limit; a technique's "*" is explained.
  void nameWindowsShowNumbersOriginalsAndACounter() {
    Document doc;
    doc.Items[1].Name = "Ashba";
    doc.Items[2].Name = "Ashba";
    doc.Items[1].Symbol = doc.Items[2].Symbol = editors::kFirstItemSymbol;
    doc.Progress.nameOriginals["item 2 name"] = "Ashba Rod";
    doc.TechNamen[0] = "*Fire";
    ScriptedPrompter script;
    ApplyChanges changes(doc);
    editors::ItemsWindow items(doc, changes, script);
    auto* list = Child<QListWidget>(&items, "Liste");
    QStringList rows;
    for (int row : {0, 1})
      rows << list->item(row)->data(editors::kNumberRole).toString() + " " + list->item(row)->text() + " " +
                  list->item(row)->data(editors::kOriginalRole).toString();
    QCOMPARE(rows.join(", "), "1 Ashba Ashba, 2 Ashba Ashba Rod");

    auto* counter = Child<QLabel>(&items, "Text1Count");
    QStringList counts;
    for (const char* typed : {"Ashbar", "Ashba Rods", "{1A}Ashba"}) {
      Retype(Box(&items, "Text1"), typed);
      counts << counter->text() + (counter->styleSheet().isEmpty() ? "" : " red");
    }
    QCOMPARE(counts.join(", "), "6 / 10, 10 / 10 red, 9 / 14");

    editors::TechniquesWindow techniques(doc, changes, script);
    QVERIFY(Child<QListWidget>(&techniques, "Liste")->item(0)->toolTip().startsWith("A leading \"*\" is code 2F"));
  }
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
