// The Qt faces of the core's interfaces: message boxes, the progress bar and the file filter.

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "document.h"
#include "shell/qt_file_chooser.h"
#include "shell/qt_progress_sink.h"
#include "shell/qt_prompter.h"
#include "support/rom_fixture.h"

using namespace orvane;

namespace {

// Looks at the message box once it is open, then answers it with `press` (or the default button).
struct BoxAnswer {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  Qt::WindowModality modality = Qt::NonModal;

  void answerNext(QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [this, press] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->standardButtons();
      defaultButton = box->standardButton(box->defaultButton());
      modality = box->windowModality();
      if (press == QMessageBox::NoButton) box->defaultButton()->click();
      else if (press == QMessageBox::Escape) box->reject();
      else box->button(press)->click();
    });
  }
};

}  // namespace

class QtShellTest : public QObject {
  Q_OBJECT
 private slots:
  void prompterShowsTheMessageAsGiven() {
    shell::QtPrompter prompter;
    BoxAnswer seen;
    Message m = MakeMessage("Warning!", "You haven't saved your changes!\r\nDo you still want to quit?",
                            Icon::Exclamation, Buttons::YesNo, true);
    m.defaultAnswer = Answer::No;
    seen.answerNext(QMessageBox::NoButton);
    QCOMPARE(prompter.ask(m), Answer::No);
    QCOMPARE(seen.title, QStringLiteral("Warning!"));
    QCOMPARE(seen.text, QStringLiteral("You haven't saved your changes!\nDo you still want to quit?"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.defaultButton, QMessageBox::No);
    QCOMPARE(seen.modality, Qt::ApplicationModal);

    seen.answerNext(QMessageBox::Yes);
    QCOMPARE(prompter.ask(m), Answer::Yes);
  }

  void prompterAnswersAndIcons() {
    shell::QtPrompter prompter;
    BoxAnswer seen;
    seen.answerNext(QMessageBox::Cancel);
    QCOMPARE(prompter.ask(MakeMessage("Warning!!!", "Continue anyway?", Icon::None, Buttons::OkCancel)), Answer::Cancel);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    seen.answerNext(QMessageBox::Ok);
    QCOMPARE(prompter.ask(MakeMessage("Bad Rom!!!", "This Rom doesn't have a Header!", Icon::Stop)), Answer::Ok);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.modality, Qt::ApplicationModal);  // not system-modal, but still blocks every window

    seen.answerNext(QMessageBox::Ok);
    prompter.ask(MakeMessage("Finished!", "Data has been saved succesfully!", Icon::Information));
    QCOMPARE(seen.icon, QMessageBox::Information);

    // Escape counts as the refusing button.
    seen.answerNext(QMessageBox::Escape);
    QCOMPARE(prompter.ask(MakeMessage("Error Nr. 53", "File not found\r\nContinue program?", Icon::None, Buttons::YesNo)),
             Answer::No);
    QCOMPARE(seen.title, QStringLiteral("Error Nr. 53"));
  }

  void progressMovesTheBarBySharedPercentage() {
    Document doc;
    doc.Fenstertitel = "Orvane Texteditor V 1.0";
    QProgressBar bar;
    bar.setRange(5, 50);
    bool running = true;
    QString caption;
    shell::QtProgressSink sink(doc, &bar, [&running] { return running; }, [&caption](const QString& c) { caption = c; });

    QVERIFY(sink.progress(1, 8));  // 12.5 → 12, halves to even
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), 100);
    QCOMPARE(bar.value(), 12);
    QCOMPARE(doc.LetzterProzentwert, 12);
    QVERIFY(sink.progress(7, 2));  // clamped
    QCOMPARE(bar.value(), 100);

    // The remembered percentage is shared: a bar that another operation left at 40 is not moved
    // back to 100 when this one reports 100 again.
    bar.setValue(40);
    sink.progress(1, 1);
    QCOMPARE(bar.value(), 40);

    sink.caption("Writing Tabel into Rom...");
    QCOMPARE(caption, QStringLiteral("Writing Tabel into Rom..."));
    sink.caption("");
    QCOMPARE(caption, QStringLiteral("Orvane Texteditor V 1.0"));

    running = false;
    QVERIFY(!sink.progress(2, 4));
    QVERIFY(!sink.keepGoing());
  }

  void progressLetsEventsRun() {
    Document doc;
    QProgressBar bar;
    bool fired = false;
    shell::QtProgressSink sink(doc, &bar, [] { return true; }, [](const QString&) {});
    QTimer::singleShot(0, [&fired] { fired = true; });
    sink.keepGoing();
    QVERIFY(fired);
  }

  void fileDialogTakesTitleFilterAndMode() {
    shell::QtFileChooser chooser;
    testing::TempFolder folder;
    QDir::setCurrent(QString::fromStdString(folder.path()));
    QString title, filter;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      title = dialog->windowTitle();
      filter = dialog->nameFilters().join(QStringLiteral(";;"));
      mode = dialog->acceptMode();
      dialog->selectFile(QStringLiteral("mine"));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    FileRequest request{"In Rom Speichern...", "SNES-Roms|*.smc;*.fig", "", true};
    const std::optional<std::string> chosen = chooser.choose(request);
    QCOMPARE(title, QStringLiteral("In Rom Speichern..."));
    QCOMPARE(filter, QStringLiteral("SNES-Roms (*.smc *.fig)"));
    QCOMPARE(mode, QFileDialog::AcceptSave);
    QVERIFY(chosen.has_value());
    QCOMPARE(QString::fromStdString(*chosen), QDir(QString::fromStdString(folder.path())).filePath(QStringLiteral("mine.smc")));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(!chooser.choose(FileRequest{"Projekt laden...", "Orvane Projektdatei|*.ovp", "", false}).has_value());
  }

  void fileFilters() {
    QCOMPARE(shell::QtFilterFrom("SNES-Roms|*.smc;*.fig"), QStringLiteral("SNES-Roms (*.smc *.fig)"));
    QCOMPARE(shell::QtFilterFrom("Orvane Projektdatei|*.ovp"), QStringLiteral("Orvane Projektdatei (*.ovp)"));
    QCOMPARE(shell::QtFilterFrom("A|*.a|B|*.b;*.c"), QStringLiteral("A (*.a);;B (*.b *.c)"));
    QCOMPARE(shell::DefaultSuffixFrom("SNES-Roms|*.smc;*.fig"), QStringLiteral("smc"));
    QCOMPARE(shell::DefaultSuffixFrom("Orvane Projektdatei|*.ovp"), QStringLiteral("ovp"));
    QCOMPARE(shell::DefaultSuffixFrom("All|*.*"), QString());
    QCOMPARE(shell::DefaultSuffixFrom("no bar"), QString());
  }
};

QTEST_MAIN(QtShellTest)
#include "qt_shell_test.moc"
