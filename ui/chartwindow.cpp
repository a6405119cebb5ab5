#include "chartwindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
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

// The weight against the diameter, as the engine lays it out.
class WeightView : public QWidget {
 public:
  explicit WeightView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picWeight"));
    setMinimumSize(260, 200);
    setFocusPolicy(Qt::StrongFocus);
  }

  void setPlot(brenmor::WeightPlot plot) {
    plot_ = std::move(plot);
    setAccessibleName(ToQString(plot_.axisTitles[1]));
    setAccessibleDescription(ToQString(plot_.description));
    update();
  }
  const brenmor::WeightPlot& plot() const { return plot_; }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor accent = palette().color(QPalette::Highlight);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF plot = QRectF(rect()).adjusted(56, 24, -16, -40);
    p.setPen(ink);
    p.drawRect(plot);
    const auto at = [&](brenmor::ChartPoint c) {
      return QPointF(plot.left() + c.x * plot.width(), plot.bottom() - c.y * plot.height());
    };
    for (const brenmor::ChartTick& t : plot_.diameterTicks) {
      const double x = plot.left() + t.at * plot.width();
      p.drawText(QRectF(x - 40, plot.bottom() + 4, 80, 16), Qt::AlignHCenter, ToQString(t.label));
    }
    for (const brenmor::ChartTick& t : plot_.weightTicks) {
      const double y = plot.bottom() - t.at * plot.height();
      p.drawText(QRectF(0, y - 8, plot.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                 ToQString(t.label));
    }
    p.drawText(QRectF(0, height() - 18, width(), 16), Qt::AlignHCenter,
               ToQString(plot_.axisTitles[0]));
    p.drawText(QRectF(4, 4, width(), 16), Qt::AlignLeft, ToQString(plot_.axisTitles[1]));
    if (plot_.curve.empty()) {
      p.drawText(plot.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                 ToQString(plot_.note));
      return;
    }
    QPolygonF curve;
    for (const brenmor::ChartPoint& c : plot_.curve) curve << at(c);
    p.drawPolyline(curve);
    const QPointF least = at(*plot_.least);
    p.drawLine(QPointF(least.x(), plot.bottom()), least);
    p.drawText(QRectF(least.x() + 4, plot.bottom() - 18, 160, 16), Qt::AlignLeft,
               ToQString(plot_.markLabels[1]));
    const QPointF design = at(*plot_.design);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(design, 4, 4);
    p.setPen(ink);
    p.drawText(design + QPointF(6, -8), ToQString(plot_.markLabels[0]));
  }

 private:
  brenmor::WeightPlot plot_;
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
  auto* plots = new QHBoxLayout;
  plots->addWidget(view_, 3);
  plots->addWidget(createWallPanel(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(plots, 1);
  layout->addLayout(buttons);
  connect(copy, &QPushButton::clicked, this, &ChartWindow::cmdCopy_Click);
  connect(save, &QPushButton::clicked, this, &ChartWindow::cmdSave_Click);
  setTabOrder(view_, cmbHead_);
  resize(900, 460);
  setCalculated(std::nullopt);
}

// The figures, each with its caption as its name for a screen reader and
// selectable from the keyboard, the two choices, and the weight curve.
QWidget* ChartWindow::createWallPanel() {
  auto* panel = new QWidget(this);
  auto* form = new QFormLayout;
  const auto choice = [&](const char* name, const QString& caption, const auto& options) {
    auto* combo = new QComboBox(panel);
    combo->setObjectName(QString::fromLatin1(name));
    for (const auto option : options) combo->addItem(ToQString(brenmor::Caption(option)));
    combo->setAccessibleName(caption);
    form->addRow(caption, combo);
    connect(combo, &QComboBox::currentIndexChanged, this, &ChartWindow::cmbWall_Click);
    return combo;
  };
  cmbHead_ = choice("cmbHead", ToQString(brenmor::kFormTexts.headKind), brenmor::kHeadKinds);
  cmbPlateStep_ =
      choice("cmbPlateStep", ToQString(brenmor::kFormTexts.plateStep), brenmor::kPlateSteps);
  static constexpr std::array<const char*, brenmor::kWallResults.size()> kNames = {
      "tShell", "tHead", "weightEmpty", "weightWater", "leastWeightD"};
  for (const brenmor::WallResult result : brenmor::kWallResults) {
    const brenmor::WallResultInfo& info = brenmor::Info(result);
    auto* value = new QLabel(panel);
    value->setObjectName(QString::fromLatin1(kNames[static_cast<std::size_t>(result)]));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(ToQString(info.caption));
    value->setToolTip(ToQString(info.help));
    form->addRow(ToQString(info.caption), value);
    wallValues_[static_cast<std::size_t>(result)] = value;
  }
  lblLeastWeight_ = new QLabel(panel);
  lblLeastWeight_->setObjectName(QStringLiteral("lblLeastWeight"));
  lblLeastWeight_->setWordWrap(true);
  lblLeastWeight_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
  weightView_ = new WeightView(panel);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(form);
  column->addWidget(lblLeastWeight_);
  column->addWidget(weightView_, 1);
  return panel;
}

void ChartWindow::setCalculated(const std::optional<brenmor::DesignValues>& calculated) {
  calculated_ = calculated;
  view_->setChart(calculated_ ? brenmor::ChartOf(*calculated_) : brenmor::EmptyChart());
  showWall();
}

void ChartWindow::cmbWall_Click() { showWall(); }

// The wall of the last design with the heads and plate step chosen here.
void ChartWindow::showWall() {
  brenmor::WallOptions options;
  options.head = brenmor::kHeadKinds[static_cast<std::size_t>(cmbHead_->currentIndex())];
  options.step = brenmor::kPlateSteps[static_cast<std::size_t>(cmbPlateStep_->currentIndex())];
  const brenmor::Wall wall = calculated_ ? brenmor::WallOf(*calculated_, options) : brenmor::Wall{};
  const brenmor::WallTexts texts = brenmor::TextsOf(wall);
  for (const brenmor::WallResult result : brenmor::kWallResults) {
    wallValues_[static_cast<std::size_t>(result)]->setText(
        ToQString(brenmor::WithUnit(texts, result)));
  }
  lblLeastWeight_->setText(ToQString(brenmor::LeastWeightNote(wall)));
  weightView_->setPlot(brenmor::WeightPlotOf(calculated_, wall));
}

const brenmor::Chart& ChartWindow::chart() const { return view_->chart(); }

const brenmor::WeightPlot& ChartWindow::weightPlot() const { return weightView_->plot(); }

// At the screen's density, so the image is as sharp as the window.
void ChartWindow::cmdCopy_Click() {
  QGuiApplication::clipboard()->setImage(view_->grab().toImage());
}

void ChartWindow::cmdSave_Click() {
  const QString path = QFileDialog::getSaveFileName(this, ToQString(brenmor::kFormTexts.chartTitle),
                                                    QStringLiteral("brenmor-chart.svg"),
                                                    QStringLiteral("SVG (*.svg);;PNG (*.png)"));
  if (path.isEmpty()) return;
  const QString problem = saveChart(path);
  if (!problem.isEmpty()) {
    QMessageBox::warning(this, windowTitle(),
                         ToQString(brenmor::kFormTexts.chartNotSaved) + path + ": " + problem);
  }
}

QString ChartWindow::saveChart(const QString& path) const {
  if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    QImageWriter writer(path);
    return writer.write(view_->grab().toImage()) ? QString() : writer.errorString();
  }
  QFile file(path);
  const std::string svg = brenmor::ChartSvg(
      view_->chart(), view_->width(), view_->height(), view_->ink().name().toStdString(),
      view_->paper().name().toStdString(), view_->accent().name().toStdString());
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size()) ||
      !file.flush()) {
    return file.errorString();
  }
  return {};
}
