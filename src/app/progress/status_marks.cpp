#include "progress/status_marks.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace orvane::progress {

QColor StatusColor(TextStatus status) {
  static const std::array<QColor, kStatusCount> colors{QColor(170, 170, 170), QColor(230, 140, 20),
                                                       QColor(40, 110, 220), QColor(30, 160, 60)};
  return colors[static_cast<size_t>(status)];
}

QIcon StatusMark(TextStatus status) {
  QIcon icon;
  for (const int size : {12, 24}) {  // crisp on screens with twice the pixels
    QPixmap disc(size, size);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(StatusColor(status).darker(130));
    painter.setBrush(StatusColor(status));
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    icon.addPixmap(disc);
  }
  return icon;
}

QString StatusCaption(TextStatus status) {
  QString name = QString::fromLatin1(StatusName(status).data(), static_cast<int>(StatusName(status).size()));
  name[0] = name[0].toUpper();
  return name;
}

void AddStatusChoices(QComboBox* filter) {
  for (int s = 0; s < kStatusCount; ++s) filter->addItem(StatusMark(TextStatus(s)), StatusCaption(TextStatus(s)));
  filter->addItem(QStringLiteral("Not yet done"));
}

bool StatusWanted(int choice, TextStatus status) {
  if (choice < 0) return true;
  if (choice == kStatusCount) return status == TextStatus::Untranslated || status == TextStatus::Draft;
  return choice == static_cast<int>(status);
}

}  // namespace orvane::progress
