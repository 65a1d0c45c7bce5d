// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "film_fixtures.h"

namespace dorix {
namespace {

using test::WaterTubes;

// Water, Tv 400 K, Tw 300 K, D 0.1 m with round property values: the
// published figures of five tubes and of one.
TEST(TubeRow, WorkedCaseGivesThePublishedFigures) {
  const struct {
    double N, h, m, Re;  // h in W/m² K, m in kg/m s
  } kCases[] = {{5, 3307.6, 0.15689, 747.08}, {1, 4946.1, 0.04692, 223.43}};
  for (const auto& expected : kCases) {
    const TubeCondensationResult r = SolveTubeCondensation(WaterTubes(expected.N));
    ASSERT_EQ(r.fault, SolveFault::kNone);
    EXPECT_NEAR(r.hfgStar, 2421494, 0.5);
    EXPECT_NEAR(r.h, expected.h, 0.05) << expected.N << " tubes";
    EXPECT_NEAR(r.m, expected.m, 0.000005) << expected.N << " tubes";
    EXPECT_NEAR(r.Re, expected.Re, 0.005) << expected.N << " tubes";
  }
}

// Nusselt's row factor takes h as N^(-1/4) of one tube's, Kern's as
// N^(-1/6); the rate and Re follow the coefficient, and fractional counts
// are used as given. Kern's single tube is Nusselt's bit for bit.
TEST(TubeRow, RowFactorsScaleTheSingleTubeByTheirPowerOfN) {
  const TubeCondensationResult one = SolveTubeCondensation(WaterTubes(1));
  for (const double N : {1.0, 2.5, 5.0, 16.0, 20.0, 64.0}) {
    const TubeCondensationResult nusselt = SolveTubeCondensation(WaterTubes(N));
    TubeCondensationInput in = WaterTubes(N);
    in.rowFactor = RowFactor::kKern;
    const TubeCondensationResult kern = SolveTubeCondensation(in);
    ASSERT_EQ(kern.fault, SolveFault::kNone);
    EXPECT_NEAR(nusselt.h / one.h, std::pow(N, -0.25), 1e-12) << N;
    EXPECT_NEAR(nusselt.m / one.m, std::pow(N, 0.75), 1e-12) << N;
    EXPECT_NEAR(kern.h / one.h, std::pow(N, -1.0 / 6), 1e-12) << N;
    EXPECT_NEAR(kern.m / nusselt.m, std::pow(N, 1.0 / 12), 1e-12) << N;
    EXPECT_NEAR(kern.Re / nusselt.Re, std::pow(N, 1.0 / 12), 1e-12) << N;
  }
  TubeCondensationInput in = WaterTubes(1);
  in.rowFactor = RowFactor::kKern;
  const TubeCondensationResult kern = SolveTubeCondensation(in);
  EXPECT_EQ(std::tie(kern.h, kern.m, kern.Re), std::tie(one.h, one.m, one.Re));
}

// Vapour below saturation lowers hfg* and is accepted (so cold that hfg*
// vanishes, it is refused: a row of tests/cli/run_calc_test.cpp).
TEST(TubeRow, VapourBelowSaturationLowersHfgStar) {
  TubeCondensationInput in = WaterTubes(5);
  in.Tv = 350;
  const TubeCondensationResult r = SolveTubeCondensation(in);
  EXPECT_EQ(r.fault, SolveFault::kNone);
  EXPECT_LT(r.hfgStar, SolveTubeCondensation(WaterTubes(5)).hfgStar);
}

}  // namespace
}  // namespace dorix
