#include "shell/problems_dock.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QTimer>
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
  // A dock shown beside others gets a share of the row, not its size hint: widened on opening
  // (once the window has laid it out), so the reasons can be read.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible) return;
    QTimer::singleShot(0, this, [this] {
      auto* window = qobject_cast<QMainWindow*>(parentWidget());
      if (window && !isFloating() && width() < sizeHint().width())
        window->resizeDocks({this}, {sizeHint().width()}, Qt::Horizontal);
    });
  });
  connect(table_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { emit activated(table_->indexOfTopLevelItem(item)); });
}

QSize ProblemsDock::sizeHint() const {
  const QFontMetrics metrics = table_->fontMetrics();
  int row = 0;
  for (const char* typical : {"Old name still used", "Bank 21, text 456", "no code for \"x\"; the table cannot write it"})
    row += metrics.horizontalAdvance(QString::fromUtf8(typical)) + 4 * metrics.averageCharWidth();
  return QDockWidget::sizeHint().expandedTo(QSize(row, 0));
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
