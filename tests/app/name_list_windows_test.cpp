// The five name-list windows: captions and "*", the guard against the window's own changes, the
// closing question and its answers, which "Save" marks the document changed, and the plain windows'
// length limits and the enemy padding.

#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "document.h"
#include "editors/enemy_names_window.h"
#include "editors/items_window.h"
#include "editors/locations_window.h"
#include "editors/savegame_titles_window.h"
#include "editors/techniques_window.h"
#include "support/scripted_prompter.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::editors;
using orvane::testing::Child;
using orvane::testing::Retype;
using orvane::testing::ScriptedPrompter;

namespace {

struct WindowKind {
  const char* caption;
  const char* questionTitle;
  const char* nameBox;
  const char* saveButton;
  bool saveSetsGeaendert;
  std::function<std::unique_ptr<NameListEditor>(Document&, Prompter&)> open;
  std::function<std::string&(Document&, int row)> name;  // the document's name behind list row `row`
};

const std::vector<WindowKind>& Kinds() {
  static const std::vector<WindowKind> kinds = {
      {"Locations", "Warning!", "Text1", "StadtSpeichern", true,
       [](Document& d, Prompter& p) { return std::make_unique<Stadt>(d, p); },
       [](Document& d, int row) -> std::string& { return d.StadtNamen[row + 1]; }},
      {"Savegame Titles", "Warning!!!", "Text1", "SPNamen", true,
       [](Document& d, Prompter& p) { return std::make_unique<Speichernamen>(d, p); },
       [](Document& d, int row) -> std::string& { return d.SpeicherNamen[row + 1]; }},
      {"Items", "Warning!", "Text1", "Command1", true,
       [](Document& d, Prompter& p) { return std::make_unique<ItemsForm>(d, p); },
       [](Document& d, int row) -> std::string& { return d.Items[row + 1].Name; }},
      {"Enemys", "Warning!!!", "NeuerName", "Speichern", false,
       [](Document& d, Prompter& p) { return std::make_unique<Gegnereditor>(d, p); },
       [](Document& d, int row) -> std::string& { return d.GegnerNamen[row]; }},
      {"Technic&Magic", "Warning!", "Text1", "Command1", false,
       [](Document& d, Prompter& p) { return std::make_unique<Techniken>(d, p); },
       [](Document& d, int row) -> std::string& { return d.TechNamen[row]; }},
  };
  return kinds;
}

// Every name gets a short distinct text; item symbols are editable ones.
void FillNames(Document& doc) {
  for (int i = 1; i <= kLocationCount; ++i) doc.StadtNamen[i] = "Town" + std::to_string(i);
  for (int i = 1; i <= kSaveTitleCount; ++i) doc.SpeicherNamen[i] = "Title" + std::to_string(i);
  for (int i = 1; i <= kItemCount; ++i) doc.Items[i] = {"Item" + std::to_string(i), 32};
  for (int i = 0; i < kEnemyCount; ++i) doc.GegnerNamen[i] = "Foe" + std::to_string(i);
  for (int i = 0; i < kTechCount; ++i) doc.TechNamen[i] = "Tech" + std::to_string(i);
}

}  // namespace

class NameListWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void common_data() {
    QTest::addColumn<int>("kind");
    for (size_t k = 0; k < Kinds().size(); ++k) QTest::newRow(Kinds()[k].caption) << static_cast<int>(k);
  }

  // Opening, selecting and closing unchanged asks nothing; typing marks the window; "Save" stores
  // the list and clears the mark, and sets Geaendert only where it should.
  void common() {
    QFETCH(int, kind);
    const WindowKind& k = Kinds()[kind];
    Document doc;
    FillNames(doc);
    ScriptedPrompter prompter;
    auto window = k.open(doc, prompter);
    window->show();
    auto* box = Child<QLineEdit>(window.get(), k.nameBox);
    auto* list = Child<QListWidget>(window.get(), "Liste");
    QCOMPARE(window->windowTitle(), QString(k.caption));
    QCOMPARE(box->text(), QString::fromStdString(k.name(doc, 0)));

    list->setCurrentRow(2);
    QCOMPARE(box->text(), QString::fromStdString(k.name(doc, 2)));
    QVERIFY(!window->hasUnsavedChanges());
    QCOMPARE(window->windowTitle(), QString(k.caption));

    // Retyping the very same text still counts as an edit.
    Retype(box, box->text());
    QCOMPARE(window->windowTitle(), QString(k.caption) + "*");
    Retype(box, "Neu");
    QCOMPARE(list->item(2)->text(), QString("Neu"));
    QVERIFY(k.name(doc, 2) != "Neu");  // nothing reaches the document before "Save"

    Child<QPushButton>(window.get(), k.saveButton)->click();
    QCOMPARE(window->windowTitle(), QString(k.caption));
    QCOMPARE(QString::fromStdString(k.name(doc, 2)).trimmed(), QString("Neu"));
    QCOMPARE(doc.Geaendert, k.saveSetsGeaendert);
    window->close();
    QVERIFY(prompter.empty());
  }

  void closingQuestion_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("yes");
    for (size_t k = 0; k < Kinds().size(); ++k) {
      QTest::addRow("%s Yes", Kinds()[k].caption) << static_cast<int>(k) << true;
      QTest::addRow("%s No", Kinds()[k].caption) << static_cast<int>(k) << false;
    }
  }

  // Closing with unsaved changes asks once; Yes stores like "Save", No leaves the document alone.
  void closingQuestion() {
    QFETCH(int, kind);
    QFETCH(bool, yes);
    const WindowKind& k = Kinds()[kind];
    Document doc;
    FillNames(doc);
    ScriptedPrompter prompter({yes ? Answer::Yes : Answer::No});
    auto window = k.open(doc, prompter);
    window->show();
    Retype(Child<QLineEdit>(window.get(), k.nameBox), "Zed");
    window->close();

    QVERIFY(window->isHidden());
    QCOMPARE(prompter.messages().size(), size_t{1});
    const Message& m = prompter.last();
    QCOMPARE(QString::fromStdString(m.title), QString(k.questionTitle));
    QCOMPARE(m.text, std::string("You haven't saved your changes!\r\nSave now?"));
    QVERIFY(m.buttons == Buttons::YesNo);
    QVERIFY(m.defaultAnswer == Answer::Yes);
    QVERIFY(m.icon == Icon::Exclamation);
    QVERIFY(m.systemModal);
    QCOMPARE(QString::fromStdString(k.name(doc, 0)).trimmed() == "Zed", yes);
    QCOMPARE(doc.Geaendert, yes && k.saveSetsGeaendert);
  }

  void locationNamesHaveNoLimit() {
    Document doc;
    FillNames(doc);
    ScriptedPrompter prompter;
    Stadt window(doc, prompter);
    auto* box = Child<QLineEdit>(&window, "Text1");
    Retype(box, QString(60, 'x'));
    QCOMPARE(box->text().size(), 60);
  }

  void savegameTitlesStopAt25() {
    Document doc;
    FillNames(doc);
    ScriptedPrompter prompter;
    Speichernamen window(doc, prompter);
    auto* box = Child<QLineEdit>(&window, "Text1");
    Retype(box, QString(30, 'x') + "{");
    QCOMPARE(box->text(), QString(25, 'x'));  // "{" does not widen this limit
  }

  // At most 11 characters typed, a longer name from a project shown whole, and "Save" pads to 11.
  void enemyNames() {
    Document doc;
    FillNames(doc);
    doc.GegnerNamen[1] = "Grandmasterx13";
    ScriptedPrompter prompter;
    Gegnereditor window(doc, prompter);
    auto* box = Child<QLineEdit>(&window, "NeuerName");
    Retype(box, "Abcdefghijklmn");
    QCOMPARE(box->text(), QString("Abcdefghijk"));
    Child<QListWidget>(&window, "Liste")->setCurrentRow(1);
    QCOMPARE(box->text(), QString("Grandmasterx13"));
    Child<QListWidget>(&window, "Liste")->setCurrentRow(2);
    Retype(box, "Rat");
    Child<QPushButton>(&window, "Speichern")->click();
    QCOMPARE(doc.GegnerNamen[0], std::string("Abcdefghijk"));
    QCOMPARE(doc.GegnerNamen[1], std::string("Grandmasterx13"));
    QCOMPARE(doc.GegnerNamen[2], std::string("Rat        "));
    QCOMPARE(doc.GegnerNamen[250], std::string("Foe250     "));
    QVERIFY(!doc.Geaendert);
  }

  // Name 11 + 4 per "{", description 40 + 4 per "{"; description k follows name k, and Yes on closing
  // stores both lists while No leaves them.
  void techniques() {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
      Document doc;
      FillNames(doc);
      for (int k = 0; k < kTechInfoCount; ++k) doc.TechBeschreibungen[k] = "Info" + std::to_string(k);
      ScriptedPrompter prompter({answer});
      Techniken window(doc, prompter);
      window.show();
      auto* name = Child<QLineEdit>(&window, "Text1");
      auto* info = Child<QLineEdit>(&window, "Text2");
      Child<QListWidget>(&window, "Liste")->setCurrentRow(115);
      QCOMPARE(info->text(), QString("Info115"));
      QVERIFY(!window.hasUnsavedChanges());

      Retype(name, QString(12, 'a'));
      QCOMPARE(name->text().size(), 11);
      Retype(name, "{1A}" + QString(12, 'a'));
      QCOMPARE(name->text(), "{1A}" + QString(11, 'a'));
      Retype(info, QString(41, 'b'));
      QCOMPARE(info->text().size(), 40);
      Retype(info, "{0A}{0B}" + QString(41, 'b'));
      QCOMPARE(info->text(), "{0A}{0B}" + QString(40, 'b'));
      QCOMPARE(window.windowTitle(), QString("Technic&Magic*"));

      window.close();
      const bool stored = answer == Answer::Yes;
      QCOMPARE(doc.TechNamen[115] == "{1A}" + std::string(11, 'a'), stored);
      QCOMPARE(doc.TechBeschreibungen[115] == "{0A}{0B}" + std::string(40, 'b'), stored);
      QCOMPARE(doc.TechBeschreibungen[119], std::string("Info119"));
      QVERIFY(!doc.Geaendert);
    }
  }
};

QTEST_MAIN(NameListWindowsTest)
#include "name_list_windows_test.moc"
