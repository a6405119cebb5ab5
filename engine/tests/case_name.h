// Names each row of a table-driven test after its `name` member, so that a
// failure says which case broke.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};
