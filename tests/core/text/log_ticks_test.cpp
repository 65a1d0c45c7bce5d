// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/text/log_ticks.h"

namespace dorix {
namespace {

// The ticks enclose the range at the logarithms of round values; each label
// keeps only the decimals it needs, and very large or small values go
// scientific on every tick, as on a linear axis. Empty: not checked.
TEST(LogarithmicAxis, EnclosesTheRangeAtRoundValuesLabelledWithTheirOwnDecimals) {
  const struct {
    double lo, hi;
    std::vector<double> values;
    std::vector<std::string> labels;
  } kCases[] = {
      {280, 360, {280, 300, 320, 340, 360}, {}},
      {5, 5, {5, 6, 7, 8, 9, 10}, {}},
      {0.5, 4, {0.5, 1, 2, 5}, {"0.5", "1", "2", "5"}},
      {4, 0.5, {0.5, 1, 2, 5}, {}},
      {0.012, 9.1, {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10}, {}},
      {0.001, 20, {0.001, 0.01, 0.1, 1, 10, 100}, {"0.001", "0.01", "0.1", "1", "10", "100"}},
      {1e-5, 1e-3, {}, {"0.00001", "0.00002", "0.00005", "0.0001", "0.0002", "0.0005", "0.001"}},
      {1e-8, 1e-4, {}, {"1E-08", "1E-07", "1E-06", "1E-05", "1E-04"}},
  };
  for (const auto& c : kCases) {
    const std::vector<AxisTick> ticks = LogarithmicTicks(c.lo, c.hi);
    std::vector<double> values;
    for (const AxisTick& tick : ticks) {
      values.push_back(tick.value);
      EXPECT_EQ(tick.at, std::log10(tick.value));
    }
    if (!c.values.empty()) {
      EXPECT_EQ(values, c.values) << c.lo << " to " << c.hi;
    }
    if (!c.labels.empty()) {
      EXPECT_EQ(LogarithmicTickLabels(ticks), c.labels);
    }
  }
}

}  // namespace
}  // namespace dorix
