// The options window: which option opens selected, the slider's enabling and its frame caption, and
// what the window leaves in the document when confirmed or closed.

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include "compression/optimizer_options_window.h"
#include "document.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::compression;
using orvane::testing::Child;

class OptimizerOptionsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void firstUse() {
    Document doc;
    doc.OptionenBestaetigt = true;  // left from an earlier run
    KomprimOptionen window(doc);
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Wähle eine Suchoption aus!"));
    QCOMPARE(Child<QGroupBox>(&window, "Frame1")->title(), QString("Style"));
    QVERIFY(Child<QRadioButton>(&window, "Option1")->isChecked());
    QVERIFY(!Child<QGroupBox>(&window, "Frame2")->isEnabled());
    QVERIFY(!Child<QSlider>(&window, "Silbenzahl")->isEnabled());
    QCOMPARE(Child<QGroupBox>(&window, "Frame2")->title(), QString("Fast Scan depth: Low"));
    QVERIFY(!doc.OptionenBestaetigt);
    QCOMPARE(Child<QRadioButton>(&window, "Option1")->toolTip(), QString("Very accurate but very slow!"));
    QCOMPARE(Child<QRadioButton>(&window, "Option2")->toolTip(),
             QString("Very fast but not as accurate as the option above (but normaly thats enough)"));
    QCOMPARE(Child<QRadioButton>(&window, "Option3")->text(), QString("Smallest ROM (slow)"));
    QVERIFY(!Child<QRadioButton>(&window, "Option3")->toolTip().isEmpty());
  }

  // Only the fast scan uses the slider; switching away keeps its value.
  void enabling() {
    Document doc;
    KomprimOptionen window(doc);
    window.show();
    auto* slider = Child<QSlider>(&window, "Silbenzahl");
    Child<QRadioButton>(&window, "Option2")->click();
    QVERIFY(slider->isEnabled());
    QVERIFY(Child<QGroupBox>(&window, "Frame2")->isEnabled());
    slider->setValue(12);
    Child<QRadioButton>(&window, "Option1")->click();
    QVERIFY(!slider->isEnabled());
    QCOMPARE(slider->value(), 12);
    Child<QRadioButton>(&window, "Option3")->click();
    QVERIFY(!slider->isEnabled());
  }

  void caption_data() {
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QString>("caption");
    QTest::newRow("5") << QList<int>{5} << "Fast Scan depth: Low";
    QTest::newRow("15") << QList<int>{15} << "Fast Scan depth: High";
    QTest::newRow("19 then 20") << QList<int>{19, 20} << "Fast Scan depth: High";
    QTest::newRow("3 then 20") << QList<int>{3, 20} << "Fast Scan depth: Low";
  }

  void caption() {
    QFETCH(QList<int>, moves);
    QFETCH(QString, caption);
    Document doc;
    doc.KomprimModus = 1;
    doc.Suchtiefe = 10;
    KomprimOptionen window(doc);
    for (int value : moves) Child<QSlider>(&window, "Silbenzahl")->setValue(value);
    QCOMPARE(Child<QGroupBox>(&window, "Frame2")->title(), caption);
  }

  // Opening at 20 has no caption of its own: the frame keeps its layout caption.
  void openingAtTwenty() {
    Document doc;
    doc.KomprimModus = 1;
    doc.Suchtiefe = 20;
    KomprimOptionen window(doc);
    QVERIFY(Child<QRadioButton>(&window, "Option2")->isChecked());
    QVERIFY(Child<QSlider>(&window, "Silbenzahl")->isEnabled());
    QCOMPARE(Child<QGroupBox>(&window, "Frame2")->title(), QString("Seek"));
  }

  void confirmAndClose_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("mode");
    QTest::newRow("accurate confirmed") << "Option1" << true << 0;
    QTest::newRow("fast confirmed") << "Option2" << true << 1;
    QTest::newRow("smallest confirmed") << "Option3" << true << 2;
    QTest::newRow("fast closed") << "Option2" << false << 1;
    QTest::newRow("smallest closed") << "Option3" << false << 2;
  }

  // Every close keeps the choices; only the confirm button confirms.
  void confirmAndClose() {
    QFETCH(QString, option);
    QFETCH(bool, confirm);
    QFETCH(int, mode);
    Document doc;
    {
      KomprimOptionen window(doc);
      window.show();
      Child<QRadioButton>(&window, "Option2")->click();
      Child<QSlider>(&window, "Silbenzahl")->setValue(17);
      Child<QRadioButton>(&window, option.toLatin1().constData())->click();
      if (confirm)
        Child<QPushButton>(&window, "Command1")->click();
      else
        window.close();
      QVERIFY(window.isHidden());
    }
    QCOMPARE(int(doc.KomprimModus), mode);
    QCOMPARE(doc.Suchtiefe, 17);
    QCOMPARE(doc.OptionenBestaetigt, confirm);

    KomprimOptionen again(doc);
    QVERIFY(Child<QRadioButton>(&again, option.toLatin1().constData())->isChecked());
    QCOMPARE(Child<QSlider>(&again, "Silbenzahl")->value(), 17);
    QVERIFY(!doc.OptionenBestaetigt);
  }
};

QTEST_MAIN(OptimizerOptionsWindowTest)
#include "optimizer_options_window_test.moc"
