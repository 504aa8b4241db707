#include <QApplication>
#include <QMainWindow>

#include "document.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orvane::Document document;
  QMainWindow window;
  window.setWindowTitle(QString::fromStdString(document.Fenstertitel));
  window.show();
  return app.exec();
}
