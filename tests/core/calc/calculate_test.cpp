// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "../solvers/profile_fixture.h"
#include "core/state/module1.h"

namespace dorix {
namespace {

using test::ProfileTest;

// Without a selector entry the vapour temperature is zero: the wall's checks
// refuse it, and so does the tube row, where nothing else would.
TEST_F(ProfileTest, NoSelectorEntryIsRefused) {
  WallCondensationFields wall;
  wall.tempTypeIndex = kNoEntrySelected;
  EXPECT_EQ(CalculateWallCondensation(wall, messages).status, CalculationOutcome::Status::kRefused);
  TubeCondensationFields tube;
  tube.tempTypeIndex = kNoEntrySelected;
  EXPECT_EQ(CalculateTubeCondensation(tube, messages).status, CalculationOutcome::Status::kRefused);
  Module1.FluidNo = 4;  // a constant vapour heat capacity: no range to fail
  tube.wallTemp = "500";
  EXPECT_EQ(CalculateTubeCondensation(tube, messages).status, CalculationOutcome::Status::kRefused);
  EXPECT_EQ(messages.messages,
            (std::vector<std::string>{
                "*** ERROR: Vapor temp. should be higher than Wall temp.",
                "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range.",
                "*** ERROR: No vapor temperature is chosen; select \"Vapor Temperature [K]\" or "
                "\"Use saturation temp [K]\"."}));
}

TEST_F(ProfileTest, EvaporationKeepsTheTypedSaturationTemperatureEvenWhenRefused) {
  EvaporationFields fields;
  fields.satTemp = "310";
  fields.wallTemp = "305";
  CalculateEvaporation(fields, messages);
  EXPECT_EQ(Module1.Tsat, 310.0);
}

}  // namespace
}  // namespace dorix
