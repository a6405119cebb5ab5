#include "chartwindow.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextOption>
#include <QVBoxLayout>

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }
QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// The plot itself: the engine's fractions scaled to the widget.
class ChartView : public QWidget {
 public:
  explicit ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picChart"));
    setMinimumSize(360, 270);
    setFocusPolicy(Qt::StrongFocus);
  }

  void setChart(brenmor::Chart chart) {
    chart_ = std::move(chart);
    setAccessibleName(ToQString(brenmor::kFormTexts.chartTitle));
    setAccessibleDescription(ToQString(chart_.description));
    update();
  }
  const brenmor::Chart& chart() const { return chart_; }

  QColor ink() const { return palette().color(QPalette::WindowText); }
  QColor paper() const { return palette().color(QPalette::Base); }
  QColor accent() const { return palette().color(QPalette::Highlight); }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), paper());
    const QRectF plot = QRectF(rect()).adjusted(56, 40, -56, -40);
    drawAxes(p, plot);
    drawLines(p, plot);
    drawDesign(p, plot);
    if (!chart_.note.empty()) {
      p.setPen(ink());
      p.drawText(QRectF(plot.left(), plot.top() + 4, plot.width(), 20), Qt::AlignHCenter,
                 ToQString(chart_.note));
    }
  }

 private:
  static QPointF At(const QRectF& plot, brenmor::ChartPoint c) {
    return {plot.left() + c.x * plot.width(), plot.bottom() - c.y * plot.height()};
  }

  void drawAxes(QPainter& p, const QRectF& plot) const {
    p.setPen(ink());
    p.drawRect(plot);
    // A mark's label in a box centred `shift` beside its place.
    const auto along = [&](const std::vector<brenmor::ChartTick>& ticks, bool horizontal,
                           double offset, double shift, Qt::AlignmentFlag align) {
      for (const brenmor::ChartTick& t : ticks) {
        const QPointF at = horizontal ? QPointF(plot.left() + t.at * plot.width(), offset)
                                      : QPointF(offset, plot.bottom() - t.at * plot.height());
        p.drawText(QRectF(at.x() - 40 + shift, at.y() - 8, 80, 16), ToQString(t.label),
                   QTextOption(align | Qt::AlignVCenter));
      }
    };
    along(chart_.volumeTicks, true, plot.bottom() + 12, 0, Qt::AlignHCenter);
    along(chart_.volumeTicksSI, true, plot.top() - 12, 0, Qt::AlignHCenter);
    along(chart_.diameterTicks, false, plot.left() - 4, -40, Qt::AlignRight);
    along(chart_.diameterTicksSI, false, plot.right() + 4, 40, Qt::AlignLeft);
    const auto& titles = chart_.axisTitles;
    p.drawText(QRectF(0, height() - 18, width(), 16), Qt::AlignHCenter, ToQString(titles[0]));
    p.drawText(QRectF(4, plot.top() - 34, 100, 16), Qt::AlignLeft, ToQString(titles[1]));
    p.drawText(QRectF(0, 2, width(), 16), Qt::AlignHCenter, ToQString(titles[2]));
    p.drawText(QRectF(width() - 104, plot.top() - 34, 100, 16), Qt::AlignRight,
               ToQString(titles[3]));
  }

  void drawLines(QPainter& p, const QRectF& plot) const {
    if (chart_.design) {
      QPolygonF band;
      for (const brenmor::ChartPoint& c : chart_.band) band << At(plot, c);
      QColor fill = accent();
      fill.setAlphaF(0.18F);
      p.setPen(Qt::NoPen);
      p.setBrush(fill);
      p.drawPolygon(band);
      p.setBrush(Qt::NoBrush);
    }
    for (const brenmor::ChartLine& line : chart_.lines) {
      p.setPen(QPen(line.strong ? accent() : ink(), line.strong ? 2.0 : 0.6));
      p.drawLine(At(plot, line.from), At(plot, line.to));
      if (!line.labelled) continue;
      const QPointF end = At(plot, line.to);
      p.drawText(QRectF(end.x() - 44, end.y() - 14, 40, 12), Qt::AlignRight | Qt::AlignBottom,
                 ToQString(line.label));
    }
  }

  void drawDesign(QPainter& p, const QRectF& plot) const {
    if (!chart_.design) return;
    const QPointF at = At(plot, *chart_.design);
    p.setPen(Qt::NoPen);
    p.setBrush(accent());
    p.drawEllipse(at, 4, 4);
    QColor behind = paper();
    behind.setAlphaF(0.85F);
    p.fillRect(QRectF(at.x() + 6, at.y() - 40, 84, 50), behind);
    p.setPen(ink());
    for (std::size_t i = 0; i < chart_.designLabel.size(); ++i) {
      p.drawText(QPointF(at.x() + 8, at.y() - 30 + 12.0 * static_cast<double>(i)),
                 ToQString(chart_.designLabel[i]));
    }
  }

  brenmor::Chart chart_;
};

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmChart"));
  setWindowTitle(ToQString(brenmor::kFormTexts.chartTitle));
  view_ = new ChartView(this);
  auto* copy = new QPushButton(ToQString(brenmor::kFormTexts.copyChart), this);
  copy->setObjectName(QStringLiteral("cmdCopy"));
  auto* save = new QPushButton(ToQString(brenmor::kFormTexts.saveChart), this);
  save->setObjectName(QStringLiteral("cmdSave"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copy);
  buttons->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  connect(copy, &QPushButton::clicked, this, &ChartWindow::cmdCopy_Click);
  connect(save, &QPushButton::clicked, this, &ChartWindow::cmdSave_Click);
  resize(520, 420);
}

void ChartWindow::setChart(brenmor::Chart chart) { view_->setChart(std::move(chart)); }

const brenmor::Chart& ChartWindow::chart() const { return view_->chart(); }

// At the screen's density, so the image is as sharp as the window.
void ChartWindow::cmdCopy_Click() {
  QGuiApplication::clipboard()->setImage(view_->grab().toImage());
}

void ChartWindow::cmdSave_Click() {
  const QString path = QFileDialog::getSaveFileName(this, ToQString(brenmor::kFormTexts.chartTitle),
                                                    QStringLiteral("brenmor-chart.svg"),
                                                    QStringLiteral("SVG (*.svg);;PNG (*.png)"));
  if (path.isEmpty()) return;
  const bool saved = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
                         ? view_->grab().save(path)
                         : saveSvg(path);
  if (!saved) {
    QMessageBox::warning(this, windowTitle(), ToQString(brenmor::kFormTexts.chartNotSaved) + path);
  }
}

bool ChartWindow::saveSvg(const QString& path) const {
  QFile file(path);
  const std::string svg = brenmor::ChartSvg(
      view_->chart(), view_->width(), view_->height(), view_->ink().name().toStdString(),
      view_->paper().name().toStdString(), view_->accent().name().toStdString());
  return file.open(QIODevice::WriteOnly) &&
         file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
}
