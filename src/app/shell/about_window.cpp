#include "shell/about_window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace orvane::shell {

namespace {

// Image1: a night sky over hills with an open scroll carrying the program's name.
class AboutPicture : public QWidget {
 public:
  AboutPicture(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(420, 260);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(18, 24, 64));
    sky.setColorAt(1, QColor(92, 60, 120));
    p.fillRect(area, sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 210));
    for (int i = 0; i < 40; ++i) {
      const qreal x = (i * 97 % 420), y = (i * 53 % 120);
      p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
    p.setBrush(QColor(250, 240, 190));
    p.drawEllipse(QPointF(350, 50), 22, 22);
    p.setBrush(QColor(31, 30, 73));  // the sky at the moon's height cuts the crescent
    p.drawEllipse(QPointF(360, 44), 20, 20);

    QPainterPath hills(QPointF(0, 260));
    hills.lineTo(0, 200);
    hills.cubicTo(90, 150, 160, 230, 250, 190);
    hills.cubicTo(320, 160, 380, 200, 420, 180);
    hills.lineTo(420, 260);
    p.setBrush(QColor(30, 70, 50));
    p.drawPath(hills);

    const QRectF scroll(60, 90, 300, 80);
    p.setBrush(QColor(236, 220, 170));
    p.setPen(QPen(QColor(120, 90, 40), 2));
    p.drawRoundedRect(scroll, 6, 6);
    p.drawEllipse(QRectF(scroll.left() - 10, scroll.top(), 20, scroll.height()));
    p.drawEllipse(QRectF(scroll.right() - 10, scroll.top(), 20, scroll.height()));

    p.setPen(QColor(70, 40, 20));
    QFont font(QStringLiteral("Serif"));
    font.setBold(true);
    font.setPointSize(15);
    p.setFont(font);
    p.drawText(scroll, Qt::AlignCenter, title_);
  }

 private:
  QString title_;
};

}  // namespace

AboutWindow::AboutWindow(const QString& title, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("About"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new AboutPicture(title, this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvane::shell
