// What several test files share beyond the cubes: the names of
// parameterised tests, and the upper edges' stickers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/window_variant.h"
#include "solvers/methods.h"

namespace rq51::test {

// A window by its class name, a method by its window's short name.
inline std::string KindName(const ::testing::TestParamInfo<WindowKind>& info) {
  return std::string(VariantOf(info.param).class_name);
}
inline std::string MethodName(const ::testing::TestParamInfo<const Method*>& info) {
  return std::string(VariantOf(info.param->window).short_name);
}

// The stickers of the upper face's edges, which the upper stages place.
inline const std::vector<int> kUpperEdgeFacelets = {4, 33, 24, 31, 29, 49, 35, 40};

}  // namespace rq51::test
