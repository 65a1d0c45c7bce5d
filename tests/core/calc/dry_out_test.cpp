// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../solvers/profile_fixture.h"
#include "../solvers/wall_case.h"
#include "core/calc/calculation_run.h"

namespace dorix {
namespace {

using test::ProfileTest;
using test::WallOf;
using test::WallRun;

// The run's input record with another wall length, solved as Calculate
// solves it.
EvaporationResult SolveWithLength(const WallRun& run, double L) {
  std::vector<NamedValue> inputs;
  PropertySlots slots;
  RunContext context(SharedSetup(), slots, inputs);
  const std::optional<EvaporationRun> solved = RunEvaporation(run.Evaporation(), context);
  EXPECT_TRUE(solved);
  EvaporationInput in = solved->input;
  in.L = L;
  return SolveEvaporation(in);
}

// Evaporating films that vanish on the wall, from each law at the top: the
// report has no results, the profile shows where, and the closed-form
// dry-out point is where the solver's answer changes from a film to a dry
// wall, with Re down to nothing just above it.
TEST_F(ProfileTest, DryOutReportHasNoResultsAndTheProfileShowsWhere) {
  const WallRun kDryRuns[] = {
      {true, "1.0", "0.001"},
      {true, "1.0", "0.1"},
      {true, "1.0", "0.1", "1", "0.4", "0.001"},
      {true, "20", "1.0"},
      {true, "2", "1.0", "-0.22", "1"},
  };
  for (const WallRun& run : kDryRuns) {
    SCOPED_TRACE(testing::Message() << "L " << run.length << ", flow " << run.flowRate << ", n "
                                    << run.n << ", m " << run.m);
    EXPECT_EQ(run.Calculate(messages).status, CalculationOutcome::Status::kDryOut);
    const WallProfile profile = WallOf(run.Plot(messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(test::AllFinite(profile));
    ASSERT_TRUE(profile.xDry);
    const double xDry = *profile.xDry;
    EXPECT_GT(xDry, 0.0);
    EXPECT_LT(xDry, profile.L);
    EXPECT_FALSE(profile.ReL);
    EXPECT_FALSE(profile.hAvg);
    ASSERT_FALSE(profile.zones.empty());
    EXPECT_EQ(profile.zones.back().zone, WallZone::kDry);
    EXPECT_EQ(profile.zones.back().from, xDry);
    EXPECT_EQ(profile.zones.back().to, profile.L);
    for (const ProfilePoint& point : profile.points) {
      if (point.x < xDry) continue;
      EXPECT_EQ(point.zone, WallZone::kDry);
      EXPECT_EQ(point.Re, 0.0);
      EXPECT_FALSE(point.h);
    }

    const double Re0 = profile.points.front().Re;
    const EvaporationResult above = SolveWithLength(run, xDry * (1 - 1e-9));
    ASSERT_FALSE(above.dryOut);
    EXPECT_LT(above.ReL, 1e-4 * Re0);
    EXPECT_TRUE(SolveWithLength(run, xDry * (1 + 1e-9)).dryOut);
    // The profile's last film point lies just above the dry-out point.
    const auto last = std::find_if(profile.points.rbegin(), profile.points.rend(),
                                   [](const ProfilePoint& p) { return p.zone != WallZone::kDry; });
    ASSERT_NE(last, profile.points.rend());
    EXPECT_EQ(last->x, std::nextafter(xDry, 0.0));
    EXPECT_LT(last->Re, 1e-4 * Re0);
  }
}

}  // namespace
}  // namespace dorix
