#pragma once
// The status bar of the main window: for the text in the editor pane as it stands, its size as the
// writer will encode it, the bank's used and free bytes with it, and how many texts of the bank differ
// from their original. A keystroke encodes only the typed text; the sizes of the others are kept
// until the bank, the dictionary or the document changes.

#include <QStatusBar>
#include <memory>
#include <string>

#include "check/fit.h"
#include "editors/shown_text.h"

class QLabel;

namespace orvane::shell {

class FitStatus : public QStatusBar {
  Q_OBJECT
 public:
  FitStatus(const Document& doc, const editors::ShownText& shown, QWidget* parent = nullptr);

  // Measures the shown bank anew: after a load, a bank change, or texts changed by a window.
  void reset();
  // After "Save" stored text `text` of the shown bank.
  void stored(int text);
  // The editor pane holds `typed` (stored form) for the shown text.
  void typed(const std::string& typed);
  const BankFit::Figures& figures() const { return figures_; }
  // The encoder the figures are measured with, made anew when the table changed; nothing while no
  // text is shown.
  const Encoder* encoder();

 private:
  void show();

  const Document& doc_;
  const editors::ShownText& shown_;
  CodeTable table_{};  // column 1 the encoder was made from
  std::unique_ptr<Encoder> encoder_;
  std::unique_ptr<BankFit> fit_;
  BankFit::Figures figures_;
  QLabel* text_;
  QLabel* bank_;
  QLabel* changed_;
};

}  // namespace orvane::shell
