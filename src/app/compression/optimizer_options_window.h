#pragma once
// "Wähle eine Suchoption aus!": the options of the next optimizer run. The choices are kept in the
// document (KomprimModus, Suchtiefe) however the window closes; only the confirm button sets
// OptionenBestaetigt, which is what starts a run.

#include <QDialog>

class QGroupBox;
class QRadioButton;
class QSlider;

namespace orvane {
class Document;
}  // namespace orvane

namespace orvane::compression {

class KomprimOptionen : public QDialog {
  Q_OBJECT

 public:
  explicit KomprimOptionen(Document& doc, QWidget* parent = nullptr);

  void done(int result) override;

 private:
  void updateEnabling();
  void confirm();

  Document& doc_;
  QRadioButton* accurate_;
  QRadioButton* fast_;
  QRadioButton* smallest_;
  QGroupBox* seekFrame_;
  QSlider* slider_;
};

}  // namespace orvane::compression
