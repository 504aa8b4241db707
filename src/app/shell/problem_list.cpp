#include "shell/problem_list.h"

#include <algorithm>

#include "shell/problems_dock.h"

namespace orvane::shell {

ProblemList::ProblemList(const Document& doc, ProblemsDock* dock, Prompter& prompter, Hooks hooks, QObject* parent)
    : QObject(parent), doc_(doc), dock_(dock), prompter_(prompter), hooks_(std::move(hooks)) {
  connect(dock_, &ProblemsDock::activated, this, &ProblemList::show);
}

void ProblemList::refresh() {
  std::vector<ProblemRow> rows = FindProblems(doc_);
  rows.insert(rows.end(), readBack_.begin(), readBack_.end());
  AddTableFileAdvice(hooks_.tableFile(), rows);
  AddAdvice(doc_, hooks_.spelling(), rows);
  dock_->setRows(std::move(rows));
}

void ProblemList::setReadBack(std::vector<ProblemRow> rows) {
  readBack_ = std::move(rows);
  refresh();
  if (!readBack_.empty()) dock_->show();
}

void ProblemList::show(int index) {
  if (index < 0 || index >= static_cast<int>(dock_->rows().size())) return;
  const ProblemRow& row = dock_->rows()[static_cast<size_t>(index)];
  if (row.place) hooks_.showPlace(*row.place);
  else hooks_.showDictionary();
}

// The read-back rows are about the last written ROM, the advice leaves the texts as typed, and a
// dictionary not yet settled is optimized before it is written.
bool ProblemList::allowSave() {
  refresh();
  const auto count = std::count_if(dock_->rows().begin(), dock_->rows().end(), [this](const ProblemRow& row) {
    return row.kind != ProblemKind::ReadBack && !IsAdvice(row.kind) &&
           (row.kind != ProblemKind::Dictionary || doc_.TabelleGeaendert);
  });
  if (count == 0) return true;
  dock_->show();
  dock_->raise();
  return prompter_.ask(MakeMessage("Problems",
                                   std::to_string(count) + " entries will not be written as typed (see \"Problems\")." +
                                       kCrLf + "Save in Rom anyway?",
                                   Icon::Exclamation, Buttons::YesNo)) == Answer::Yes;
}

}  // namespace orvane::shell
