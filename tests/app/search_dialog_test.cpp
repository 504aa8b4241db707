// The text search: exact-case matches over the working texts, one line per text in bank and text
// order, the caption with the count, and the double click that shows a found text.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "document.h"
#include "editors/search_dialog.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::editors;
using orvane::testing::Child;

class SearchDialogTest : public QObject {
  Q_OBJECT

  Document doc;
  std::vector<std::pair<int, int>> shown;

  QStringList search(SearchDialog& dialog, const QString& pattern) {
    Child<QLineEdit>(&dialog, "Suchfeld")->setText(pattern);
    Child<QPushButton>(&dialog, "SucheStarten")->click();
    QStringList lines;
    auto* list = Child<QListWidget>(&dialog, "ErgebnisListe");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }

 private slots:
  void init() {
    doc = Document();
    shown.clear();
    doc.Texte[3][12] = {"Kael[L_]and Kael again", "old"};
    doc.Texte[1][2] = {"ask Kael", "ask Kael"};
    doc.Texte[21][doc.BankInfo[21].TextCount] = {"kael is lower[W_]", ""};
    doc.Texte[2][5] = {"nothing here", "Kael only in the original"};
    // Beyond TextCount the text is never searched.
    doc.Texte[1][doc.BankInfo[1].TextCount + 1] = {"Kael", "Kael"};
  }

  void findsInOrderWithExactCase() {
    SearchDialog dialog(doc, [this](int b, int t) { shown.emplace_back(b, t); });
    QCOMPARE(dialog.windowTitle(), QString("Textsearch"));
    QCOMPARE(search(dialog, "Kael"),
             QStringList({"Found in Bank: 1  Textnummer: 2", "Found in Bank: 3  Textnummer: 12"}));
    QCOMPARE(dialog.windowTitle(), QString("Textsearch got 2 results"));

    const QString last = QString("Found in Bank: 21  Textnummer: %1").arg(doc.BankInfo[21].TextCount);
    QCOMPARE(search(dialog, "kael"), QStringList({last}));
    QCOMPARE(search(dialog, "[L_]"), QStringList({"Found in Bank: 3  Textnummer: 12"}));
    QCOMPARE(search(dialog, ""), QStringList());
    QCOMPARE(dialog.windowTitle(), QString("Textsearch got 0 results"));
    QCOMPARE(search(dialog, "original"), QStringList());
  }

  void doubleClickShowsTheText() {
    SearchDialog dialog(doc, [this](int b, int t) { shown.emplace_back(b, t); });
    search(dialog, "Kael");
    auto* list = Child<QListWidget>(&dialog, "ErgebnisListe");
    dialog.show();
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(shown, (std::vector<std::pair<int, int>>{{3, 11}}));

    search(dialog, "nobody");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(shown.size(), size_t{1});
  }

  // The next search sees what the editor saved since.
  void searchesTheCurrentWorkingTexts() {
    SearchDialog dialog(doc, [](int, int) {});
    QCOMPARE(search(dialog, "Mira").size(), 0);
    doc.Texte[2][5].Aktuell = "Mira";
    QCOMPARE(search(dialog, "Mira"), QStringList({"Found in Bank: 2  Textnummer: 5"}));
  }
};

QTEST_MAIN(SearchDialogTest)
#include "search_dialog_test.moc"
