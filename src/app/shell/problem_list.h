#pragma once
// What the "Problems" dock lists and what it leads to: everything the next save would not write as
// typed, the read-back of the last written ROM and the advice, measured anew on every change; a
// double click shows the place; and the one question before "Save in Rom" while problems remain.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "check/problems.h"
#include "common/prompter.h"
#include "document.h"
#include "text_places.h"

namespace orvane {
class SpellingScan;
}

namespace orvane::shell {

class ProblemsDock;

class ProblemList : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<std::string()> tableFile;          // the table file the ROM is read with ("" when none)
    std::function<SpellingScan*()> spelling;          // the scan whose words are listed, or none
    std::function<void(const TextPlace&)> showPlace;  // a dialogue text or a name window's entry
    std::function<void()> showDictionary;             // the dictionary window
  };
  ProblemList(const Document& doc, ProblemsDock* dock, Prompter& prompter, Hooks hooks, QObject* parent);

  void refresh();
  // The rows about the ROM written last (replacing those of the one before).
  void setReadBack(std::vector<ProblemRow> rows);
  // Before "Save in Rom": true when nothing is listed that the save would not write as typed, or
  // the user chose to save anyway.
  bool allowSave();

 private:
  void show(int index);

  const Document& doc_;
  ProblemsDock* dock_;
  Prompter& prompter_;
  Hooks hooks_;
  std::vector<ProblemRow> readBack_;
};

}  // namespace orvane::shell
