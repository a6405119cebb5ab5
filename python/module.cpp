// brenmor for Python: the engine of the window, the page and brenmor-size,
// with the same digits, one import away in a notebook.
#include <pybind11/pybind11.h>

#include "design.h"
#include "failure.h"
#include "table.h"

PYBIND11_MODULE(brenmor, module) {
  module.doc() =
      "Optimum size of a cylindrical pressure vessel: size() for one design, size_list() "
      "for a DataFrame or a CSV list, with the digits of the Brenmor window and brenmor-size.";
  // A value, an option or a list that cannot be taken, in the engine's words.
  pybind11::register_exception<brenmor::cli::Failure>(module, "InputError", PyExc_ValueError);
  brenmor::python::BindDesign(module);
  brenmor::python::BindTable(module);
}
