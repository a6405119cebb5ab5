// One design sized: brenmor.size(...) and the Design it returns, whose
// dict is brenmor-size's JSON object, read back, so that the two cannot
// differ.
#pragma once

#include <pybind11/pybind11.h>

namespace brenmor::python {

void BindDesign(pybind11::module_& module);

}  // namespace brenmor::python
