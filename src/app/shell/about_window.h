#pragma once
// The About window: one picture, drawn by the program itself.

#include <QDialog>

namespace orvane::shell {

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(const QString& title, QWidget* parent = nullptr);
};

}  // namespace orvane::shell
