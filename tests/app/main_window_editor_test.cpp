// The main text editor: browsing banks and texts with the frame caption, the panes' display form,
// "Save" from the displayed (wrapped) lines, and Hide/Show.

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "editors/editor_pane.h"
#include "main_window_harness.h"
#include "shell/cp1252.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

struct LoadedEditor : MainWindowHarness {
  LoadedEditor() {
    RomFixture rom;
    rom.SetText(1, 1, Codes("First"));
    rom.SetText(1, 2, Codes("A[L_]B[L_]C[L_]D[L_]E"));
    rom.SetText(3, 1, Codes("Three one"));
    rom.SetText(3, 12, Codes("Three[LS]twelve"));
    rom.SetText(13, 1203, Codes("Last"));
    load(rom);
  }
  editors::EditorPane* editor() const { return find<editors::EditorPane>("RomText0"); }
  editors::EditorPane* original() const { return find<editors::EditorPane>("RomText1"); }
  QListWidget* list() const { return find<QListWidget>("Textliste"); }
  QScrollBar* bank() const { return find<QScrollBar>("ScrollBank"); }
  QString caption() const { return find<QGroupBox>("textBlockNr")->title(); }
  // Types `text` into the editor pane in place of what it shows, then presses "Save".
  std::string saveTyped(const QString& text) {
    editor()->setPlainText(text);
    QTest::mouseClick(find<QPushButton>("TextSpeichern"), Qt::LeftButton);
    return doc.Texte[doc.AktuelleBank][doc.AktuellerText].Aktuell;
  }
};

}  // namespace

class MainWindowEditorTest : public QObject {
  Q_OBJECT
 private slots:
  void bankAndTextBrowsing() {
    LoadedEditor e;
    QCOMPARE(e.list()->count(), 456);
    QCOMPARE(e.list()->item(1)->text(), QStringLiteral("A[L_]B[L_]C[L_]D[L_]E"));

    e.bank()->setValue(3);
    QCOMPARE(e.doc.AktuelleBank, 3);
    QCOMPARE(e.doc.AktuellerText, 1);
    QCOMPARE(e.list()->count(), 399);
    QCOMPARE(e.list()->currentRow(), 0);
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("Three one"));
    QCOMPARE(e.caption(), QStringLiteral("Bank: 3     Text: 1"));

    e.list()->setCurrentRow(11);
    QCOMPARE(e.doc.AktuellerText, 12);
    QCOMPARE(e.caption(), QStringLiteral("Bank: 3     Text: 12"));
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("Three\n   twelve"));
    QCOMPARE(e.original()->toPlainText(), QStringLiteral("Three\n   twelve"));

    // The search window's jump: bank 13, entry 1202 (text 1203).
    e.window->showBankText(13, 1202);
    QCOMPARE(e.caption(), QStringLiteral("Bank: 13     Text: 1203"));
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("Last"));

    // Switching banks always starts at the first text.
    e.bank()->setValue(3);
    QCOMPARE(e.caption(), QStringLiteral("Bank: 3     Text: 1"));
  }

  void unsavedEditsAreDroppedWhenAnotherTextIsChosen() {
    LoadedEditor e;
    e.editor()->setPlainText(QStringLiteral("scribble"));
    e.list()->setCurrentRow(1);
    e.list()->setCurrentRow(0);
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("First"));
    QVERIFY(!e.doc.Geaendert);
  }

  void saveWithoutChangesNormalisesTheWindowCode() {
    LoadedEditor e;
    e.list()->setCurrentRow(1);
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("A\nB\nC\nD\nE"));
    QTest::mouseClick(e.find<QPushButton>("TextSpeichern"), Qt::LeftButton);
    QCOMPARE(e.doc.Texte[1][2].Aktuell, std::string("A[L_]B[L_]C[L_]D[W_]E"));
    QCOMPARE(e.doc.Texte[1][2].Original, std::string("A[L_]B[L_]C[L_]D[L_]E"));
    QVERIFY(e.doc.Geaendert);
    // The list shows the new text and stays on it; the pane shows the normalised form.
    QCOMPARE(e.list()->currentRow(), 1);
    QCOMPARE(e.list()->item(1)->text(), QStringLiteral("A[L_]B[L_]C[L_]D[W_]E"));
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("A\nB\nC\nD\n\nE"));
  }

  void saveConvertsTheTypedLines() {
    LoadedEditor e;
    QCOMPARE(e.saveTyped(QStringLiteral("A\n    B")), std::string("A[LS] B"));
    QCOMPARE(e.saveTyped(QStringLiteral("A\n   B")), std::string("A[LS]B"));
    QCOMPARE(e.saveTyped(QStringLiteral("A\n\n\nB")), std::string("A[W_][L_]B"));
    QCOMPARE(e.saveTyped(QStringLiteral("A\n\n   B\nC")), std::string("A[WS]B[L_]C"));
    QCOMPARE(e.saveTyped(QStringLiteral("A\n")), std::string("A[W_]"));
    QCOMPARE(e.saveTyped(QStringLiteral("{1A}Kael[Q!]")), std::string("{1A}Kael[Q!]"));
    // The unknown code is gone from the pane after the save's refresh.
    QCOMPARE(e.editor()->toPlainText(), QStringLiteral("{1A}Kael"));
  }

  // The pane wraps at 42 columns; the wrapped pieces are lines of their own for "Save", the blank
  // at the break staying at the end of the first piece.
  void wrappedLineBecomesTwoLines() {
    LoadedEditor e;
    const QString first = QStringLiteral("The quick brown fox jumps over the lazy ");  // 40 characters
    const QString longLine = first + QStringLiteral("dog and runs away");
    e.editor()->setPlainText(longLine);
    const std::vector<std::string> lines = e.editor()->displayedLines();
    QCOMPARE(lines.size(), size_t(2));
    QCOMPARE(QString::fromStdString(lines[0]), first);
    QCOMPARE(QString::fromStdString(lines[1]), QStringLiteral("dog and runs away"));
    QCOMPARE(e.saveTyped(longLine), (first + QStringLiteral("[L_]dog and runs away")).toStdString());

    // Neither the font nor the pane's width moves the break; a word longer than a line is not cut.
    const std::string expected = (first + QStringLiteral("[L_]dog and runs away")).toStdString();
    e.editor()->setFont(QFont(QStringLiteral("Serif"), 30));
    QCOMPARE(e.saveTyped(longLine), expected);
    e.editor()->resize(3000, 200);
    e.editor()->setFont(QFont(QStringLiteral("Serif"), 6));
    QCOMPARE(e.saveTyped(longLine), expected);
    e.editor()->resize(100, 200);
    QCOMPARE(e.saveTyped(longLine), expected);
    QCOMPARE(e.saveTyped(QString(50, QLatin1Char('x'))), std::string(50, 'x'));
    QCOMPARE(e.saveTyped(QString(42, QLatin1Char('y')) + QStringLiteral(" z")), std::string(42, 'y') + " [L_]z");
  }

  void fiveWrappedPiecesEndTheirWindow() {
    LoadedEditor e;
    QString text;
    std::string expected;
    for (int i = 0; i < 5; ++i) {
      const QString word = QString(41, QChar(u'a' + i));
      text += word + (i < 4 ? QStringLiteral(" ") : QString());
      expected += word.toStdString() + (i < 3 ? " [L_]" : i == 3 ? " [W_]" : "");
    }
    QCOMPARE(e.saveTyped(text), expected);
  }

  void windows1252TextsSurviveShowAndSave() {
    LoadedEditor e;
    std::string all;
    for (int b = 0x20; b < 256; ++b)
      if (b != '[') all += static_cast<char>(b);
    e.doc.Texte[1][1].Aktuell = all;
    e.window->ZeigeText();
    e.editor()->setLineWrapMode(QTextEdit::NoWrap);
    QTest::mouseClick(e.find<QPushButton>("TextSpeichern"), Qt::LeftButton);
    QCOMPARE(e.doc.Texte[1][1].Aktuell, all);
    QCOMPARE(e.list()->item(0)->text(), shell::ToQt(all));
  }

  void hideAndShowTheOriginalPane() {
    LoadedEditor e;
    e.window->show();
    auto* button = e.find<QPushButton>("Verstecken");
    const QRect small = e.editor()->geometry();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!e.original()->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Show"));
    QVERIFY(e.editor()->height() > 2 * small.height());
    QCOMPARE(e.editor()->geometry().top(), small.top());
    QCOMPARE(e.original()->toPlainText(), QStringLiteral("First"));  // kept while hidden

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(e.original()->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Hide"));
    QCOMPARE(e.editor()->geometry(), small);
  }
};

QTEST_MAIN(MainWindowEditorTest)
#include "main_window_editor_test.moc"
