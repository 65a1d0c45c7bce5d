// SPDX-License-Identifier: MIT
// A sweep reads its fixed fields once and formats their cells once: its rows
// are still those of single runs of the same texts.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../solvers/profile_fixture.h"
#include "core/sweep/sweep.h"
#include "core/sweep/sweep_table.h"

namespace dorix {
namespace {

TEST(SweepRows, AreTheRowsOfSingleRuns) {
  WallCondensationFields saturated;
  saturated.tempTypeIndex = kSaturationVaporTemperature;
  WallCondensationFields wallTempWithUnit;
  wallTempWithUnit.wallTemp = "40 degC";
  EvaporationFields dryingOut;
  dryingOut.wallTemp = "305";
  EvaporationFields badLength;
  badLength.length = "x";
  const std::pair<ProblemFields, SweepRange> kCases[] = {
      {WallCondensationFields{}, {"length", 5, 40, 8}},         // with range notes
      {WallCondensationFields{}, {"wall_temp", 250, 450, 21}},  // refused above saturation
      {saturated, {"pressure", 1e3, 3e6, 15, true}},
      {WallCondensationFields{}, {"A", 0.7, 0.822, 2}},  // from custom to its preset
      {TubeCondensationFields{}, {"tubes", 0, 10, 21}},
      {dryingOut, {"flow_rate", 0, 1.5, 7}},
      {badLength, {"flow_rate", 0.1, 1, 3}},  // a fixed field refuses every point
      {wallTempWithUnit, {"length", 0.1, 2, 5}},
  };
  CalculationSetup setup;
  setup.store = &test::DeliveredStore();
  for (const auto& [fields, range] : kCases) {
    SCOPED_TRACE(range.name);
    const SweepTable table(ProblemOf(fields));
    const FixedInputCells fixed = table.FixedCells(FixedFieldReadings(fields, range.name));
    long rows = 0;
    RunSweep(
        fields, range, setup, 2,
        [&](long, const ProblemFields& point, const CalculationOutcome& outcome) {
          return std::pair(table.CsvRow(point, outcome, fixed),
                           table.CsvRow(table.Point(point, Calculate(point, setup))));
        },
        [&](long, const std::vector<std::pair<std::string, std::string>>& chunk) {
          for (const auto& [swept, single] : chunk) EXPECT_EQ(swept, single);
          rows += static_cast<long>(chunk.size());
        });
    EXPECT_EQ(rows, range.count);
  }
}

}  // namespace
}  // namespace dorix
