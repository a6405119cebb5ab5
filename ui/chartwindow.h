// The chart window: the correlation on log-log axes with the design of the
// last Calculate on it, as the engine lays it out. Drawn with QPainter, so
// it is sharp at any scale and takes the desktop's colours; it can copy
// itself to the clipboard as an image and save itself as SVG or PNG.
#pragma once

#include <QWidget>

#include "brenmor/chart.h"

class ChartView;

class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent = nullptr);

  void setChart(brenmor::Chart chart);
  const brenmor::Chart& chart() const;

 private:
  void cmdCopy_Click();
  void cmdSave_Click();
  bool saveSvg(const QString& path) const;

  ChartView* view_;
};
