#pragma once
// "Textsearch": the modeless search over the working dialogue texts. A double click on a result
// asks the main window to show that text.

#include <QDialog>
#include <functional>
#include <vector>

#include "editors/text_search.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace orvane {
class Document;
}  // namespace orvane

namespace orvane::editors {

class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows text `textIndex0` (0-based in the main window's list) of `bank`.
  using ShowText = std::function<void(int bank, int textIndex0)>;

  SearchDialog(const Document& doc, ShowText showText, QWidget* parent = nullptr);

 private:
  void search();
  void jump(QListWidgetItem* item);

  const Document& doc_;
  ShowText showText_;
  QLineEdit* field_;
  QListWidget* results_;
  std::vector<TextHit> hits_;  // parallel to the result lines
};

}  // namespace orvane::editors
