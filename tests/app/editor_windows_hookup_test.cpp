// The main window opens each editing window from its menu entry or button: the modal windows on the
// loaded document, and the search window beside it, whose double click shows the found text and
// which loading closes.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "editors/editor_windows_hookup.h"
#include "editors/search_dialog.h"
#include "main_window_harness.h"
#include "window_test_helpers.h"

using namespace orvane;
using orvane::testing::Child;
using orvane::testing::MainWindowHarness;
using orvane::testing::RomFixture;

class EditorWindowsHookupTest : public QObject {
  Q_OBJECT

 private slots:
  void menuEntriesOpenTheirWindows_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("compression") << "Kompression" << "Komprimmierung" << "Textcompression";
    QTest::newRow("items") << "ItemsMenue" << "ItemsForm" << "Items";
    QTest::newRow("techniques") << "TechMenue" << "Techniken" << "Technic&Magic";
    QTest::newRow("locations") << "Stadtnamen_Menue" << "Stadt" << "Locations";
    QTest::newRow("enemies") << "GegnerNamenMenue" << "Gegnereditor" << "Enemys";
    QTest::newRow("titles") << "TitlesMenue" << "Speichernamen" << "Savegame Titles";
  }

  void menuEntriesOpenTheirWindows() {
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    MainWindowHarness h;
    h.load(RomFixture());
    QString seenName, seenCaption;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      QVERIFY(modal);
      seenName = modal->objectName();
      seenCaption = modal->windowTitle();
      modal->close();
    });
    h.action(action.toLatin1().constData())->trigger();
    QCOMPARE(seenName, window);
    QCOMPARE(seenCaption, caption);
    QVERIFY(!h.window->findChild<QDialog*>(window));  // discarded on closing
  }

  void searchWindow() {
    MainWindowHarness h;
    RomFixture rom;
    rom.SetText(4, 7, testing::Codes("Mira"));
    h.load(rom);
    h.window->show();
    auto* button = h.find<QPushButton>("SuchenKnopf");
    button->click();
    auto* search = h.window->findChild<editors::SearchDialog*>("SearchDialog");
    QVERIFY(search && search->isVisible() && !search->isModal());
    button->click();  // a second press opens no second window
    QCOMPARE(h.window->findChildren<editors::SearchDialog*>().size(), 1);

    Child<QLineEdit>(search, "Suchfeld")->setText("Mira");
    Child<QPushButton>(search, "SucheStarten")->click();
    auto* results = Child<QListWidget>(search, "ErgebnisListe");
    QCOMPARE(results->count(), 1);
    const QPoint line = results->visualItemRect(results->item(0)).center();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, line);
    QCOMPARE(h.doc.AktuelleBank, 4);
    QCOMPARE(h.doc.AktuellerText, 7);

    QPointer<editors::SearchDialog> watched(search);
    h.load(RomFixture());
    QTRY_VERIFY(!watched);
  }
};

QTEST_MAIN(EditorWindowsHookupTest)
#include "editor_windows_hookup_test.moc"
