#pragma once
// What the five name-list windows share: a list that is the working copy of the names, a text box
// that writes into the selected entry as the user types, a "Save" button that copies the working copy
// back into the document as one change, a trailing "*" on the caption while unsaved changes exist, and the
// question on closing. A guard keeps the window's own changes to its boxes from counting as edits.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "text_places.h"

class QLineEdit;
class QListWidget;
class QPushButton;

#include "text_places.h"

namespace orvane {
class ChangeSink;
class DocumentChange;
class Document;
class Prompter;
}  // namespace orvane

namespace orvane::editors {

class TypingLimit;

struct NameListSetup {
  QString windowName;      // object name: "Stadt", "ItemsForm" ...
  QString caption;         // without the "*"
  QString questionTitle;   // title of the closing question
  QString nameBoxName;     // object name of the name box
  QString saveButtonName;  // object name of the "Save" button
  int nameLimit = 0;       // 0: no limit
  bool limitGrowsWithBraces = false;
  TextList names = TextList::Locations;  // whose numbers and originals the rows show
  int firstIndex = 0;                     // the list index of row 0
};

class NameListEditor : public QDialog {
  Q_OBJECT

 public:
  bool hasUnsavedChanges() const { return changed_; }

 protected:
  NameListEditor(Document& doc, ChangeSink& changes, Prompter& prompter, NameListSetup setup, QWidget* parent);

  // Fills the list and shows entry 0; the window starts without unsaved changes.
  void fill(std::vector<std::string> names);
  // The name box with its counter beside it: what a layout places.
  QWidget* nameRow() const { return nameRow_; }
  // Name box on top, list below, "Save" at the bottom.
  void usePlainLayout();
  // Adds the box that edits the description of the selected entry: the working copy is
  // `descriptions`, and list row r shows description r + offset. Call before fill().
  QLineEdit* addDescriptionBox(const char* name, int limit, bool growsWithBraces,
                               std::vector<std::string> descriptions, int offset);

  // An edit by the user: sets the changed flag and the "*" unless the window is filling itself.
  void markChanged();
  int currentRow() const;
  const std::vector<std::string>& names() const { return names_; }
  const std::vector<std::string>& descriptions() const { return descriptions_; }

  // Shows the other parts of entry `row`; runs under the guard.
  virtual void showEntryExtras(int /*row*/) {}
  // Puts the working copy into `change`.
  virtual void store(DocumentChange& change) = 0;
  // Entries first, first + 1 ... of `list` take `values`.
  void storeList(DocumentChange& change, TextList list, int first, const std::vector<std::string>& values) const;

  void reject() override;

  Document& doc_;
  QListWidget* list_;
  QLineEdit* nameBox_;
  QPushButton* saveButton_;

 private:
  QWidget* nameRow_;
  void showEntry(int row);
  void nameTyped(const QString& text);
  void descriptionTyped(const QString& text);
  void save();
  void updateCaption();

  ChangeSink& changes_;
  Prompter& prompter_;
  NameListSetup setup_;
  TypingLimit* nameLimit_ = nullptr;
  std::vector<std::string> names_;
  TypingLimit* descriptionLimit_ = nullptr;
  std::vector<std::string> descriptions_;
  int descriptionOffset_ = 0;
  bool changed_ = false;
  bool guard_ = false;
};

}  // namespace orvane::editors
