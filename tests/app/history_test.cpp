// Nothing a translator does is lost: the question before unsaved work is replaced, the title, Save
// Project into the project's own file, looking that changes nothing, one history for every change,
// and Revert beside Back to the Original.

#include "exchange/po_file.h"
#include "progress/translation_progress.h"
#include "support/project_bytes.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

class HistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ForgetSettings(); }

  // With a text saved, each way of replacing the project or closing asks first: Save writes the
  // project and goes on, Don't Save goes on, Cancel stays.
  void unsavedWorkIsAskedFor() {
    const std::pair<std::string, std::function<void(Harness&)>> ways[] = {
        {"load rom", [](Harness& h) { h.load("game.smc"); }},
        {"load project", [](Harness& h) { h.trigger("LoadProject", "work.ovp"); }},
        {"recent", [](Harness& h) { h.find<QMenu>("RecentMenue")->actions().front()->trigger(); }},
        {"close", [](Harness& h) { h.window->close(); }}};
    for (const auto& [way, act] : ways) {
      for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
        Harness h{RomFixture()};
        h.window->show();
        h.trigger("SaveProjectAs", "work.ovp");
        h.saveTyped("Edited");
        h.prompter.queue(answer);
        act(h);
        const bool goes = answer != Answer::Cancel, saved = answer == Answer::Yes;
        const bool edited = !goes || way == "close" || (saved && way != "load rom"), kept = !goes || way != "close";
        QCOMPARE(std::tuple(way, h.said(0, &Message::text), ReadFileText(h.folder.file("work.ovp")).find("Edited") != std::string::npos,
                            h.doc.Texte[1][1].Aktuell, h.window->isVisible()),
                 std::tuple(way, QString("Save the changes to the project?"), saved, std::string(edited ? "Edited" : ""), kept));
      }
    }
  }

  // The title names the project and marks unsaved changes; Save Project writes into the project's own
  // file without a dialog, Save Project As asks beside it.
  void saveProjectKeepsItsFile() {
    Harness h{RomFixture()};
    QStringList titles{h.window->windowTitle()};
    h.saveTyped("First");
    h.trigger("SaveProject", "work.ovp");
    titles << h.window->windowTitle();
    h.saveTyped("Second");
    titles << h.window->windowTitle();
    h.chooser.answer.reset();  // a dialog now would cancel
    h.trigger("SaveProject");
    titles << h.window->windowTitle();
    h.trigger("SaveProjectAs", "other.ovp");
    QCOMPARE(titles.join(" | "), "Untitled \u2014 Orvane Texteditor | work.ovp \u2014 Orvane Texteditor | work.ovp* \u2014 "
                                 "Orvane Texteditor | work.ovp \u2014 Orvane Texteditor");
    QCOMPARE(QString::fromStdString(h.chooser.requests.back().folder), QString::fromStdString(h.folder.path()));
    QVERIFY(ReadFileText(h.folder.file("work.ovp")).find("Second") != std::string::npos);
  }

  // Showing a long text, leaving it and pressing Save without typing change no byte and no status,
  // and leave nothing to undo.
  void lookingChangesNothing() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("A line of words that runs on well past the pane's width, wrapped only on the screen."));
    Harness h{rom};
    const std::string before = ProjectBytes(h.doc);
    h.find<QListWidget>("Textliste")->setCurrentRow(1);
    h.find<QListWidget>("Textliste")->setCurrentRow(0);
    Click(h.window.get(), "TextSpeichern");
    QCOMPARE(ProjectBytes(h.doc), before);
    QCOMPARE(h.said() + QString::number(h.find<QAction>("UndoMenue")->isEnabled()) + h.window->windowTitle(),
             "0Untitled \u2014 Orvane Texteditor");
  }

  // Replace all and a PO import are one step each: undo gives back the project byte for byte, redo the
  // changed one; a reviewed text the replacement changed is a draft until the undo.
  void undoAndRedoAreExact() {
    Harness h{RomFixture()};
    h.saveTyped("Kael went north");
    Click(h.window.get(), "ReviewedButton");
    const std::string start = ProjectBytes(h.doc);
    Click(h.window.get(), "SuchenKnopf");
    auto* search = h.find<QDialog>("SearchDialog");
    Box(search, "Suchfeld")->setText("Kael");
    Box(search, "ErsetzenFeld")->setText("Ilsa");
    h.prompter.queue(Answer::Yes);
    Click(search, "AlleErsetzen");
    const std::string replaced = ProjectBytes(h.doc);
    const QString status = QString::fromLatin1(StatusName(ProgressOf(h.doc, 1, 1).status));
    const QString label = h.find<QAction>("UndoMenue")->text();
    h.trigger("UndoMenue");
    QCOMPARE(ProjectBytes(h.doc) == start, true);
    QCOMPARE(status + " / " + label + " / " + StatusName(ProgressOf(h.doc, 1, 1).status).data(),
             "draft / &Undo Replace all / reviewed");
    h.trigger("RedoMenue");
    QCOMPARE(ProjectBytes(h.doc) == replaced, true);

    h.trigger("ExportPo", "texts.po");
    PoReadResult po = ReadPoFile(*h.chooser.answer);
    po.entries[1].msgstr = "Zweiter";
    WritePoFile(*h.chooser.answer, po.header, po.entries);
    OnNextModal([](QWidget* w) { Click(w, "ImportButton"); });
    h.trigger("ImportPo");
    QCOMPARE(h.doc.Texte[1][2].Aktuell, "Zweiter");
    h.trigger("UndoMenue");
    QCOMPARE(ProjectBytes(h.doc) == replaced, true);
  }

  // Revert discards the typing as one step of the pane's own undo; Back to the Original puts the ROM's
  // text into the pane, stored by Save as any typing and undone as any change.
  void revertAndBackToTheOriginal() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("Hello"));
    Harness h{rom};
    h.saveTyped("Hallo");
    h.find("RomText0")->setProperty("plainText", "Hal");
    Click(h.window.get(), "Revert");
    const QString reverted = h.pane();
    h.find<QTextEdit>("RomText0")->undo();
    const QString typing = h.pane();
    h.trigger("BackToOriginal");
    const QString original = h.pane() + " " + QString::fromStdString(h.doc.Texte[1][1].Aktuell);
    Click(h.window.get(), "TextSpeichern");
    const QString saved = QString::fromStdString(h.doc.Texte[1][1].Aktuell) + " " + StatusName(ProgressOf(h.doc, 1, 1).status).data();
    h.trigger("UndoMenue");
    QCOMPARE(QStringList({reverted, typing, original, saved, h.pane()}).join(" | "),
             "Hallo | Hal | Hello Hallo | Hello untranslated | Hallo");
  }
};

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
