#pragma once
// "Textcompression": the 127 dictionary entries of codes 33..159 as an editable list with the
// statistics of the 512-byte budget, and the window run of the optimizer. The window edits its own
// copy; the table changes only when the user saves.

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace orvane {
class ChangeSink;
class Document;
class Prompter;
struct Settings;
}  // namespace orvane

namespace orvane::compression {

class DictionaryWindow : public QDialog {
  Q_OBJECT

 public:
  // "Save" hands the list to `changes`; a run takes its options from `settings` and keeps them there.
  DictionaryWindow(Document& doc, ChangeSink& changes, Settings& settings, Prompter& prompter,
                 QWidget* parent = nullptr);

  bool hasUnsavedChanges() const { return changed_; }

  void reject() override;

 private:
  void lineChosen(int row);
  void entryTyped(const QString& text);
  void deleteTable();
  void save();
  void optimize();
  void showRunResult(const std::vector<std::string>& picks, bool succeeded);
  void setBusy(bool busy);
  void setLines(std::vector<std::string> lines);
  void markChanged();
  void BerechneBelegung();
  void ZeigeStatistik();

  Document& doc_;
  ChangeSink& changes_;
  Settings& settings_;
  Prompter& prompter_;
  QGroupBox* listFrame_;
  QListWidget* silbenliste_;
  QLineEdit* aendern_;
  QPushButton* autoKomprim_;
  QPushButton* abbrechen_;
  QPushButton* clearTable_;
  QProgressBar* status_;
  QLabel* belegt_;
  QLabel* nochFrei_;
  QToolButton* tabSpeichern_;

  std::vector<std::string> lines_;  // the list's working copy, line i for code 33 + i
  int belegung_ = 0;
  bool changed_ = false;
  bool guard_ = false;  // the program is filling the edit box
  bool busy_ = false;
  bool abort_ = false;
  int32_t LetzterProzentwert_ = 0;
};

}  // namespace orvane::compression
