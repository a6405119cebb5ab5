// The chart window: the correlation on log-log axes with the design of the
// last Calculate on it, and beside it the panel of the design's figures and
// the weight curve, all as the engine lays them out. The panel's choices are
// the form's: each pick goes to the form's model, whose view comes back
// here. The chart can copy itself to the clipboard as an image and save
// itself as SVG or PNG.
#pragma once

#include <QWidget>
#include <array>

#include "brenmor/form/form_model.h"
#include "brenmor/presentation/chart.h"
#include "brenmor/presentation/weight_plot.h"

class DrawingView;
class QComboBox;
class QLabel;
class QLineEdit;

class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* parent = nullptr);

  // Draws the form's view: its choices, and its last calculation when it
  // moved since the last view.
  void showView(const brenmor::FormView& view);
  const brenmor::Chart& chart() const { return chart_; }
  const brenmor::CurvePlot& weightPlot() const { return plot_; }
  const brenmor::CurvePlot& costPlot() const { return costPlot_; }
  // Why the chart could not be saved as `path` (SVG, or PNG by its name);
  // empty when it was.
  QString saveChart(const QString& path) const;

 signals:
  // A choice of the panel picked, by its position on its list.
  void optionPicked(brenmor::Option option, int position);
  // The chart could not be saved as `path`, for the system's `reason`.
  void chartNotSaved(const QString& path, const QString& reason);
  // A cost index typed into the panel's box and entered.
  void costIndexEntered(const QString& text);

 private:
  QWidget* createPanel();
  QComboBox* createChoice(QWidget* panel, brenmor::Option option);
  void showCalculation(const brenmor::Calculation* calculation);
  void cmdCopy_Click();
  void cmdSave_Click();

  DrawingView* chartView_;
  DrawingView* weightView_;
  DrawingView* costView_;
  std::array<QComboBox*, 3> choices_{};  // by Option
  QLineEdit* txtCostIndex_;
  std::array<QLabel*, brenmor::kFigures.size()> figures_{};
  QLabel* lblLeastWeight_;
  QLabel* lblLeastCost_;
  QLabel* costMessage_;
  brenmor::Chart chart_;
  brenmor::CurvePlot plot_;
  brenmor::CurvePlot costPlot_;
  unsigned shownCalculations_ = 0;
};
