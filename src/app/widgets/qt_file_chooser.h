#pragma once
// The common open/save dialog as a QFileDialog.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/file_chooser.h"

namespace orvane::shell {

// "SNES-Roms|*.smc;*.fig" → "SNES-Roms (*.smc *.fig)"; several pairs become several filters.
QString QtFilterFrom(const std::string& filter);

// The extension of the filter's first pattern ("smc" for "SNES-Roms|*.smc;*.fig"), added to a name
// typed without one so that the file shows up in the lists that look for it.
QString DefaultSuffixFrom(const std::string& filter);

class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> choose(const FileRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace orvane::shell
