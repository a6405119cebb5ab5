// The chart window: the correlation on log-log axes with the design of the
// last Calculate on it, as the engine lays it out, and beside it the
// design's wall and weight with the curve of weight against diameter. Drawn
// with QPainter, so it is sharp at any scale and takes the desktop's
// colours; the chart can copy itself to the clipboard as an image and save
// itself as SVG or PNG.
#pragma once

#include <QWidget>
#include <optional>

#include "brenmor/chart.h"
#include "brenmor/evaluation.h"
#include "brenmor/weight_plot.h"

class ChartView;
class QComboBox;
class QLabel;
class WeightView;

class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent = nullptr);

  // The design as the last Calculate took it; nothing before the first.
  void setCalculated(const std::optional<brenmor::DesignValues>& calculated);
  const brenmor::Chart& chart() const;
  const brenmor::WeightPlot& weightPlot() const;
  // Why the chart could not be saved as `path` (SVG, or PNG by its name);
  // empty when it was.
  QString saveChart(const QString& path) const;

 private:
  QWidget* createWallPanel();
  void cmdCopy_Click();
  void cmdSave_Click();
  void cmbWall_Click();
  void showWall();

  ChartView* view_;
  WeightView* weightView_;
  QComboBox* cmbHead_;
  QComboBox* cmbPlateStep_;
  std::array<QLabel*, brenmor::kWallResults.size()> wallValues_{};
  QLabel* lblLeastWeight_;
  std::optional<brenmor::DesignValues> calculated_;
};
