#include "arguments.h"

#include <pybind11/stl.h>

namespace brenmor::python {
namespace {

// The one message of a wrong type, naming the argument and what it takes.
[[noreturn]] void WrongType(std::string_view keyword, std::string_view takes, py::handle value) {
  throw py::type_error(std::string(keyword) + " takes " + std::string(takes) + ", not " +
                       py::str(py::type::of(value).attr("__name__")).cast<std::string>());
}

// A pint Quantity, or any quantity that converts itself as pint's does.
bool IsQuantity(py::handle value) {
  return py::hasattr(value, "to") && py::hasattr(value, "magnitude") && py::hasattr(value, "units");
}

}  // namespace

std::optional<std::string> NumberText(py::handle value) {
  if (PyBool_Check(value.ptr())) return std::nullopt;
  if (PyFloat_Check(value.ptr())) return py::repr(value).cast<std::string>();
  // An int is exact in any size; NumPy's integers and floats convert.
  if (PyIndex_Check(value.ptr()) != 0)
    return py::str(py::int_(py::reinterpret_borrow<py::object>(value)));
  if (py::hasattr(value, "__float__") && !py::isinstance<py::str>(value)) {
    return py::repr(py::float_(py::reinterpret_borrow<py::object>(value))).cast<std::string>();
  }
  return std::nullopt;
}

std::optional<std::string> ValueText(Field field, py::handle value) {
  if (value.is_none()) return std::nullopt;
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  if (IsQuantity(value)) {
    const std::string_view base = BaseUnit(field);
    const py::object inBase =
        value.attr("to")(base.empty() ? std::string("dimensionless") : std::string(base));
    if (auto text = NumberText(inBase.attr("magnitude"))) return text;
  } else if (auto text = NumberText(value)) {
    return text;
  }
  WrongType(Info(field).letter, "a number, a string with a unit or a pint Quantity", value);
}

std::string OptionText(const char* keyword, py::handle value, bool numbers) {
  if (value.is_none()) return {};
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  if (numbers) {
    if (auto text = NumberText(value)) return *text;
    WrongType(keyword, "a number", value);
  }
  WrongType(keyword, "a name", value);
}

OptionKeywords DefaultOptionKeywords() {
  const DesignOptions defaults;
  return {py::arg("head") = std::string(Name(defaults.head)),
          py::arg("plate_step") = std::string(Name(defaults.step)),
          py::arg("density") = defaults.density,
          py::arg("orientation") = std::string(Name(defaults.orientation)),
          py::arg("cost_index") = defaults.costIndex,
          py::arg("material_factor") = defaults.materialFactor};
}

cli::OptionTexts OptionArguments::Texts() const {
  return {OptionText("head", head, false),
          OptionText("plate_step", plateStep, false),
          OptionText("density", density, true),
          OptionText("orientation", orientation, false),
          OptionText("cost_index", costIndex, true),
          OptionText("material_factor", materialFactor, true)};
}

cli::GivenValues ValueArguments::Read(DecimalMark mark) const {
  const std::array<const py::object*, 5> values = {&P, &C, &S, &E, &V};
  cli::GivenValues given;
  for (const Field field : kFields) {
    const auto f = static_cast<std::size_t>(field);
    // A decimal comma is a string's; a number has no decimal mark.
    const DecimalMark written = py::isinstance<py::str>(*values[f]) ? mark : DecimalMark::Point;
    if (const std::optional<std::string> text = ValueText(field, *values[f])) {
      given[f] = cli::ReadValue(field, *text, written, cli::Spelling::Keyword);
    }
  }
  return given;
}

}  // namespace brenmor::python
