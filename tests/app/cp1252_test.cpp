// The Windows-1252 mapping: every byte survives the trip to Qt and back, in strings and in the
// editor pane, and characters without a byte are refused where they are typed.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "editors/editor_pane.h"
#include "shell/cp1252.h"

using namespace orvane;

namespace {

// A key press that carries a character no key code names, as an input method delivers it.
void TypeCharacter(QWidget* target, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

}  // namespace

class Cp1252Test : public QObject {
  Q_OBJECT
 private slots:
  void everyByteRoundTrips() {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = shell::ToQt(all);
    QCOMPARE(text.size(), 256);
    bool ok = false;
    QCOMPARE(shell::FromQt(text, &ok), all);
    QVERIFY(ok);
    // Distinct bytes give distinct characters.
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
  }

  void knownCharacters() {
    QCOMPARE(shell::ToQt("\x80\x85\x9F\xE4\xFF"), QString::fromUtf8("€…Ÿäÿ"));
    QCOMPARE(shell::ToQt("\x81\x8D\x8F\x90\x9D"), QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
    QCOMPARE(shell::FromQt(QString::fromUtf8("Café €5 “x”")), std::string("Caf\xE9 \x80" "5 \x93x\x94"));
  }

  void charactersWithoutAByteAreReported() {
    bool ok = true;
    QCOMPARE(shell::FromQt(QString::fromUtf8("a→b"), &ok), std::string("a?b"));
    QVERIFY(!ok);
    QVERIFY(!shell::HasByte(QChar(0x0080)));  // byte 0x80 is the euro sign, not U+0080
    QVERIFY(!shell::HasByte(QChar(0x3042)));
    QVERIFY(shell::HasByte(QChar(0x0081)));
    QVERIFY(shell::RefusalText(QStringLiteral("→")).contains(QStringLiteral("\"→\"")));
  }

  void lineEditRefusesTypedCharacter() {
    QLineEdit edit;
    shell::GuardLineEdit(&edit);
    auto* validator = qobject_cast<const shell::Cp1252Validator*>(edit.validator());
    QVERIFY(validator);
    QSignalSpy refused(validator, &shell::Cp1252Validator::refused);
    QTest::keyClicks(&edit, QStringLiteral("Zuri"));
    TypeCharacter(&edit, QString::fromUtf8("→"));
    edit.insert(QString::fromUtf8("é"));
    QCOMPARE(edit.text(), QString::fromUtf8("Zurié"));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.first().first().toString(), QString::fromUtf8("→"));
  }

  void paneRefusesTypedAndPastedCharacters() {
    editors::EditorPane pane;
    pane.setPlainText(QStringLiteral("ab"));
    pane.moveCursor(QTextCursor::End);
    pane.insertPlainText(QString::fromUtf8("c→d✓e"));
    QCOMPARE(pane.toPlainText(), QStringLiteral("abcde"));
    QVERIFY(pane.statusTip().contains(QString::fromUtf8("→✓")));
    TypeCharacter(pane.viewport(), QString::fromUtf8("ア"));
    TypeCharacter(pane.viewport(), QStringLiteral("f"));
    QCOMPARE(pane.toPlainText(), QStringLiteral("abcdef"));
    QVERIFY(pane.statusTip().contains(QString::fromUtf8("ア")));
  }

  // Line breaks (0x0A, 0x0D) are the pane's own; every other byte shows and comes back unchanged,
  // through the display form too (where only "[" has a meaning).
  void everyByteSurvivesThePane() {
    std::string all;
    for (int b = 0; b < 256; ++b)
      if (b != '\n' && b != '\r') all += static_cast<char>(b);
    editors::EditorPane pane;
    pane.setLineWrapMode(QTextEdit::NoWrap);
    pane.setPlainText(shell::ToQt(all));
    QCOMPARE(pane.displayedLines(), std::vector<std::string>{all});

    std::string withoutBracket = all;
    withoutBracket.erase(withoutBracket.find('['), 1);
    pane.showStored(withoutBracket);
    QCOMPARE(pane.displayedLines(), std::vector<std::string>{withoutBracket});
  }
};

QTEST_MAIN(Cp1252Test)
#include "cp1252_test.moc"
