#include <QApplication>
#include <cstdio>
#include <cstring>

#include "common/file_helpers.h"
#include "document.h"
#include "rom/character_table.h"
#include "shell/main_window.h"
#include "shell/project_files.h"
#include "widgets/qt_file_chooser.h"
#include "widgets/qt_prompter.h"

int main(int argc, char** argv) {
  // Answered before any window system is needed, so it works on a console too.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("orvane-texteditor %d.%d\n", ORVANE_VERSION_MAJOR, ORVANE_VERSION_MINOR);
    return 0;
  }
  QApplication app(argc, argv);
  // The user's settings and the recovery copies go into folders named after these.
  QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
  QCoreApplication::setApplicationName(QStringLiteral("Orvane Texteditor"));
  orvane::Document document;
  orvane::shell::QtPrompter prompter;
  orvane::shell::QtFileChooser chooser;
  orvane::shell::MainWindow window(document, prompter, chooser, orvane::DataFolder(orvane::ProgramFolder()));
  prompter.setParent(&window);
  chooser.setParent(&window);
  window.show();
  window.offerRecovery();
  // A ROM or project named on the command line opens as if chosen in "Load Rom" / "Load Project".
  if (const QStringList args = QApplication::arguments(); args.size() > 1) window.files().openFile(args.at(1));
  return app.exec();
}
