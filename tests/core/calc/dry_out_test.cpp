// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/calculation_run.h"
#include "../solvers/profile_fixture.h"
#include "../solvers/wall_case.h"

namespace dorix {
namespace {

using test::WallOf;
using test::WallRun;

// Evaporating films that vanish on the wall, from each law at the top.
struct DryCase {
  const char* name;
  WallRun run;
};

void PrintTo(const DryCase& c, std::ostream* os) {
  *os << c.name;
}

const DryCase kDryCases[] = {
    {"LaminarTop", {true, "1.0", "0.001"}},
    {"WavyTop", {true, "1.0", "0.1"}},
    {"WavyTopNIsOne", {true, "1.0", "0.1", "1", "0.4", "0.001"}},
    {"TurbulentTop", {true, "20", "1.0"}},
    {"TurbulentTopMIsOne", {true, "2", "1.0", "-0.22", "1"}},
};

class DryOut : public test::ProfileTest, public testing::WithParamInterface<DryCase> {
 protected:
  // The run's input record with another wall length, solved as Calculate
  // solves it.
  EvaporationResult SolveWithLength(double L) {
    std::vector<NamedValue> inputs;
    PropertySlots slots;
    RunContext context(SharedSetup(), slots, inputs);
    const std::optional<EvaporationRun> run = RunEvaporation(GetParam().run.Evaporation(), context);
    EXPECT_TRUE(run);
    EvaporationInput in = run->input;
    in.L = L;
    return SolveEvaporation(in);
  }
};

TEST_P(DryOut, ReportHasNoResultsAndTheProfileShowsWhere) {
  const WallRun& run = GetParam().run;
  EXPECT_EQ(run.Calculate(messages).status, CalculationOutcome::Status::kDryOut);
  const WallProfile profile = WallOf(run.Plot(messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(test::AllFinite(profile));
  ASSERT_TRUE(profile.xDry);
  EXPECT_GT(*profile.xDry, 0.0);
  EXPECT_LT(*profile.xDry, profile.L);
  EXPECT_FALSE(profile.ReL);
  EXPECT_FALSE(profile.hAvg);

  ASSERT_FALSE(profile.zones.empty());
  EXPECT_EQ(profile.zones.back().zone, WallZone::kDry);
  EXPECT_EQ(profile.zones.back().from, *profile.xDry);
  EXPECT_EQ(profile.zones.back().to, profile.L);
  for (const ProfilePoint& point : profile.points) {
    if (point.x < *profile.xDry) continue;
    EXPECT_EQ(point.zone, WallZone::kDry);
    EXPECT_EQ(point.Re, 0.0);
    EXPECT_FALSE(point.h);
  }
}

// The closed-form dry-out point is where the solver's answer changes from a
// film to a dry wall, with Re down to nothing just above it.
TEST_P(DryOut, PointIsWhereTheReynoldsNumberReachesZero) {
  const WallProfile profile = WallOf(GetParam().run.Plot(messages));
  const double xDry = *profile.xDry;
  const double Re0 = profile.points.front().Re;

  const EvaporationResult above = SolveWithLength(xDry * (1 - 1e-9));
  ASSERT_FALSE(above.dryOut);
  EXPECT_LT(above.ReL, 1e-4 * Re0);
  EXPECT_TRUE(SolveWithLength(xDry * (1 + 1e-9)).dryOut);

  // The profile's last film point lies just above the dry-out point.
  const auto last = std::find_if(profile.points.rbegin(), profile.points.rend(),
                                 [](const ProfilePoint& p) { return p.zone != WallZone::kDry; });
  ASSERT_NE(last, profile.points.rend());
  EXPECT_EQ(last->x, std::nextafter(xDry, 0.0));
  EXPECT_LT(last->Re, 1e-4 * Re0);
}

INSTANTIATE_TEST_SUITE_P(FromEachTopLaw, DryOut, testing::ValuesIn(kDryCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
