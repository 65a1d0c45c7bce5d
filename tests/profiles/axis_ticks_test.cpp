#include <gtest/gtest.h>

#include <vector>

#include "core/text/axis_ticks.h"

namespace dorix {
namespace {

std::vector<double> Values(const std::vector<AxisTick>& ticks) {
  std::vector<double> values;
  for (const AxisTick& tick : ticks) values.push_back(tick.value);
  return values;
}

struct TickCase {
  double lo;
  double hi;
  std::vector<double> ticks;
};

class LinearAxis : public testing::TestWithParam<TickCase> {};

TEST_P(LinearAxis, EnclosesTheRangeInRoundSteps) {
  const std::vector<AxisTick> ticks = LinearTicks(GetParam().lo, GetParam().hi);
  EXPECT_EQ(Values(ticks), GetParam().ticks);
  for (const AxisTick& tick : ticks) EXPECT_EQ(tick.at, tick.value);
}

INSTANTIATE_TEST_SUITE_P(Ranges, LinearAxis,
                         testing::Values(TickCase{0, 4781, {0, 1000, 2000, 3000, 4000, 5000}},
                                         TickCase{0, 0.0432, {0, 0.01, 0.02, 0.03, 0.04, 0.05}},
                                         TickCase{0, 8.3, {0, 2, 4, 6, 8, 10}},
                                         TickCase{0, 0, {0, 0.2, 0.4, 0.6, 0.8, 1}}));

TEST(WallAxis, EndsExactlyAtTheEndOfTheWall) {
  EXPECT_EQ(Values(TicksEndingAt(5)), (std::vector<double>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(Values(TicksEndingAt(2.5)), (std::vector<double>{0, 0.5, 1, 1.5, 2, 2.5}));
  EXPECT_EQ(Values(TicksEndingAt(2.9)), (std::vector<double>{0, 0.5, 1, 1.5, 2, 2.5, 2.9}));
  // A round tick close to the end gives way to it.
  EXPECT_EQ(Values(TicksEndingAt(2.75)), (std::vector<double>{0, 0.5, 1, 1.5, 2, 2.75}));
  EXPECT_EQ(Values(TicksEndingAt(1.7)),
            (std::vector<double>{0, 0.2, 0.4, 0.6, 0.8, 1, 1.2, 1.4, 1.7}));
}

TEST(DecadeAxis, PutsTicksOnPowersOfTen) {
  const std::vector<AxisTick> ticks = DecadeTicks(0.03, 4781);
  EXPECT_EQ(Values(ticks), (std::vector<double>{0.01, 0.1, 1, 10, 100, 1000, 10000}));
  EXPECT_EQ(ticks.front().at, -2);
  EXPECT_EQ(ticks.back().at, 4);
  // A wide range takes every other decade, and still covers it.
  const std::vector<AxisTick> wide = DecadeTicks(1e-6, 1e9);
  EXPECT_EQ(wide.size(), 9u);
  EXPECT_EQ(wide.front().at, -6);
  EXPECT_GE(wide.back().at, 9);
  // One value alone still spans a decade.
  EXPECT_EQ(Values(DecadeTicks(30, 30)), (std::vector<double>{10, 100}));
}

}  // namespace
}  // namespace dorix
