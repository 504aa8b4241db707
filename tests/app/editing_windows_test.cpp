// The editing windows the main window opens: the five name lists, each driven through one story
// (a refused character, the typing limits, "Save", closing unchanged and with the question
// answered Yes and No), and the dictionary window with its budget, its closing question and the
// optimizer's window run (options, result, "Abort").

#include "compression/dictionary_window.h"
#include "compression/optimizer.h"
#include "compression/button_pictures.h"
#include "editors/item_symbol_pictures.h"
#include "editors/enemy_names_window.h"
#include "editors/items_window.h"
#include "editors/locations_window.h"
#include "editors/savegame_titles_window.h"
#include "editors/techniques_window.h"
#include "rom/code_table.h"
#include "window_test_helpers.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

const std::optional<Answer> kClosings[] = {std::nullopt, Answer::Yes, Answer::No};  // none: closed unchanged

template <auto List, int First> std::string& At(Document& doc, int row) { return (doc.*List)[row + First]; }

struct Kind {
  const char *caption, *questionTitle, *nameBox, *saveButton;
  int kept;  // how much of two escapes "{XX}" and 60 more characters the name box keeps
  bool padsToLimit;
  std::string& (*name)(Document&, int row);  // the document's text behind list row `row`
  const char* infoBox = nullptr;             // the description box, and how much of the same it keeps
  int infoKept = 0;
  std::string& (*info)(Document&, int row) = nullptr;
};

template <class Window>
void Story(const Kind& k) {
  for (const std::optional<Answer> answer : kClosings) {
    Document doc;
    for (int row = 0; row < 3; ++row) k.name(doc, row) = "Name" + std::to_string(row);
    if (k.info) k.info(doc, 2) = "Info";
    doc.Items[3].Symbol = answer ? editors::kLastItemSymbol : editors::kFirstItemSymbol;  // both ends editable
    ScriptedPrompter script(answer ? std::deque<Answer>{*answer} : std::deque<Answer>{});
    MarkingChanges changes(doc);
    Window w(doc, changes, script);
    w.show();
    QLineEdit *box = Box(&w, k.nameBox), *info = k.infoBox ? Box(&w, k.infoBox) : nullptr;
    auto* list = Child<QListWidget>(&w, "Liste");
    list->setCurrentRow(2);
    box->insert(QString::fromUtf8("→"));  // without a Windows-1252 byte: refused
    QCOMPARE(box->text() + (info ? info->text() : "") + " / " + w.windowTitle(),
             QString(info ? "Name2Info / " : "Name2 / ") + k.caption);
    // A description box keeping more than 40 characters shows 40; a plain list ~20 rows, growing with the window.
    const int rows = list->height() / list->sizeHintForRow(0);
    w.resize(w.width(), w.height() + 200);
    if (info) {
      QVERIFY(k.infoKept <= 40 || info->width() > info->fontMetrics().horizontalAdvance(QString(40, 'm')));
    } else {
      QVERIFY(rows >= 18);
      QVERIFY(list->height() / list->sizeHintForRow(0) > rows);
    }
    Retype(box, box->text());  // the very same text still counts as an edit
    const QString edited = w.windowTitle();
    Retype(box, "{1A}{1B}" + QString(60, 'x'));
    if (info) Retype(info, "{0A}{0B}" + QString(60, 'y'));
    QCOMPARE(edited + QString(" %1 %2").arg(box->text().size()).arg(info ? info->text().size() : 0),
             QString("%1* %2 %3").arg(k.caption).arg(k.kept).arg(k.infoKept));
    // Typing reaches the list at once and the document only with "Save"; enemy names are padded.
    Retype(box, "Neu");
    QCOMPARE(list->item(2)->text() + " " + QString::fromStdString(k.name(doc, 2)), "Neu Name2");
    Click(&w, k.saveButton);
    QCOMPARE(k.name(doc, 2) + " / " + w.windowTitle().toStdString() + (changes.marked ? " changed" : ""),
             (k.padsToLimit ? "Neu" + std::string(8, ' ') : "Neu") + " / " + k.caption +
                 " changed");
    if (info) QCOMPARE(k.info(doc, 2).size(), size_t(k.infoKept));
    // Closing asks only with unsaved changes; Yes stores as "Save" does, No leaves the document.
    changes.marked = false;
    if (answer) Retype(box, "Zed");
    w.close();
    QVERIFY(w.isHidden());
    QCOMPARE(script.shown(), answer ? Shown(MakeMessage(k.questionTitle, "You haven't saved your changes!\r\nSave now?",
                                                        Icon::Exclamation, Buttons::YesNo, true)) + "\n" : "");
    QCOMPARE(k.name(doc, 2).substr(0, 3) + (changes.marked ? " changed" : ""),
             answer != Answer::Yes ? "Neu" : "Zed changed");
  }
}

// The dictionary window's statistics ("red" when over the budget), caption and usable controls.
QString Statistics(QWidget* w) {
  QString shown = Child<QLabel>(w, "Belegt")->text() + Child<QLabel>(w, "NochFrei")->text() + " " + w->windowTitle();
  if (Child<QLabel>(w, "NochFrei")->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) shown += " red";
  for (const char* name : {"AutoKomprim", "Abbrechen", "Status", "ClearTable", "TabSpeichern"})
    if (Child(w, name)->isVisible() && Child(w, name)->isEnabled()) shown += QString(" ") + name;
  return shown.simplified();
}

// Presses "Optimize Compression" and answers the options window with `option`, confirmed or closed;
// returns whether the window's slider was usable with that option and whether its caption fitted.
QString Optimize(QWidget* window, const char* option, bool confirm = true) {
  QString slider;
  OnNextModal([&slider, option, confirm](QWidget* options) {
    Click(options, option);
    slider = Child(options, "Silbenzahl")->isEnabled() ? " slider" : " -";
    if (options->width() <= options->fontMetrics().horizontalAdvance(options->windowTitle())) slider += " cut";
    confirm ? Click(options, "Command1") : void(options->close());
  });
  Click(window, "AutoKomprim");
  return slider;
}

}  // namespace

class EditingWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void nameLists() {
    using namespace editors;
    using D = Document;
    Story<LocationsWindow>({"Locations", "Warning!", "Text1", "StadtSpeichern", 68, false, At<&D::StadtNamen, 1>});
    Story<SavegameTitlesWindow>(
        {"Savegame Titles", "Warning!!!", "Text1", "SPNamen", 25, false, At<&D::SpeicherNamen, 1>});
    Story<EnemyNamesWindow>({"Enemys", "Warning!!!", "NeuerName", "Speichern", 11, true, At<&D::GegnerNamen, 0>});
    Story<ItemsWindow>({"Items", "Warning!", "Text1", "Command1", 18, false,
                      [](Document& d, int row) -> std::string& { return d.Items[row + 1].Name; }, "Beschreibung", 40,
                      At<&D::ItemInfos, 2>});
    Story<TechniquesWindow>({"Technic&Magic", "Warning!", "Text1", "Command1", 19, false, At<&D::TechNamen, 0>, "Text2",
                      48, At<&D::TechBeschreibungen, 0>});
  }

  // Pictures are drawn sharp for screens of up to three times the pixels.
  void picturesForHighResolutionScreens() {
    for (const QIcon& icon : {compression::SavePicture(), compression::ConfirmPicture(), editors::ItemSymbolPicture(3)})
      QCOMPARE(icon.pixmap(QSize(16, 16), 3.0).size(), icon.pixmap(QSize(16, 16), 1.0).size() * 3);
  }

  // Typing reaches the list at once (blanks shown as dots, the entry keeping them) and the statistics
  // follow, red one byte over the budget; closing asks only with unsaved changes: Yes stores, No does not.
  void dictionaryAgainstTheBudget() {
    for (const std::optional<Answer> answer : kClosings) {
      Document doc;
      for (int code = kDictionaryFirst; code <= kDictionaryLast; ++code)  // 86 * 5 + 41 * 2 = 512 bytes
        doc.Tabelle[1][code] = code < kDictionaryFirst + 86 ? "abcd" : "a";
      doc.Tabelle[1][kDictionaryFirst] = "  ab";
      ScriptedPrompter script(answer ? std::deque<Answer>{*answer} : std::deque<Answer>{});
      MarkingChanges changes(doc);
      Settings settings;
      compression::DictionaryWindow w(doc, changes, settings, script);
      w.show();
      QLineEdit* box = Box(&w, "Aendern");
      auto* list = Child<QListWidget>(&w, "Silbenliste");
      list->setCurrentRow(4);
      QString seen = Child<QGroupBox>(&w, "Frame1")->title() + " " + box->text() + " " + Statistics(&w);
      QTest::keyClicks(box, " ");
      seen += " / " + list->item(0)->text() + " " + list->item(4)->text() + " " + Statistics(&w);
      QTest::keyClick(box, Qt::Key_Backspace);
      QCOMPARE(seen + " / " + Statistics(&w),
               "Silbenliste : 127 abcd Used memory : 512 byteFree : 0 byte Textcompression AutoKomprim ClearTable "
               "TabSpeichern / ··ab abcd· Used memory : 513 byteFree :-1 byte Textcompression* red AutoKomprim "
               "ClearTable TabSpeichern / Used memory : 512 byteFree : 0 byte Textcompression* AutoKomprim ClearTable "
               "TabSpeichern");
      QTest::keyClicks(box, "q");
      if (!answer) Click(&w, "TabSpeichern");
      w.close();
      QCOMPARE(script.shown(), answer ? Shown(MakeMessage("Warnung!", "You haven't saved the changes!!!\r\nSaved now?",
                                                          Icon::None, Buttons::YesNo)) + "\n" : "");
      QCOMPARE(doc.Tabelle[1][kDictionaryFirst + 4] + doc.Tabelle[1][kDictionaryFirst] +
                   (changes.marked ? " changed" : "") + (doc.TabelleGeaendert ? " table changed" : ""),
               answer != Answer::No ? "abcdq  ab changed table changed" : "abcd  ab");
    }
  }

  // A run fills the list with the optimizer's picks for the chosen option, padded to 127 lines and
  // not saved yet. "Abort" while counting leaves the list and statistics as they were, and a busy
  // window does not close; closing the options window starts nothing but keeps the choice.
  void optimizerRuns() {
    Document doc;
    PutBuiltInCodes(doc);
    FillAllBanks(doc, {"the other thing there", "Mira sees Kael at sea"});
    ScriptedPrompter prompter;
    MarkingChanges changes(doc);
    Settings settings;
    compression::DictionaryWindow w(doc, changes, settings, prompter);
    w.show();
    Optimize(&w, "Option3");
    RecordingProgress quiet;
    QStringList picks(kDictionaryEntries);
    for (int i = 0; const std::string& pick : RunOptimizer(doc, {.mode = OptimizerMode::Smallest}, quiet, prompter).picks)
      picks[i++] = QString::fromStdString(pick);
    const QString after = Lines(Child<QListWidget>(&w, "Silbenliste")) + ", " + Statistics(&w);
    QVERIFY(QString(after).replace(' ', QChar(0xB7)).startsWith(picks.join(',').replace(' ', QChar(0xB7)) + ','));  // blanks as dots
    QVERIFY(after.endsWith("Textcompression* AutoKomprim ClearTable TabSpeichern"));
    QVERIFY(w.hasUnsavedChanges());
    QVERIFY(doc.Tabelle[1][kDictionaryFirst].empty());
    QVERIFY(prompter.empty());
    QString busy;
    connect(Child<QProgressBar>(&w, "Status"), &QProgressBar::valueChanged, &w, [&](int value) {
      if (value < 60 || !busy.isEmpty()) return;
      busy = Statistics(&w).section(' ', -3) + (w.close() ? " closed" : "");
      Click(&w, "Abbrechen");
    });
    QString sliders = Optimize(&w, "Option1");
    sliders += Optimize(&w, "Option2", false);
    QCOMPARE(sliders + busy + " / " + Lines(Child<QListWidget>(&w, "Silbenliste")) + ", " + Statistics(&w),
             " - sliderTextcompression* Abbrechen Status / " + after);
    QCOMPARE(settings.KomprimModus, uint8_t{1});
  }
};

QTEST_MAIN(EditingWindowsTest)
#include "editing_windows_test.moc"
