// A whole list sized: brenmor.size_list(table, ...), a DataFrame or a CSV
// file in, a DataFrame with brenmor-size --csv's columns out.
#pragma once

#include <pybind11/pybind11.h>

namespace brenmor::python {

void BindTable(pybind11::module_& module);

}  // namespace brenmor::python
