#pragma once
// The common open/save dialog as a QFileDialog.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/file_chooser.h"

namespace orvane::shell {

// "SNES-Roms|*.smc;*.fig" → "SNES-Roms (*.smc *.fig)"; several pairs become several filters.
QString QtFilterFrom(const std::string& filter);

class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> choose(const FileRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace orvane::shell
