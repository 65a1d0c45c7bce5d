// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/calc/calculation.h"
#include "core/props/property_file.h"
#include "core/state/module1.h"
#include "core/state/shared_calculation.h"
#include "film_fixtures.h"

namespace dorix {
namespace {

// Calculate runs against the delivered property file.
class WithPropertyFile : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetStartupState();
    const LoadResult loaded = LoadPropertyFile(DORIX_PROPERTY_FILE, Module1.Store);
    ASSERT_TRUE(loaded.ok) << loaded.message;
  }
  void SetUp() override { Module1.FluidNo = 1; }

  MessageRecorder messages;
};

// Without a selector entry the vapour temperature is zero: the wall's checks
// refuse it, and so does the tube row, where nothing else would.
TEST_F(WithPropertyFile, NoSelectorEntryIsRefused) {
  WallCondensationFields wall;
  wall.tempTypeIndex = kNoEntrySelected;
  EXPECT_EQ(CalculateWallCondensation(wall, messages).status, CalculationOutcome::Status::kRefused);
  TubeCondensationFields tube;
  tube.tempTypeIndex = kNoEntrySelected;
  EXPECT_EQ(CalculateTubeCondensation(tube, messages).status, CalculationOutcome::Status::kRefused);
  Module1.FluidNo = 4;  // a constant vapour specific heat: no range to fail
  tube.wallTemp = "500";
  EXPECT_EQ(CalculateTubeCondensation(tube, messages).status, CalculationOutcome::Status::kRefused);
  EXPECT_EQ(messages.messages,
            (std::vector<std::string>{
                "*** ERROR: Vapor temp. should be higher than Wall temp.",
                "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range.",
                "*** ERROR: No vapor temperature is chosen; select \"Vapor Temperature [K]\" or "
                "\"Use saturation temp [K]\"."}));
}

TEST_F(WithPropertyFile, EvaporationKeepsTheTypedSaturationTemperatureEvenWhenRefused) {
  EvaporationFields fields;
  fields.satTemp = "310";
  fields.wallTemp = "305";
  CalculateEvaporation(fields, messages);
  EXPECT_EQ(Module1.Tsat, 310.0);
}

// Alpha by fluid, seen in the liquid reference temperature at Tsat 300 K and
// Tw 400 K (set before the lookups, so also when a fluid's curves end below).
class ReferenceWeightByFluid : public WithPropertyFile,
                               public testing::WithParamInterface<std::pair<int, double>> {};

TEST_P(ReferenceWeightByFluid, PlacesTheLiquidReferenceTemperature) {
  Module1.FluidNo = GetParam().first;
  CalculateEvaporation(EvaporationFields{}, messages);
  EXPECT_NEAR(Module1.TlRef, GetParam().second, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Fluids, ReferenceWeightByFluid,
                         testing::Values(std::pair{1, 367.0}, std::pair{2, 339.0},
                                         std::pair{3, 350.0}, std::pair{4, 350.0},
                                         std::pair{5, 350.0}, std::pair{6, 350.0}));

// The film's sensible heat in hfg*: 0.35 for water and ammonia,
// 0.683 − 0.228/PrL for the others.
class SubcoolingWeightByFluid : public testing::TestWithParam<std::pair<int, double>> {};

TEST_P(SubcoolingWeightByFluid, EntersTheModifiedEnthalpy) {
  WallCondensationInput in = test::WaterWall(1.0);
  in.FluidNo = GetParam().first;
  const double weight = GetParam().second;
  const double expected = in.Hfg + weight * in.CpL * (in.Tsat - in.Tw) + in.CpV * (in.Tv - in.Tsat);
  EXPECT_NEAR(SolveWallCondensation(in).hfgStar, expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Fluids, SubcoolingWeightByFluid,
                         testing::Values(std::pair{1, 0.35}, std::pair{2, 0.35},
                                         std::pair{3, 0.683 - 0.228 / 2.7},
                                         std::pair{4, 0.683 - 0.228 / 2.7},
                                         std::pair{5, 0.683 - 0.228 / 2.7},
                                         std::pair{6, 0.683 - 0.228 / 2.7}));

}  // namespace
}  // namespace dorix
