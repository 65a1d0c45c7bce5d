// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/text/axis_ticks.h"
#include "core/text/log_ticks.h"

namespace dorix {
namespace {

using Values = std::vector<double>;
using Labels = std::vector<std::string>;

Values ValuesOf(const std::vector<AxisTick>& ticks) {
  Values values;
  for (const AxisTick& tick : ticks) values.push_back(tick.value);
  return values;
}

TEST(LinearAxis, EnclosesTheRangeInRoundSteps) {
  const std::pair<std::pair<double, double>, Values> kCases[] = {
      {{0, 4781}, {0, 1000, 2000, 3000, 4000, 5000}},
      {{0, 0.0432}, {0, 0.01, 0.02, 0.03, 0.04, 0.05}},
      {{0, 8.3}, {0, 2, 4, 6, 8, 10}},
      {{0, 0}, {0, 0.2, 0.4, 0.6, 0.8, 1}},
  };
  for (const auto& [range, values] : kCases) {
    const std::vector<AxisTick> ticks = LinearTicks(range.first, range.second);
    EXPECT_EQ(ValuesOf(ticks), values);
    for (const AxisTick& tick : ticks) EXPECT_EQ(tick.at, tick.value);
  }
}

TEST(WallAxis, EndsExactlyAtTheEndOfTheWall) {
  EXPECT_EQ(ValuesOf(TicksEndingAt(5)), (Values{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(ValuesOf(TicksEndingAt(2.5)), (Values{0, 0.5, 1, 1.5, 2, 2.5}));
  EXPECT_EQ(ValuesOf(TicksEndingAt(2.9)), (Values{0, 0.5, 1, 1.5, 2, 2.5, 2.9}));
  // A round tick close to the end gives way to it.
  EXPECT_EQ(ValuesOf(TicksEndingAt(2.75)), (Values{0, 0.5, 1, 1.5, 2, 2.75}));
  EXPECT_EQ(ValuesOf(TicksEndingAt(1.7)), (Values{0, 0.2, 0.4, 0.6, 0.8, 1, 1.2, 1.4, 1.7}));
}

TEST(DecadeAxis, PutsTicksOnPowersOfTenLabelledAsSuch) {
  const std::vector<AxisTick> ticks = DecadeTicks(0.03, 4781);
  EXPECT_EQ(ValuesOf(ticks), (Values{0.01, 0.1, 1, 10, 100, 1000, 10000}));
  EXPECT_EQ(ticks.front().at, -2);
  EXPECT_EQ(ticks.back().at, 4);
  // A wide range takes every other decade, and still covers it.
  const std::vector<AxisTick> wide = DecadeTicks(1e-6, 1e9);
  EXPECT_EQ(wide.size(), 9u);
  EXPECT_EQ(wide.front().at, -6);
  EXPECT_GE(wide.back().at, 9);
  // One value alone still spans a decade.
  EXPECT_EQ(ValuesOf(DecadeTicks(30, 30)), (Values{10, 100}));
  // Each tick is labelled as its power of ten.
  EXPECT_EQ(DecadeLabels(ticks), (Labels{"10\u207B\u00B2", "10\u207B\u00B9", "10\u2070", "10\u00B9",
                                         "10\u00B2", "10\u00B3", "10\u2074"}));
  EXPECT_EQ(DecadeLabels(DecadeTicks(1e-12, 1e-10)).front(), "10\u207B\u00B9\u00B2");
}

TEST(TickLabels, WriteEveryTickInOneNotationWithTheSameDecimals) {
  const std::pair<Values, Labels> kCases[] = {
      {{0, 1, 2, 3}, {"0", "1", "2", "3"}},
      {{0, 1000, 2000, 3000}, {"0", "1000", "2000", "3000"}},
      {{0, 0.01, 0.02, 0.03}, {"0.00", "0.01", "0.02", "0.03"}},
      {{0, 0.5, 1, 1.5, 2, 2.75}, {"0.00", "0.50", "1.00", "1.50", "2.00", "2.75"}},
      {{-3000, -2000, -1000, 0}, {"-3000", "-2000", "-1000", "0"}},
      {{0, 0.0005, 0.001, 0.0015}, {"0.0000", "0.0005", "0.0010", "0.0015"}},
      {{0, 0.0002, 0.0004, 0.0006}, {"0E+00", "2E-04", "4E-04", "6E-04"}},
      {{0, 500000, 1000000, 1500000}, {"0.0E+00", "5.0E+05", "1.0E+06", "1.5E+06"}},
      {{0, 200000, 400000, 600000, 800000}, {"0", "200000", "400000", "600000", "800000"}},
  };
  for (const auto& [values, labels] : kCases) {
    std::vector<AxisTick> ticks;
    for (const double value : values) ticks.push_back({value, value});
    EXPECT_EQ(TickLabels(ticks), labels);
  }
  // The end of a wall as the user typed it: a length read from single
  // precision is not 0.3 exactly; an end that would need many decimals is
  // rounded, two digits finer than the steps.
  EXPECT_EQ(TickLabels(TicksEndingAt(0.3f)),
            (Labels{"0.00", "0.05", "0.10", "0.15", "0.20", "0.25", "0.30"}));
  EXPECT_EQ(TickLabels(TicksEndingAt(1.23456f)).back(), "1.235");
}

// Digits after the decimal point, of the mantissa in scientific notation.
std::size_t Decimals(const std::string& label) {
  const std::size_t point = label.find('.');
  if (point == std::string::npos) return 0;
  return std::min(label.find('E'), label.size()) - point - 1;
}

// Over a spread of axis ranges: the labels are distinct, all plain or all
// scientific, and all with the same number of decimals.
TEST(TickLabels, AreConsistentAndDistinctOverManyRanges) {
  for (const auto& [lo, hi] : {std::pair{0.0, 4781.0},
                               {0.0, 1.0},
                               {0.0, 2.9},
                               {0.0, 0.0432},
                               {-2625.0, 0.0},
                               {0.0, 3.3e-5},
                               {0.0, 2.5e7},
                               {0.0, 980000.0},
                               {0.0, 1.7},
                               {0.0, 12345.6}}) {
    std::vector<std::vector<AxisTick>> axes = {LinearTicks(lo, hi)};
    if (lo == 0 && hi > 0) axes.push_back(TicksEndingAt(hi));
    for (const std::vector<AxisTick>& ticks : axes) {
      const Labels labels = TickLabels(ticks);
      ASSERT_EQ(labels.size(), ticks.size());
      Labels sorted = labels;
      std::sort(sorted.begin(), sorted.end());
      EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
      const bool scientific = labels.front().find('E') != std::string::npos;
      const double span = ticks.back().value - ticks.front().value;
      for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].find('E') != std::string::npos, scientific) << labels[i];
        EXPECT_EQ(Decimals(labels[i]), Decimals(labels.front())) << labels[i];
        EXPECT_NEAR(std::stod(labels[i]), ticks[i].value, 1e-3 * span) << labels[i];
      }
    }
  }
}

// The ticks enclose the range at the logarithms of round values; each label
// keeps only the decimals it needs, and very large or small values go
// scientific on every tick, as on a linear axis. Empty: not checked.
TEST(LogarithmicAxis, EnclosesTheRangeAtRoundValuesLabelledWithTheirOwnDecimals) {
  const struct {
    double lo, hi;
    Values values;
    Labels labels;
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
    for (const AxisTick& tick : ticks) EXPECT_EQ(tick.at, std::log10(tick.value));
    if (!c.values.empty()) {
      EXPECT_EQ(ValuesOf(ticks), c.values) << c.lo << " to " << c.hi;
    }
    if (!c.labels.empty()) {
      EXPECT_EQ(LogarithmicTickLabels(ticks), c.labels);
    }
  }
}

}  // namespace
}  // namespace dorix
