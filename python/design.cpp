#include "design.h"

#include <cctype>
#include <string>

#include "arguments.h"
#include "brenmor/design/units.h"
#include "brenmor/presentation/chart.h"
#include "brenmor/presentation/record.h"
#include "brenmor/presentation/svg.h"
#include "brenmor/presentation/weight_plot.h"
#include "report.h"

namespace brenmor::python {
namespace {

// The pictures' sizes, in CSS pixels as a notebook shows them.
constexpr double kChartWidth = 560;
constexpr double kChartHeight = 420;
constexpr double kPlotWidth = 420;
constexpr double kPlotHeight = 300;

class Design {
 public:
  explicit Design(Calculation calculation) : calculation_(std::move(calculation)) {}

  // The JSON object of brenmor-size --json, as Python reads it.
  const py::dict& Dict() {
    if (!dict_) {
      dict_ = py::module_::import("json").attr("loads")(cli::Json(calculation_, nullptr));
    }
    return *dict_;
  }
  py::object Get(const std::string& name) {
    if (!Dict().contains(name)) {
      throw py::attribute_error("Design has no figure or value " + name);
    }
    return Dict()[name.c_str()];
  }
  std::string Record() const { return CalculationRecord(calculation_); }
  std::string ChartSvg() const {
    return SvgOf(DrawChart(ChartOf(&calculation_), kChartWidth, kChartHeight), PagePalette());
  }
  std::string WeightPlotSvg() const {
    return SvgOf(DrawCurvePlot(WeightPlotOf(&calculation_), kPlotWidth, kPlotHeight),
                 PagePalette());
  }
  std::string CostPlotSvg() const {
    return SvgOf(DrawCurvePlot(CostPlotOf(&calculation_), kPlotWidth, kPlotHeight), PagePalette());
  }
  std::string Summary() const { return cli::Summary(calculation_, DecimalMark::Point); }
  std::string Repr() const;
  std::string Html() const;

 private:
  Calculation calculation_;
  std::optional<py::dict> dict_;
};

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Capitalised(std::string_view text) {
  std::string out(text);
  if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

std::string Row(std::string_view label, std::string_view caption, std::string_view value,
                std::string_view unit) {
  return "<tr><th style=\"text-align:left\">" + Escaped(label) +
         "</th><td style=\"text-align:left\">" + Escaped(caption) +
         "</td><td style=\"text-align:right\">" + Escaped(value) +
         "</td><td style=\"text-align:left\">" + Escaped(unit) + "</td></tr>";
}

std::string MessageRow(const std::string& message) {
  return message.empty() ? std::string()
                         : R"(<tr><td colspan="4" style="text-align:left;max-width:24em">)" +
                               Escaped(message) + "</td></tr>";
}

std::string Design::Repr() const {
  std::string text = "<brenmor.Design " + std::string(StatusName(calculation_.GetStatus()));
  for (const Figure figure : {Figure::D, Figure::L}) {
    if (calculation_.Text(figure).empty()) continue;
    text += ", " + std::string(Info(figure).label) + " = " +
            WithUnit(figure, calculation_.Text(figure));
  }
  return text + '>';
}

// The values taken and every figure given, with their units, then the
// chart: what a notebook shows for a design.
std::string Design::Html() const {
  std::string rows;
  for (const Field field : kFields) {
    const std::optional<double>& value = calculation_.committed[static_cast<std::size_t>(field)];
    const std::string shown = !value              ? ""
                              : field == Field::E ? FormatValue(*value)
                                                  : DisplayText(field, *value);
    rows += Row(Info(field).letter, Capitalised(Info(field).longName), shown, BaseUnit(field));
  }
  rows += MessageRow(calculation_.MessageOf(Group::Size));
  for (const Group group : kGroups) {
    for (const Figure figure : kFigures) {
      const FigureInfo& info = Info(figure);
      if (info.group != group || calculation_.Text(figure).empty()) continue;
      rows += Row(info.label, info.caption, calculation_.Text(figure), info.unit);
    }
    if (group != Group::Size) rows += MessageRow(calculation_.MessageOf(group));
  }
  // Side by side where the notebook is wide enough, the chart at its size.
  return "<div class=\"brenmor-design\" style=\"display:flex;flex-wrap:wrap;gap:1em;"
         "align-items:flex-start\"><table style=\"flex:none\">" +
         rows + "</table><div style=\"flex:none;width:" + FormatValue(kChartWidth) + "px\">" +
         ChartSvg() + "</div></div>";
}

Design Size(const ValueArguments& values, const OptionArguments& options) {
  const cli::GivenValues given = values.Read(DecimalMark::Point);
  const DesignOptions design = cli::ReadDesignOptions(options.Texts(), cli::Spelling::Keyword);
  py::gil_scoped_release unlocked;
  return Design(Calculate(cli::WithDefaults(given), design));
}

}  // namespace

void BindDesign(py::module_& module) {
  py::class_<Design>(module, "Design",
                     "A design sized: its values and figures as attributes (D_mm, "
                     "weight_empty_kg, ...), as brenmor-size --json names them.")
      .def(
          "to_dict", [](Design& d) { return py::dict(d.Dict()); },
          "The values and figures, as brenmor-size --json gives them.")
      .def("__getattr__", &Design::Get)
      .def("__dir__",
           [](Design& d) {
             py::list names;
             for (const auto& item : d.Dict()) names.append(item.first);
             for (const char* method :
                  {"to_dict", "record", "chart_svg", "weight_plot_svg", "cost_plot_svg"}) {
               names.append(method);
             }
             return names;
           })
      .def("record", &Design::Record,
           "The calculation record, as brenmor-size --explain prints it.")
      .def("chart_svg", &Design::ChartSvg, "The handbook's chart with the design on it, as SVG.")
      .def("weight_plot_svg", &Design::WeightPlotSvg,
           "The empty weight against the diameter, as SVG.")
      .def("cost_plot_svg", &Design::CostPlotSvg, "The purchase cost against the diameter, as SVG.")
      .def("_repr_html_", &Design::Html)
      .def("__repr__", &Design::Repr)
      .def("__str__", &Design::Summary);

  const OptionKeywords o = DefaultOptionKeywords();
  module.def(
      "size",
      [](const py::object& P, const py::object& C, const py::object& S, const py::object& E,
         const py::object& V, const py::object& head, const py::object& plateStep,
         const py::object& density, const py::object& orientation, const py::object& costIndex,
         const py::object& materialFactor) {
        return Size({P, C, S, E, V},
                    {head, plateStep, density, orientation, costIndex, materialFactor});
      },
      "Sizes one design. Each value is a number in its base unit (psi, in, psi, none, ft^3), "
      "a string with a unit (\"10 barg\", \"3 mm\", \"20 m3\") or a pint Quantity; a value "
      "left out takes its default.",
      py::arg("P") = py::none(), py::arg("C") = py::none(), py::arg("S") = py::none(),
      py::arg("E") = py::none(), py::arg("V") = py::none(), py::kw_only(), o.head, o.plateStep,
      o.density, o.orientation, o.costIndex, o.materialFactor);
}

}  // namespace brenmor::python
