#include "replayer.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <variant>

namespace {

QPointF At(const brenmor::Point& p) { return {p.x, p.y}; }

QPolygonF Polygon(const std::vector<brenmor::Point>& points) {
  QPolygonF polygon;
  for (const brenmor::Point& p : points) polygon << At(p);
  return polygon;
}

QColor WithOpacity(QColor colour, double opacity) {
  colour.setAlphaF(static_cast<float>(colour.alphaF() * opacity));
  return colour;
}

class Painter {
 public:
  Painter(QPainter& painter, const RoleColours& colours) : p_(painter), colours_(colours) {}

  void operator()(const brenmor::Line& s) {
    p_.setPen(QPen(colours_.Of(s.role), s.width));
    p_.drawLine(At(s.from), At(s.to));
  }
  void operator()(const brenmor::Polyline& s) {
    p_.setPen(QPen(colours_.Of(s.role), s.width));
    p_.setBrush(Qt::NoBrush);
    p_.drawPolyline(Polygon(s.points));
  }
  void operator()(const brenmor::Band& s) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(WithOpacity(colours_.Of(s.role), s.opacity));
    p_.drawPolygon(Polygon(s.points));
  }
  void operator()(const brenmor::Box& s) {
    p_.setPen(s.stroke ? QPen(colours_.Of(*s.stroke), 1) : QPen(Qt::NoPen));
    p_.setBrush(s.fill ? QBrush(WithOpacity(colours_.Of(*s.fill), s.fillOpacity))
                       : QBrush(Qt::NoBrush));
    p_.drawRect(QRectF(s.at.x, s.at.y, s.width, s.height));
  }
  void operator()(const brenmor::Circle& s) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(colours_.Of(s.role));
    p_.drawEllipse(At(s.centre), s.radius, s.radius);
  }
  void operator()(const brenmor::Label& s) {
    const QString words = QString::fromStdString(s.words);
    double x = s.at.x;
    const double width = QFontMetricsF(p_.font()).horizontalAdvance(words);
    if (s.anchor == brenmor::Anchor::Middle) x -= width / 2;
    if (s.anchor == brenmor::Anchor::End) x -= width;
    p_.setPen(colours_.Of(s.role));
    p_.drawText(QPointF(x, s.at.y), words);
  }

 private:
  QPainter& p_;
  const RoleColours& colours_;
};

}  // namespace

const QColor& RoleColours::Of(brenmor::Role role) const {
  switch (role) {
    case brenmor::Role::Ink:
      return ink;
    case brenmor::Role::Paper:
      return paper;
    case brenmor::Role::Accent:
      break;
  }
  return accent;
}

void Replay(QPainter& painter, const brenmor::Drawing& drawing, const RoleColours& colours) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(brenmor::kTextSize));
  painter.setFont(font);
  painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), colours.paper);
  Painter paint(painter, colours);
  for (const brenmor::Shape& shape : drawing.shapes) std::visit(paint, shape);
  painter.restore();
}
