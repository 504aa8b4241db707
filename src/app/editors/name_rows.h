#pragma once
// The rows of a name list as a translator reads them: the entry's number, the name as it stands and,
// in grey beside it, the name as the ROM had it, so that two entries of the same name are told
// apart and a renamed one is seen at once. The row's text stays the name alone.

#include <QStyledItemDelegate>

#include "text_places.h"

class QListWidget;

namespace orvane {
class Document;
}

namespace orvane::editors {

// Item data beside the name.
inline constexpr int kNumberRole = Qt::UserRole;
inline constexpr int kOriginalRole = Qt::UserRole + 1;

// Gives each row of `list` (row r is entry `first` + r of `names`) its number and original, and
// draws the rows with both. Technique names explain their leading "*" in a tool tip.
void ShowNameRows(QListWidget* list, const Document& doc, TextList names, int first);

class NameRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Room for the names: the original starts after it.
  void setNameWidth(int width) { nameWidth_ = width; }

 private:
  int nameWidth_ = 120;
};

}  // namespace orvane::editors
