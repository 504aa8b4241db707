#pragma once
// "Glossary": the project's agreed terms in a table (source term, target term, note) to add to,
// edit, delete and sort, with CSV import and export. "OK" puts the table into the document.

#include <QDialog>
#include <vector>

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "glossary_term.h"

class QTableWidget;

namespace orvane::progress {

class GlossaryWindow : public QDialog {
  Q_OBJECT
 public:
  GlossaryWindow(std::vector<GlossaryTerm> terms, Prompter& prompter, FileChooser& chooser, QWidget* parent);

  // The rows with a source term, as the table shows them.
  std::vector<GlossaryTerm> terms() const;

  void addTerm();
  void deleteTerms();
  // The terms of a CSV file after the table's rows.
  void importCsv();
  void exportCsv();

 private:
  void addRow(const GlossaryTerm& term);

  Prompter& prompter_;
  FileChooser& chooser_;
  QTableWidget* table_;
};

}  // namespace orvane::progress
