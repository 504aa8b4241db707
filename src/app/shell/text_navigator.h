#pragma once
// Finding the text to work on: the bank scroll bar, the text list with its numbers, marks and filter,
// the keys that step through texts and banks, and "Go to". It keeps which text is shown; every move
// first asks the editor pane whether its typing may be left.

#include <QObject>
#include <functional>

#include "document.h"
#include "editors/shown_text.h"

class QComboBox;
class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QScrollBar;
class QWidget;

namespace orvane::shell {

class TextNavigator : public QObject {
  Q_OBJECT
 public:
  struct Widgets {
    QGroupBox* frame;      // "Textblock": its title names the shown bank and text
    QScrollBar* bankBar;
    QListWidget* list;
    QComboBox* filter;     // all, changed, unchanged, then the statuses
  };
  struct Hooks {
    std::function<bool()> leaveText;   // the pane's question before the shown text changes; false to stay
    std::function<void()> textShown;   // another text is shown: the panes and the desks follow
    std::function<void()> listFilled;  // the list holds another bank: its figures follow
  };
  TextNavigator(const Document& doc, Widgets widgets, Hooks hooks, QObject* parent);

  const editors::ShownText& shown() const { return shown_; }

  // After a load: bank 1, text 1, the list filled.
  void startAtFirstText();
  // The list anew for the shown bank, the shown text selected (TextlisteFuellen).
  void fill();
  // Number, mark, status and filter of every row anew, or of one text's row.
  void relabel();
  void relabel(int text);
  // Shows text `textIndex0` + 1 of `bank` as a move of the scroll bar and a click in the list would,
  // with one question for the whole move.
  void showBankText(int bank, int textIndex0);
  // The next (step 1) or previous (-1) text the filter shows, or bank.
  void moveText(int step);
  void moveBank(int step);
  void goTo(QWidget* parent);

 private:
  void bankChanged(int bank);
  void textSelected(int row);
  void labelRow(QListWidgetItem* item, int text) const;

  const Document& doc_;
  Widgets w_;
  Hooks hooks_;
  editors::ShownText shown_;
  bool leaving_ = false;  // the shown text is being left after the pane agreed
};

}  // namespace orvane::shell
