#pragma once
// Message boxes of the desktop: every Message of the core becomes a QMessageBox.

#include <QPointer>
#include <QWidget>

#include "common/prompter.h"

namespace orvane::shell {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  Answer ask(const Message& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace orvane::shell
