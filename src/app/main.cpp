#include <QApplication>

#include "common/file_helpers.h"
#include "document.h"
#include "shell/main_window.h"
#include "widgets/qt_file_chooser.h"
#include "widgets/qt_prompter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orvane::Document document;
  orvane::shell::QtPrompter prompter;
  orvane::shell::QtFileChooser chooser;
  orvane::shell::MainWindow window(document, prompter, chooser, orvane::ProgramFolder());
  prompter.setParent(&window);
  chooser.setParent(&window);
  window.show();
  // A ROM or project named on the command line opens as if chosen in "Load Rom" / "Load Project".
  if (const QStringList args = QApplication::arguments(); args.size() > 1) window.openFile(args.at(1));
  return app.exec();
}
