#pragma once
// "Problems": a dockable list of everything the next save would not write as typed, one row each
// with its kind, its place and the reason. A double click asks the main window to show the place.

#include <QDockWidget>
#include <vector>

#include "check/problems.h"

class QTreeWidget;

namespace orvane::shell {

class ProblemsDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit ProblemsDock(QWidget* parent = nullptr);

  void setRows(std::vector<ProblemRow> rows);
  const std::vector<ProblemRow>& rows() const { return rows_; }
  QTreeWidget* table() const { return table_; }
  // Room for a typical row, so that the "Why" column is seen at once beside the other docks.
  QSize sizeHint() const override;

 signals:
  // Row `index` of rows() was double-clicked.
  void activated(int index);

 private:
  std::vector<ProblemRow> rows_;
  QTreeWidget* table_;
};

}  // namespace orvane::shell
