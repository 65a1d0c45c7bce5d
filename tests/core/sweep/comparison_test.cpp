// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "../solvers/profile_fixture.h"
#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/sweep/comparison.h"

namespace dorix {
namespace {

using Status = CalculationOutcome::Status;

// Comparisons against the delivered property file, water.
CalculationSetup WaterSetup() {
  CalculationSetup setup;
  setup.store = &test::DeliveredStore();
  return setup;
}

// Result `name` of the problem run on its own.
double Alone(const ProblemFields& fields, std::string_view name) {
  return test::ValueOf(Calculate(fields, WaterSetup()).results, name);
}

std::vector<std::string_view> Names(const Comparison& comparison) {
  std::vector<std::string_view> names;
  for (const ComparisonRow& row : comparison.rows) names.push_back(row.name);
  return names;
}

TEST(Comparison, WallRunsEveryPresetAsItsOwnCalculationWould) {
  WallCondensationFields fields;
  fields.length = "10";
  const Comparison comparison = Compare(fields, WaterSetup());
  EXPECT_EQ(comparison.choice, "preset");
  ASSERT_EQ(Names(comparison),
            (std::vector<std::string_view>{"default", "kutateladze-labuntsov", "nusselt-laminar"}));
  EXPECT_EQ(comparison.quantities[1], kCondensationRate);
  for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
    const ComparisonRow& row = comparison.rows[i];
    EXPECT_EQ(row.current, i == 0) << row.name;
    ASSERT_EQ(row.status, Status::kReport) << row.name;
    WallCondensationFields alone = fields;
    alone.coefficients = CorrelationPresets()[i].texts;
    EXPECT_EQ(row.values[0], Alone(alone, kReynoldsNumber)) << row.name;
    EXPECT_EQ(row.values[1], Alone(alone, kCondensationRate)) << row.name;
    EXPECT_EQ(row.values[2], Alone(alone, kHeatTransferCoefficient)) << row.name;
  }
  // Turbulent at 10 m: Labuntsov's law highest, the laminar film lowest.
  const double high = comparison.rows[1].values[2];
  const double low = comparison.rows[2].values[2];
  EXPECT_DOUBLE_EQ(*comparison.spread[2], high / low);
}

TEST(Comparison, OwnCoefficientsThatMatchNoPresetAreARowOfTheirOwn) {
  WallCondensationFields fields;
  fields.coefficients.B = "0.005";
  const Comparison comparison = Compare(fields, WaterSetup());
  ASSERT_EQ(comparison.rows.size(), CorrelationPresets().size() + 1);
  const ComparisonRow& custom = comparison.rows.back();
  EXPECT_EQ(custom.name, "custom");
  EXPECT_TRUE(custom.current);
  EXPECT_EQ(custom.values[2], Alone(fields, kHeatTransferCoefficient));
  for (std::size_t i = 0; i + 1 < comparison.rows.size(); ++i) {
    EXPECT_FALSE(comparison.rows[i].current);
  }
}

TEST(Comparison, TubeRowRunsBothRowFactors) {
  TubeCondensationFields fields;
  fields.numberOfTubes = "64";
  fields.rowFactor = RowFactor::kKern;
  const Comparison comparison = Compare(fields, WaterSetup());
  EXPECT_EQ(comparison.choice, "row_factor");
  ASSERT_EQ(Names(comparison), (std::vector<std::string_view>{"nusselt", "kern"}));
  EXPECT_FALSE(comparison.rows[0].current);
  EXPECT_TRUE(comparison.rows[1].current);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(*comparison.spread[i], std::pow(64.0, 1.0 / 12), 1e-12);
  }
}

// A film that dries out under some presets has no numbers there; the spread
// needs two rows with results.
TEST(Comparison, DriedOutRowsCarryTheNoteAndLeaveTheSpread) {
  EvaporationFields fields;
  fields.flowRate = "0.2";
  const Comparison thin = Compare(fields, WaterSetup());
  EXPECT_EQ(thin.quantities[1], kEvaporationRate);
  ASSERT_EQ(thin.rows.size(), 3u);
  EXPECT_EQ(thin.rows[0].status, Status::kDryOut);
  EXPECT_EQ(thin.rows[0].message, kDryOutNote);
  EXPECT_EQ(thin.rows[2].status, Status::kReport);
  EXPECT_FALSE(thin.spread[2].has_value());

  fields.flowRate = "0.3";
  const Comparison thick = Compare(fields, WaterSetup());
  ASSERT_TRUE(thick.spread[2].has_value());
  EXPECT_GT(*thick.spread[2], 1.0);
}

}  // namespace
}  // namespace dorix
