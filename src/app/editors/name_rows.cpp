#include "editors/name_rows.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

#include "document.h"
#include "progress/translation_progress.h"
#include "widgets/qt_cp1252.h"

namespace orvane::editors {

namespace {

// What the game writes for the technique names' leading "*".
const char* const kStarMeaning =
    "A leading \"*\" is code 2F, the mark the game shows in front of a magic spell's name. It takes one of the "
    "name's characters; keep it for a spell, leave it out for a technique.";

}  // namespace

void ShowNameRows(QListWidget* list, const Document& doc, TextList names, int first) {
  auto* delegate = dynamic_cast<NameRowDelegate*>(list->itemDelegate());
  if (!delegate) {
    delegate = new NameRowDelegate(list);
    list->setItemDelegate(delegate);
  }
  int widest = 0;
  for (int row = 0; row < list->count(); ++row) {
    QListWidgetItem* item = list->item(row);
    const int number = first + row;
    item->setData(kNumberRole, number);
    item->setData(kOriginalRole, shell::ToQt(NameOriginal(doc, {names, 0, number})));
    if (names == TextList::TechNames && item->text().startsWith(QLatin1Char('*')))
      item->setToolTip(QObject::tr(kStarMeaning));
    widest = std::max(widest, list->fontMetrics().horizontalAdvance(item->text()));
  }
  const int nameWidth = widest + list->fontMetrics().horizontalAdvance(QStringLiteral("MM"));
  delegate->setNameWidth(nameWidth);
  // Room for the number, the name and an original as long, beside the scroll bar.
  list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2 * nameWidth + 40);
  list->setToolTip(QObject::tr("Number, name, and in grey the name as the ROM has it") +
                   (names == TextList::TechNames ? QStringLiteral("\n") + QObject::tr(kStarMeaning) : QString()));
}

void NameRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem face = option;
  initStyleOption(&face, index);
  const QString name = face.text;
  face.text.clear();
  QStyle* style = face.widget ? face.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &face, painter, face.widget);

  const QFontMetrics metrics(face.font);
  const int numberWidth = metrics.horizontalAdvance(QStringLiteral("0000"));
  const QRect row = face.rect.adjusted(4, 0, -4, 0);
  const bool selected = face.state & QStyle::State_Selected;
  const QColor ink = face.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
  QColor grey = ink;
  grey.setAlphaF(0.55);

  painter->save();
  painter->setFont(face.font);
  painter->setPen(grey);
  painter->drawText(row.adjusted(0, 0, numberWidth - row.width(), 0), Qt::AlignRight | Qt::AlignVCenter,
                    index.data(kNumberRole).toString());
  const QRect nameRect(row.left() + numberWidth + 8, row.top(), nameWidth_, row.height());
  painter->setPen(ink);
  painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(name, Qt::ElideRight, nameWidth_));
  QFont italic = face.font;
  italic.setItalic(true);
  painter->setFont(italic);
  painter->setPen(grey);
  painter->drawText(QRect(nameRect.right(), row.top(), std::max(0, row.right() - nameRect.right()), row.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, index.data(kOriginalRole).toString());
  painter->restore();
}

}  // namespace orvane::editors
