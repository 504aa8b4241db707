#pragma once
// "Textsearch": the modeless search over the dialogue texts, with a snippet of each hit and "Replace
// all" in the working texts. A double click on a result asks the main window to show that text.

#include <QDialog>
#include <functional>
#include <vector>

#include "editors/text_search.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orvane {
class Document;
class Prompter;
}  // namespace orvane

namespace orvane::editors {

class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  struct Hooks {
    // Shows text `textIndex0` (0-based in the main window's list) of `bank`.
    std::function<void(int bank, int textIndex0)> showText;
    // Before texts are replaced: false when the user chose to stay with unsaved typing.
    std::function<bool()> beforeReplace = [] { return true; };
    // After texts were replaced: the main window shows them anew.
    std::function<void()> afterReplace = [] {};
  };

  SearchDialog(Document& doc, ChangeSink& changes, Prompter& prompter, Hooks hooks, QWidget* parent = nullptr);

 private:
  void search();
  void jump(QListWidgetItem* item);
  void replaceAll();
  SearchOptions options() const;

  Document& doc_;
  ChangeSink& changes_;
  Prompter& prompter_;
  Hooks hooks_;
  QLineEdit* field_;
  QLineEdit* replacement_;
  QCheckBox* matchCase_;
  QComboBox* scope_;
  QPushButton* replaceAll_;
  QListWidget* results_;
  std::vector<TextHit> hits_;  // parallel to the result lines
};

}  // namespace orvane::editors
