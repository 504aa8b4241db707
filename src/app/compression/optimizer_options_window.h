#pragma once
// "Wähle eine Suchoption aus!": the options of the next optimizer run. The choices are kept in the
// settings (KomprimModus, Suchtiefe) however the window closes; only the confirm button starts a run.

#include <QDialog>
#include <optional>

#include "settings.h"

class QGroupBox;
class QRadioButton;
class QSlider;

namespace orvane::compression {

class OptimizerOptionsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit OptimizerOptionsWindow(Settings& settings, QWidget* parent = nullptr);

  // Shows the window modally; the settings to run with once confirmed, nothing when it was closed.
  static std::optional<Settings> Ask(Settings& settings, QWidget* parent);

  void done(int result) override;

 private:
  void updateEnabling();
  void confirm();

  Settings& settings_;
  bool confirmed_ = false;
  QRadioButton* accurate_;
  QRadioButton* fast_;
  QRadioButton* smallest_;
  QGroupBox* seekFrame_;
  QSlider* slider_;
};

}  // namespace orvane::compression
