// SPDX-License-Identifier: MIT
// A sweep reads its fixed fields once and formats their cells once: its rows
// are still those of single runs of the same texts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/props/property_file.h"
#include "core/sweep/sweep.h"
#include "core/sweep/sweep_table.h"

namespace dorix {
namespace {

struct RowCase {
  const char* name;
  ProblemFields fields;
  SweepRange range;
};

void PrintTo(const RowCase& c, std::ostream* os) {
  *os << c.name;
}

template <typename Fields, typename Edit>
ProblemFields Edited(Edit edit) {
  Fields fields;
  edit(fields);
  return fields;
}

class SweepRows : public testing::TestWithParam<RowCase> {
 protected:
  static void SetUpTestSuite() {
    store_ = std::make_unique<PropertyStore>();
    const LoadResult loaded = LoadPropertyFile(DORIX_PROPERTY_FILE, *store_);
    ASSERT_TRUE(loaded.ok) << loaded.message;
  }

  static std::unique_ptr<PropertyStore> store_;
};

std::unique_ptr<PropertyStore> SweepRows::store_;

TEST_P(SweepRows, AreTheRowsOfSingleRuns) {
  const RowCase& c = GetParam();
  const SweepTable table(ProblemOf(c.fields));
  const FixedInputCells fixed = table.FixedCells(FixedFieldReadings(c.fields, c.range.name));
  CalculationSetup setup;
  setup.store = store_.get();
  long rows = 0;
  RunSweep(
      c.fields, c.range, setup, 2,
      [&](long, const ProblemFields& point, const CalculationOutcome& outcome) {
        return std::pair(table.CsvRow(point, outcome, fixed),
                         table.CsvRow(table.Point(point, Calculate(point, setup))));
      },
      [&](long, const std::vector<std::pair<std::string, std::string>>& chunk) {
        for (const auto& [swept, single] : chunk) EXPECT_EQ(swept, single);
        rows += static_cast<long>(chunk.size());
      });
  EXPECT_EQ(rows, c.range.count);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, SweepRows,
    testing::Values(
        RowCase{"WallLengthWithRangeNotes", WallCondensationFields{}, {"length", 5, 40, 8}},
        RowCase{"WallTemperatureRefusedAboveSaturation",
                WallCondensationFields{},
                {"wall_temp", 250, 450, 21}},
        RowCase{"SaturatedPressureLogarithmic",
                Edited<WallCondensationFields>([](auto& f) {
                  f.tempTypeIndex = kSaturationVaporTemperature;
                }),
                {"pressure", 1e3, 3e6, 15, true}},
        RowCase{"CoefficientFromCustomToItsPreset", WallCondensationFields{}, {"A", 0.7, 0.822, 2}},
        RowCase{"FractionalTubes", TubeCondensationFields{}, {"tubes", 0, 10, 21}},
        RowCase{"EvaporationDryingOut",
                Edited<EvaporationFields>([](auto& f) { f.wallTemp = "305"; }),
                {"flow_rate", 0, 1.5, 7}},
        RowCase{"FixedFieldRefusesEveryPoint",
                Edited<EvaporationFields>([](auto& f) { f.length = "x"; }),
                {"flow_rate", 0.1, 1, 3}},
        RowCase{"FixedFieldWithAUnit",
                Edited<WallCondensationFields>([](auto& f) { f.wallTemp = "40 degC"; }),
                {"length", 0.1, 2, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
