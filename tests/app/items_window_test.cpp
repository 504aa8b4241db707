// The items window: which items can change name and symbol, the symbol buttons, the name limit that
// grows with "{", and the descriptions that belong to item i+1.

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "document.h"
#include "editors/items_window.h"
#include "support/scripted_prompter.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::editors;
using orvane::testing::Child;
using orvane::testing::Retype;
using orvane::testing::ScriptedPrompter;

namespace {

QRadioButton* Option(QWidget* window, int k) {
  return Child<QRadioButton>(window, QString("Optionen%1").arg(k).toLatin1().constData());
}

}  // namespace

class ItemsWindowTest : public QObject {
  Q_OBJECT

  Document doc;

 private slots:
  void init() {
    doc = Document();
    for (int i = 1; i <= kItemCount; ++i) doc.Items[i] = {"Item" + std::to_string(i), 255};
    for (int i = 0; i <= kItemInfoCount; ++i) doc.ItemInfos[i] = "Info" + std::to_string(i);
  }

  void symbolEnabling_data() {
    QTest::addColumn<int>("symbol");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("button");
    QTest::newRow("0") << 0 << false << -1;
    QTest::newRow("31") << 31 << false << -1;
    QTest::newRow("32") << 32 << true << 0;
    QTest::newRow("41") << 41 << true << 9;
    QTest::newRow("42") << 42 << false << -1;
    QTest::newRow("200") << 200 << false << -1;
    QTest::newRow("254") << 254 << false << -1;
    QTest::newRow("255") << 255 << true << 10;
  }

  void symbolEnabling() {
    QFETCH(int, symbol);
    QFETCH(bool, editable);
    QFETCH(int, button);
    doc.Items[3].Symbol = static_cast<uint8_t>(symbol);
    ScriptedPrompter prompter;
    ItemsForm window(doc, prompter);
    window.show();
    Child<QListWidget>(&window, "Liste")->setCurrentRow(2);

    QCOMPARE(Child<QLineEdit>(&window, "Text1")->text(), QString("Item3"));
    QCOMPARE(Child<QGroupBox>(&window, "Frame2")->isEnabled(), editable);
    QCOMPARE(Child<QGroupBox>(&window, "Frame3")->isEnabled(), editable);
    if (editable) QVERIFY(Option(&window, button)->isChecked());
    // The description stays editable either way and is saved.
    auto* info = Child<QLineEdit>(&window, "Beschreibung");
    QVERIFY(info->isEnabled());
    QCOMPARE(info->text(), QString("Info4"));
    Retype(info, "Neu");
    Child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(doc.ItemInfos[4], std::string("Neu"));
    QCOMPARE(doc.ItemInfos[3], std::string("Info3"));
    QCOMPARE(int(doc.Items[3].Symbol), symbol);
    QVERIFY(doc.Geaendert);
  }

  // Choosing a symbol is an edit; showing an item's own symbol is not.
  void choosingSymbols() {
    doc.Items[1].Symbol = 35;
    ScriptedPrompter prompter;
    ItemsForm window(doc, prompter);
    window.show();
    auto* list = Child<QListWidget>(&window, "Liste");
    QVERIFY(Option(&window, 3)->isChecked());
    list->setCurrentRow(1);
    QVERIFY(Option(&window, 10)->isChecked());
    QVERIFY(!window.hasUnsavedChanges());

    Option(&window, 9)->click();
    QCOMPARE(window.windowTitle(), QString("Items*"));
    list->setCurrentRow(0);
    Option(&window, 10)->click();
    Child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(int(doc.Items[1].Symbol), 255);
    QCOMPARE(int(doc.Items[2].Symbol), 41);
    QCOMPARE(int(doc.Items[3].Symbol), 255);
    QCOMPARE(window.windowTitle(), QString("Items"));
  }

  void limits() {
    ScriptedPrompter prompter;
    ItemsForm window(doc, prompter);
    auto* name = Child<QLineEdit>(&window, "Text1");
    Retype(name, "abcdefghijkl");
    QCOMPARE(name->text(), QString("abcdefghij"));
    Retype(name, "{1A}abcdefghijkl");
    QCOMPARE(name->text(), QString("{1A}abcdefghij"));
    Retype(name, "{1A}{1B}abcdefghijkl");
    QCOMPARE(name->text().size(), 18);
    auto* info = Child<QLineEdit>(&window, "Beschreibung");
    Retype(info, "{0A}" + QString(45, 'z'));
    QCOMPARE(info->text().size(), 40);  // the description's limit does not grow
  }

  // A name longer than the limit that the document already holds is shown whole.
  void longNamesAreNotCut() {
    doc.Items[5].Name = "Excalibur the Great";
    ScriptedPrompter prompter;
    ItemsForm window(doc, prompter);
    Child<QListWidget>(&window, "Liste")->setCurrentRow(4);
    auto* name = Child<QLineEdit>(&window, "Text1");
    QCOMPARE(name->text(), QString("Excalibur the Great"));
    QTest::keyClicks(name, "x");
    QCOMPARE(name->text(), QString("Excalibur the Great"));
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), QString("Excalibur the Grea"));
  }
};

QTEST_MAIN(ItemsWindowTest)
#include "items_window_test.moc"
