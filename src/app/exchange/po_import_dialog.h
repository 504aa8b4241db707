#pragma once
// "Import Translation (PO)": what an import would do, read before it is done. The summary, every
// finding with its line in the PO file, and the choice to import (only the good entries when some
// are refused) or to cancel.

#include <QDialog>

#include "exchange/po_exchange.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace orvane::exchange {

class PoImportDialog : public QDialog {
  Q_OBJECT
 public:
  PoImportDialog(const PoImportPlan& plan, const QString& fileName, QWidget* parent = nullptr);

 private:
  QLabel* summary_;
  QListWidget* findings_;
  QPushButton* import_;
};

}  // namespace orvane::exchange
