// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/text/log_ticks.h"

namespace dorix {
namespace {

struct LogCase {
  const char* name;
  double lo;
  double hi;
  std::vector<double> values;
};

void PrintTo(const LogCase& c, std::ostream* os) {
  *os << c.name;
}

class LogarithmicAxis : public testing::TestWithParam<LogCase> {};

TEST_P(LogarithmicAxis, EnclosesTheRangeAtTheLogarithmsOfRoundValues) {
  const LogCase& c = GetParam();
  const std::vector<AxisTick> ticks = LogarithmicTicks(c.lo, c.hi);
  std::vector<double> values;
  for (const AxisTick& tick : ticks) {
    values.push_back(tick.value);
    EXPECT_EQ(tick.at, std::log10(tick.value));
  }
  EXPECT_EQ(values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, LogarithmicAxis,
    testing::Values(LogCase{"NarrowAsALinearAxis", 280, 360, {280, 300, 320, 340, 360}},
                    LogCase{"OneValue", 5, 5, {5, 6, 7, 8, 9, 10}},
                    LogCase{"WithinADecade", 0.5, 4, {0.5, 1, 2, 5}},
                    LogCase{
                        "ThreeDecades", 0.012, 9.1, {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10}},
                    LogCase{"Descending", 4, 0.5, {0.5, 1, 2, 5}},
                    LogCase{"ManyDecades", 0.001, 20, {0.001, 0.01, 0.1, 1, 10, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix

namespace dorix {
namespace {

struct LabelCase {
  const char* name;
  double lo;
  double hi;
  std::vector<std::string> labels;
};

class LogarithmicLabels : public testing::TestWithParam<LabelCase> {};

// Each tick keeps only the decimals it needs; very large or small values go
// scientific on every tick, as on a linear axis.
TEST_P(LogarithmicLabels, EachTickWithTheDecimalsItNeeds) {
  const LabelCase& c = GetParam();
  EXPECT_EQ(LogarithmicTickLabels(LogarithmicTicks(c.lo, c.hi)), c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, LogarithmicLabels,
    testing::Values(
        LabelCase{"ManyDecades", 0.001, 20, {"0.001", "0.01", "0.1", "1", "10", "100"}},
        LabelCase{"WithinADecade", 0.5, 4, {"0.5", "1", "2", "5"}},
        LabelCase{"SmallButPlain",
                  1e-5,
                  1e-3,
                  {"0.00001", "0.00002", "0.00005", "0.0001", "0.0002", "0.0005", "0.001"}},
        LabelCase{"Scientific", 1e-8, 1e-4, {"1E-08", "1E-07", "1E-06", "1E-05", "1E-04"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
