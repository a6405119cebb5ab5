#include "logo.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn on a grid of 108 x 51, three times the 36 x 17 the window gives it.
constexpr qreal kGridWidth = 108;
constexpr qreal kGridHeight = 51;

const QColor kOutline(0x2d, 0x3b, 0x4a);
const QColor kSteel(0x3c, 0x4a, 0x59);
const QColor kNozzle(0x5a, 0x6b, 0x7d);
const QColor kShell(0x9f, 0xb8, 0xcf);
const QColor kHighlight(0xe8, 0xf0, 0xf7);

// The shell with its two elliptical heads.
QPainterPath Shell() {
  QPainterPath shell(QPointF(22, 9));
  shell.lineTo(86, 9);
  shell.arcTo(QRectF(72, 9, 28, 30), 90, -180);
  shell.lineTo(22, 39);
  shell.arcTo(QRectF(8, 9, 28, 30), 270, -180);
  shell.closeSubpath();
  return shell;
}

}  // namespace

QPixmap DrawLogo(QSize size, qreal devicePixelRatio) {
  QPixmap logo(size * devicePixelRatio);
  logo.setDevicePixelRatio(devicePixelRatio);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size.width() / kGridWidth, size.height() / kGridHeight);

  painter.fillRect(QRectF(50, 3, 8, 7), kNozzle);
  painter.fillRect(QRectF(47, 2, 14, 3), kSteel);
  painter.setPen(QPen(kOutline, 2.5));
  painter.setBrush(kShell);
  painter.drawPath(Shell());
  painter.setPen(QPen(kHighlight, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QLineF(22, 14, 86, 14));
  painter.setPen(QPen(kOutline, 1.5));
  painter.drawLine(QLineF(22, 9, 22, 39));
  painter.drawLine(QLineF(86, 9, 86, 39));

  painter.setPen(Qt::NoPen);
  painter.setBrush(kSteel);
  for (const qreal left : {22.0, 68.0}) {
    painter.drawPolygon(QPolygonF({QPointF(left + 4, 39), QPointF(left, 47), QPointF(left + 18, 47),
                                   QPointF(left + 14, 39)}));
  }
  painter.fillRect(QRectF(12, 46, 84, 3), kOutline);
  return logo;
}
