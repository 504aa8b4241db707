// The dictionary window: statistics and their colours around the 512-byte budget, edits through the
// edit box, "Delete Tabelle", saving and the closing question, and the window run of the optimizer
// with its options, its result in the list and "Abort".

#include <QApplication>
#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "compression/dictionary_window.h"
#include "compression/optimizer.h"
#include "document.h"
#include "rom/code_table.h"
#include "support/scripted_prompter.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::compression;
using orvane::testing::Child;
using orvane::testing::Retype;
using orvane::testing::ScriptedPrompter;

namespace {

const QColor kRed(255, 0, 0);

// Entries whose costs (length + 1) add up to `used` bytes.
void FillDictionary(Document& doc, int used) {
  int extra = used - kDictionaryEntries;
  for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code) {
    const int length = std::min(extra, 5);
    doc.Tabelle[1][code] = std::string(static_cast<size_t>(length), static_cast<char>('a' + code % 26));
    extra -= length;
  }
}

QStringList Lines(QWidget* window) {
  auto* list = Child<QListWidget>(window, "Silbenliste");
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

QColor TextColour(QWidget* window, const char* label) {
  return Child<QLabel>(window, label)->palette().color(QPalette::WindowText);
}

// Answers the options window as soon as it opens: picks an option and confirms, or closes it.
void AnswerOptions(const char* option, bool confirm) {
  QTimer::singleShot(0, [option, confirm] {
    QWidget* options = QApplication::activeModalWidget();
    QVERIFY(options && options->objectName() == "KomprimOptionen");
    Child<QRadioButton>(options, option)->click();
    if (confirm)
      Child<QPushButton>(options, "Command1")->click();
    else
      options->close();
  });
}

// Dialogue with a clear favourite pair ("th") and enough text to keep the bar moving.
void FillTexts(Document& doc) {
  PutBuiltInCodes(doc);
  for (int bank = 1; bank <= kBankCount; ++bank)
    for (int t = 1; t <= doc.BankInfo[bank].TextCount; ++t)
      doc.Texte[bank][t].Aktuell = t % 2 ? "the other thing there" : "Mira sees Kael at sea";
}

}  // namespace

class DictionaryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void statistics_data() {
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("usedText");
    QTest::addColumn<QString>("freeText");
    QTest::addColumn<bool>("red");
    QTest::newRow("empty") << 127 << "Used memory       : 127 byte" << "Free                       : 385 byte"
                           << false;
    QTest::newRow("512") << 512 << "Used memory       : 512 byte" << "Free                       : 0 byte"
                         << false;
    QTest::newRow("513") << 513 << "Used memory       : 513 byte" << "Free                       :-1 byte"
                         << true;
  }

  void statistics() {
    QFETCH(int, used);
    QFETCH(QString, usedText);
    QFETCH(QString, freeText);
    QFETCH(bool, red);
    Document doc;
    FillDictionary(doc, used);
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    QCOMPARE(window.windowTitle(), QString("Textcompression"));
    QCOMPARE(Child<QGroupBox>(&window, "Frame1")->title(), QString("Silbenliste : 127"));
    QCOMPARE(Child<QLabel>(&window, "Belegt")->text(), usedText);
    QCOMPARE(Child<QLabel>(&window, "NochFrei")->text(), freeText);
    QCOMPARE(Child<QLabel>(&window, "Reserviert")->text(), QString("Memory reserved : 512 byte"));
    QCOMPARE(TextColour(&window, "Belegt") == kRed, red);
    QCOMPARE(TextColour(&window, "NochFrei") == kRed, red);
    if (!red) QCOMPARE(TextColour(&window, "Belegt"), window.palette().color(QPalette::ButtonText));
  }

  // One more character at 512 bytes turns both labels red; taking it away turns them back.
  void typingMovesOneLineAndTheCount() {
    Document doc;
    FillDictionary(doc, 512);
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    const QStringList before = Lines(&window);
    Child<QListWidget>(&window, "Silbenliste")->setCurrentRow(4);
    auto* box = Child<QLineEdit>(&window, "Aendern");
    QCOMPARE(box->text(), before[4]);
    QVERIFY(!window.hasUnsavedChanges());

    QTest::keyClicks(box, "x");
    QCOMPARE(window.belegung(), 513);
    QCOMPARE(TextColour(&window, "NochFrei"), kRed);
    QCOMPARE(window.windowTitle(), QString("Textcompression*"));
    Retype(box, "ab");
    QCOMPARE(window.belegung(), 512 - before[4].size() + 2);
    QStringList expected = before;
    expected[4] = "ab";
    QCOMPARE(Lines(&window), expected);
    QVERIFY(TextColour(&window, "NochFrei") != kRed);
    QCOMPARE(doc.Tabelle[1][kDictionaryFirst + 4], before[4].toStdString());  // not saved yet
  }

  // After "Delete Tabelle" the box keeps the old text; the next edit puts the whole box text in.
  void deleteTableThenEditAndSave() {
    Document doc;
    FillDictionary(doc, 400);
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    Child<QListWidget>(&window, "Silbenliste")->setCurrentRow(2);
    const QString old = Child<QLineEdit>(&window, "Aendern")->text();
    Child<QPushButton>(&window, "ClearTable")->click();
    QCOMPARE(window.belegung(), 127);
    QCOMPARE(Child<QLineEdit>(&window, "Aendern")->text(), old);
    QTest::keyClicks(Child<QLineEdit>(&window, "Aendern"), "q");
    QCOMPARE(window.belegung(), 127 + old.size() + 1);

    Child<QToolButton>(&window, "TabSpeichern")->click();
    QCOMPARE(window.windowTitle(), QString("Textcompression"));
    QCOMPARE(doc.Tabelle[1][kDictionaryFirst + 2], (old + "q").toStdString());
    QCOMPARE(doc.Tabelle[1][kDictionaryFirst], std::string());
    QVERIFY(doc.Geaendert);
    QVERIFY(doc.TabelleGeaendert);
    window.show();
    window.close();
    QVERIFY(prompter.empty());
  }

  void closingQuestion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the table") << false;
    QTest::newRow("Yes saves") << true;
  }

  void closingQuestion() {
    QFETCH(bool, yes);
    Document doc;
    FillDictionary(doc, 300);
    const auto table = doc.Tabelle[1];
    ScriptedPrompter prompter({yes ? Answer::Yes : Answer::No});
    Komprimmierung window(doc, prompter);
    window.show();
    Child<QPushButton>(&window, "ClearTable")->click();
    window.close();
    QVERIFY(window.isHidden());
    QCOMPARE(prompter.messages().size(), size_t{1});
    const Message& m = prompter.last();
    QCOMPARE(m.title, std::string("Warnung!"));
    QCOMPARE(m.text, std::string("You haven't saved the changes!!!\r\nSaved now?"));
    QVERIFY(m.buttons == Buttons::YesNo);
    QVERIFY(m.icon == Icon::None);
    QCOMPARE(doc.Tabelle[1] == table, !yes);
    QCOMPARE(doc.Tabelle[1][kDictionaryFirst].empty(), yes);
    QCOMPARE(doc.Geaendert, yes);
  }

  void windowRunFillsTheList_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("mode");
    QTest::newRow("accurate") << "Option1" << int(OptimizerMode::Accurate);
    QTest::newRow("smallest") << "Option3" << int(OptimizerMode::Smallest);
  }

  // The run fills the list with the optimizer's picks padded to 127 lines; nothing is saved yet.
  void windowRunFillsTheList() {
    QFETCH(QString, option);
    QFETCH(int, mode);
    Document doc;
    FillTexts(doc);
    FillDictionary(doc, 200);
    const auto table = doc.Tabelle[1];
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    window.show();
    const QByteArray optionName = option.toLatin1();
    AnswerOptions(optionName.constData(), true);
    Child<QPushButton>(&window, "AutoKomprim")->click();

    OptimizerParams params;
    params.mode = static_cast<OptimizerMode>(mode);
    params.pickLimit = kDictionaryEntries;
    testing::RecordingProgress quiet;
    const OptimizerOutcome expected = RunOptimizer(doc, params, quiet, prompter);
    QVERIFY(expected.succeeded && !expected.picks.empty());
    QStringList expectedLines;
    for (const std::string& pick : expected.picks) expectedLines << QString::fromStdString(pick);
    while (expectedLines.size() < kDictionaryEntries) expectedLines << QString();
    QCOMPARE(Lines(&window), expectedLines);
    QVERIFY(std::any_of(expected.picks.begin(), expected.picks.end(),
                        [](const std::string& pick) { return pick.find("th") != std::string::npos; }));
    QVERIFY(window.hasUnsavedChanges());
    QCOMPARE(window.windowTitle(), QString("Textcompression*"));
    int used = 0;
    for (const QString& line : expectedLines) used += line.size() + 1;
    QCOMPARE(window.belegung(), used);
    QVERIFY(used <= 512);
    QVERIFY(Child<QLabel>(&window, "Belegt")->text().contains(QString::number(window.belegung())));
    QVERIFY(!window.isBusy());
    QVERIFY(Child<QPushButton>(&window, "AutoKomprim")->isVisible());
    QVERIFY(!Child<QPushButton>(&window, "Abbrechen")->isVisible());
    QVERIFY(!Child<QProgressBar>(&window, "Status")->isVisible());
    QVERIFY(Child<QPushButton>(&window, "ClearTable")->isEnabled());
    QVERIFY(Child<QToolButton>(&window, "TabSpeichern")->isEnabled());
    QCOMPARE(doc.Tabelle[1], table);
    QVERIFY(prompter.empty());
  }

  // "Abort" while counting: the list and statistics stay as they were, the caption keeps its "*";
  // while the run is busy the window cannot be closed.
  void abortWhileCounting() {
    Document doc;
    FillTexts(doc);
    FillDictionary(doc, 300);
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    window.show();
    const QStringList before = Lines(&window);
    const QString usedBefore = Child<QLabel>(&window, "Belegt")->text();
    auto* bar = Child<QProgressBar>(&window, "Status");
    bool sawBusyState = false;
    connect(bar, &QProgressBar::valueChanged, &window, [&](int value) {
      if (value < 60 || sawBusyState) return;
      sawBusyState = window.isBusy() && !Child<QPushButton>(&window, "ClearTable")->isEnabled() &&
                     Child<QPushButton>(&window, "Abbrechen")->isVisible();
      window.close();  // refused: the run goes on
      QVERIFY(window.isVisible());
      Child<QPushButton>(&window, "Abbrechen")->click();
    });
    AnswerOptions("Option1", true);
    Child<QPushButton>(&window, "AutoKomprim")->click();

    QVERIFY(sawBusyState);
    QCOMPARE(Lines(&window), before);
    QCOMPARE(Child<QLabel>(&window, "Belegt")->text(), usedBefore);
    QCOMPARE(window.windowTitle(), QString("Textcompression*"));
    QVERIFY(!window.hasUnsavedChanges());
    QVERIFY(!window.isBusy());
    QVERIFY(!bar->isVisible());
    QVERIFY(prompter.empty());
  }

  // Closing the options window without confirming starts nothing.
  void optionsClosedStartNothing() {
    Document doc;
    FillTexts(doc);
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    window.show();
    const QStringList before = Lines(&window);
    AnswerOptions("Option2", false);
    Child<QPushButton>(&window, "AutoKomprim")->click();
    QCOMPARE(Lines(&window), before);
    QCOMPARE(window.windowTitle(), QString("Textcompression"));
    QVERIFY(!Child<QProgressBar>(&window, "Status")->isVisible());
    QCOMPARE(int(doc.KomprimModus), 1);  // the choice is kept for next time
  }

  // No dialogue at all: the optimizer's message, a short unpadded list, no changed flag.
  void failedRun() {
    Document doc;
    ScriptedPrompter prompter;
    Komprimmierung window(doc, prompter);
    window.show();
    AnswerOptions("Option1", true);
    Child<QPushButton>(&window, "AutoKomprim")->click();
    QCOMPARE(prompter.messages().size(), size_t{1});
    QCOMPARE(prompter.last().text, std::string("Couldn't find an optimal compression."));
    QVERIFY(Lines(&window).size() <= 1);
    QVERIFY(!window.hasUnsavedChanges());
    QCOMPARE(window.belegung(), static_cast<int>(Lines(&window).size()));
  }
};

QTEST_MAIN(DictionaryWindowTest)
#include "dictionary_window_test.moc"
