#include "shell/problems_dock.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "widgets/qt_cp1252.h"

namespace orvane::shell {

ProblemsDock::ProblemsDock(QWidget* parent) : QDockWidget(tr("Problems"), parent), table_(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("ProblemsDock"));
  table_->setObjectName(QStringLiteral("ProblemsList"));
  table_->setHeaderLabels({tr("Kind"), tr("Where"), tr("Why")});
  table_->setRootIsDecorated(false);
  table_->setUniformRowHeights(true);
  table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setWidget(table_);
  connect(table_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { emit activated(table_->indexOfTopLevelItem(item)); });
}

void ProblemsDock::setRows(std::vector<ProblemRow> rows) {
  rows_ = std::move(rows);
  table_->clear();
  QList<QTreeWidgetItem*> items;
  for (const ProblemRow& row : rows_)
    items << new QTreeWidgetItem(
        QStringList{ToQt(std::string(KindName(row.kind))), ToQt(row.where), ToQt(row.reason)});
  table_->addTopLevelItems(items);
  setWindowTitle(rows_.empty() ? tr("Problems") : tr("Problems (%1)").arg(rows_.size()));
}

}  // namespace orvane::shell
