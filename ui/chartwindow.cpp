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
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

#include "brenmor/presentation/svg.h"
#include "replayer.h"

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }
QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The captions and choices of each list of the panel.
struct Choice {
  const char* name;
  std::string_view caption;
  std::vector<std::string_view> items;
};
template <class Options>
std::vector<std::string_view> Captions(const Options& all) {
  std::vector<std::string_view> captions;
  captions.reserve(all.size());
  for (const auto option : all) captions.push_back(brenmor::Caption(option));
  return captions;
}

Choice ChoiceOf(brenmor::Option option) {
  switch (option) {
    case brenmor::Option::Head:
      return {"cmbHead", brenmor::kFormTexts.headKind, Captions(brenmor::kHeadKinds)};
    case brenmor::Option::PlateStep:
      return {"cmbPlateStep", brenmor::kFormTexts.plateStep, Captions(brenmor::kPlateSteps)};
    case brenmor::Option::Orientation:
      break;
  }
  return {"cmbOrientation", brenmor::kFormTexts.orientation, Captions(brenmor::kOrientations)};
}

int PositionIn(const brenmor::DesignOptions& options, brenmor::Option option) {
  switch (option) {
    case brenmor::Option::Head:
      return brenmor::PositionOf(options.head);
    case brenmor::Option::PlateStep:
      return brenmor::PositionOf(options.step);
    case brenmor::Option::Orientation:
      break;
  }
  return brenmor::PositionOf(options.orientation);
}

constexpr std::array<brenmor::Option, 3> kOptions = {
    brenmor::Option::Head, brenmor::Option::PlateStep, brenmor::Option::Orientation};

QLabel* NewNote(QWidget* parent, const char* name) {
  auto* note = new QLabel(parent);
  note->setObjectName(QString::fromLatin1(name));
  note->setWordWrap(true);
  note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return note;
}

}  // namespace

// A picture the engine lays out at the widget's size, replayed in the
// desktop's colours.
class DrawingView : public QWidget {
 public:
  using LayOut = std::function<brenmor::Drawing(double width, double height)>;

  DrawingView(QWidget* parent, const char* name, QSize least) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setMinimumSize(least);
    setFocusPolicy(Qt::StrongFocus);
  }

  void setLayOut(LayOut layOut, const std::string& description) {
    layOut_ = std::move(layOut);
    setAccessibleDescription(ToQString(description));
    update();
  }
  brenmor::Drawing drawing() const { return layOut_(width(), height()); }
  RoleColours colours() const {
    return {palette().color(QPalette::WindowText), palette().color(QPalette::Base),
            palette().color(QPalette::Highlight)};
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    Replay(painter, drawing(), colours());
  }

 private:
  LayOut layOut_ = [](double, double) { return brenmor::Drawing{}; };
};

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmChart"));
  setWindowTitle(ToQString(brenmor::kFormTexts.chartTitle));
  chartView_ = new DrawingView(this, "picChart", {360, 270});
  chartView_->setAccessibleName(ToQString(brenmor::kFormTexts.chartTitle));
  auto* copy = new QPushButton(ToQString(brenmor::kFormTexts.copyChart), this);
  copy->setObjectName(QStringLiteral("cmdCopy"));
  auto* save = new QPushButton(ToQString(brenmor::kFormTexts.saveChart), this);
  save->setObjectName(QStringLiteral("cmdSave"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copy);
  buttons->addWidget(save);
  auto* plots = new QHBoxLayout;
  plots->addWidget(chartView_, 3);
  plots->addWidget(createPanel(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(plots, 1);
  layout->addLayout(buttons);
  connect(copy, &QPushButton::clicked, this, &ChartWindow::cmdCopy_Click);
  connect(save, &QPushButton::clicked, this, &ChartWindow::cmdSave_Click);
  setTabOrder(chartView_, choices_[0]);
  resize(1000, 760);
  showCalculation(nullptr);
}

QComboBox* ChartWindow::createChoice(QWidget* panel, brenmor::Option option) {
  const Choice choice = ChoiceOf(option);
  auto* combo = new QComboBox(panel);
  combo->setObjectName(QString::fromLatin1(choice.name));
  for (const std::string_view item : choice.items) combo->addItem(ToQString(item));
  combo->setAccessibleName(ToQString(choice.caption));
  connect(combo, &QComboBox::currentIndexChanged, this,
          [this, option](int position) { emit optionPicked(option, position); });
  return combo;
}

// The choices and the cost index, then each figure of the panel with its
// caption as its name for a screen reader, selectable from the keyboard,
// the notes, then the weight and cost curves.
QWidget* ChartWindow::createPanel() {
  auto* panel = new QWidget(this);
  auto* form = new QFormLayout;
  for (const brenmor::Option option : kOptions) {
    QComboBox* combo = createChoice(panel, option);
    form->addRow(combo->accessibleName(), combo);
    choices_[static_cast<std::size_t>(option)] = combo;
  }
  txtCostIndex_ = new QLineEdit(panel);
  txtCostIndex_->setObjectName(QStringLiteral("txtCostIndex"));
  txtCostIndex_->setAccessibleName(ToQString(brenmor::kFormTexts.costIndex));
  txtCostIndex_->setToolTip(ToQString(brenmor::kFormTexts.costIndexHelp));
  form->addRow(ToQString(brenmor::kFormTexts.costIndex), txtCostIndex_);
  connect(txtCostIndex_, &QLineEdit::editingFinished, this,
          [this] { emit costIndexEntered(txtCostIndex_->text()); });
  for (const brenmor::Figure figure : brenmor::kFigures) {
    const brenmor::FigureInfo& info = brenmor::Info(figure);
    if (info.place != brenmor::Place::Panel) continue;
    auto* value = new QLabel(panel);
    value->setObjectName(ToQString(info.pageId));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(ToQString(info.caption));
    value->setToolTip(ToQString(info.help));
    form->addRow(ToQString(info.caption), value);
    figures_[static_cast<std::size_t>(figure)] = value;
  }
  lblLeastWeight_ = NewNote(panel, "lblLeastWeight");
  lblLeastCost_ = NewNote(panel, "lblLeastCost");
  costMessage_ = NewNote(panel, "costMessage");
  weightView_ = new DrawingView(panel, "picWeight", {260, 160});
  costView_ = new DrawingView(panel, "picCost", {260, 160});
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(form);
  for (QLabel* note : {lblLeastWeight_, lblLeastCost_, costMessage_}) column->addWidget(note);
  column->addWidget(weightView_, 1);
  column->addWidget(costView_, 1);
  return panel;
}

void ChartWindow::showView(const brenmor::FormView& view) {
  for (const brenmor::Option option : kOptions) {
    QComboBox* combo = choices_[static_cast<std::size_t>(option)];
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(PositionIn(view.options, option));
  }
  if (txtCostIndex_->text() != ToQString(view.costIndexText)) {
    const QSignalBlocker quiet(txtCostIndex_);
    txtCostIndex_->setText(ToQString(view.costIndexText));
  }
  if (view.calculations == shownCalculations_) return;
  shownCalculations_ = view.calculations;
  showCalculation(view.calculation ? &*view.calculation : nullptr);
}

void ChartWindow::showCalculation(const brenmor::Calculation* calculation) {
  chart_ = brenmor::ChartOf(calculation);
  plot_ = brenmor::WeightPlotOf(calculation);
  costPlot_ = brenmor::CostPlotOf(calculation);
  chartView_->setLayOut([this](double w, double h) { return brenmor::DrawChart(chart_, w, h); },
                        chart_.description);
  weightView_->setAccessibleName(ToQString(plot_.axisTitles[1]));
  weightView_->setLayOut([this](double w, double h) { return brenmor::DrawCurvePlot(plot_, w, h); },
                         plot_.description);
  costView_->setAccessibleName(ToQString(costPlot_.axisTitles[1]));
  costView_->setLayOut(
      [this](double w, double h) { return brenmor::DrawCurvePlot(costPlot_, w, h); },
      costPlot_.description);
  for (const brenmor::Figure figure : brenmor::kFigures) {
    QLabel* value = figures_[static_cast<std::size_t>(figure)];
    if (value == nullptr) continue;
    const std::string shown = calculation != nullptr ? calculation->Text(figure) : std::string();
    value->setText(ToQString(brenmor::WithUnit(figure, shown)));
  }
  lblLeastWeight_->setText(ToQString(brenmor::LeastWeightNote(calculation)));
  lblLeastCost_->setText(ToQString(brenmor::LeastCostNote(calculation)));
  costMessage_->setText(ToQString(
      calculation != nullptr ? calculation->MessageOf(brenmor::Group::Cost) : std::string()));
}

// At the screen's density, so the image is as sharp as the window.
void ChartWindow::cmdCopy_Click() {
  QGuiApplication::clipboard()->setImage(chartView_->grab().toImage());
}

void ChartWindow::cmdSave_Click() {
  const QString path = QFileDialog::getSaveFileName(this, ToQString(brenmor::kFormTexts.chartTitle),
                                                    QStringLiteral("brenmor-chart.svg"),
                                                    QStringLiteral("SVG (*.svg);;PNG (*.png)"));
  if (path.isEmpty()) return;
  const QString problem = saveChart(path);
  if (!problem.isEmpty()) emit chartNotSaved(path, problem);
}

QString ChartWindow::saveChart(const QString& path) const {
  if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    QImageWriter writer(path);
    return writer.write(chartView_->grab().toImage()) ? QString() : writer.errorString();
  }
  const RoleColours colours = chartView_->colours();
  const std::string svg = brenmor::SvgOf(
      chartView_->drawing(), {colours.ink.name().toStdString(), colours.paper.name().toStdString(),
                              colours.accent.name().toStdString()});
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size()) ||
      !file.flush()) {
    return file.errorString();
  }
  return {};
}
