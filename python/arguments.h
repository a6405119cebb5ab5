// Python's arguments as the texts brenmor-size reads: a number, a string
// with a unit or a pint Quantity for a value; a name or a number for an
// option. A value of any other type is a TypeError, said here; what a text
// means, and every problem with it, is the engine's.
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>

#include "brenmor/design/fields.h"
#include "inputs.h"

namespace brenmor::python {

namespace py = pybind11;

// A number as Python writes it, shortest and exact: the engine reads back
// the very double. Nothing when `value` is no number (True is none).
std::optional<std::string> NumberText(py::handle value);

// A design value: None when it is left out; a number in the field's base
// unit; a string as brenmor-size's NAME=VALUE reads it; a pint Quantity,
// converted by pint to the base unit, a pressure being taken as gauge.
std::optional<std::string> ValueText(Field field, py::handle value);

// An option's text: "" when it is None, a string as it is, a number as
// NumberText writes it (when `numbers`).
std::string OptionText(const char* keyword, py::handle value, bool numbers);

// The options' keywords, with their defaults from the engine, as a
// function's signature lists them.
struct OptionKeywords {
  py::arg_v head, plateStep, density, orientation, costIndex, materialFactor;
};
OptionKeywords DefaultOptionKeywords();

// The options' values as given.
struct OptionArguments {
  py::object head, plateStep, density, orientation, costIndex, materialFactor;
  cli::OptionTexts Texts() const;
};

// The five values' keywords: P, C, S, E and V, each None by default.
struct ValueArguments {
  py::object P, C, S, E, V;
  cli::GivenValues Read(DecimalMark mark) const;
};

}  // namespace brenmor::python
