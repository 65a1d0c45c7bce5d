// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/text/format_value.h"
#include "film_fixtures.h"

namespace dorix {
namespace {

using test::WaterTubes;

// Water, Tv 400 K, Tw 300 K, D 0.1 m with round property values.
struct WorkedCase {
  double N;
  double h;  // W/m² K
  double m;  // kg/m s
  double Re;
};

class TubeRowWorkedCase : public testing::TestWithParam<WorkedCase> {};

TEST_P(TubeRowWorkedCase, GivesThePublishedFigures) {
  const WorkedCase& expected = GetParam();
  const TubeCondensationResult r = SolveTubeCondensation(WaterTubes(expected.N));
  ASSERT_EQ(r.fault, SolveFault::kNone);
  EXPECT_NEAR(r.hfgStar, 2421494, 0.5);
  EXPECT_NEAR(r.h, expected.h, 0.05);
  EXPECT_NEAR(r.m, expected.m, 0.000005);
  EXPECT_NEAR(r.Re, expected.Re, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Rows, TubeRowWorkedCase,
                         testing::Values(WorkedCase{5, 3307.6, 0.15689, 747.08},
                                         WorkedCase{1, 4946.1, 0.04692, 223.43}));

TEST(TubeRow, WorkedCaseReportsRoundedFigures) {
  const TubeCondensationResult r = SolveTubeCondensation(WaterTubes(5));
  EXPECT_EQ(FormatValue(r.h), "3308.");
  EXPECT_EQ(FormatValue(r.m), "0.1569");
  EXPECT_EQ(FormatValue(r.Re), "747.1");
}

TEST(TubeRow, SixteenTubesHalveTheCoefficientAndCondenseEightTimesOneTube) {
  const TubeCondensationResult one = SolveTubeCondensation(WaterTubes(1));
  const TubeCondensationResult sixteen = SolveTubeCondensation(WaterTubes(16));
  EXPECT_DOUBLE_EQ(sixteen.h, one.h / 2);
  EXPECT_DOUBLE_EQ(sixteen.m, 8 * one.m);
}

TEST(TubeRow, FractionalTubeCountsAreUsedAsGiven) {
  const double h1 = SolveTubeCondensation(WaterTubes(1)).h;
  EXPECT_NEAR(SolveTubeCondensation(WaterTubes(2.5)).h, h1 * std::pow(2.5, -0.25), 1e-9);
}

TubeCondensationInput KernTubes(double N) {
  TubeCondensationInput in = WaterTubes(N);
  in.rowFactor = RowFactor::kKern;
  return in;
}

struct KernCase {
  double N;
  double ratio;  // Kern's h over Nusselt's: N^(1/4 - 1/6)
};

void PrintTo(const KernCase& c, std::ostream* os) {
  *os << "N " << c.N;
}

class KernRowFactor : public testing::TestWithParam<KernCase> {};

TEST_P(KernRowFactor, RaisesTheRowByNToTheTwelfth) {
  const double N = GetParam().N;
  const TubeCondensationResult nusselt = SolveTubeCondensation(WaterTubes(N));
  const TubeCondensationResult kern = SolveTubeCondensation(KernTubes(N));
  ASSERT_EQ(kern.fault, SolveFault::kNone);
  EXPECT_NEAR(kern.h / nusselt.h, GetParam().ratio, 5e-5);
  // The rate and Re follow the coefficient.
  EXPECT_NEAR(kern.m / nusselt.m, GetParam().ratio, 5e-5);
  EXPECT_NEAR(kern.Re / nusselt.Re, GetParam().ratio, 5e-5);
  EXPECT_NEAR(kern.h, SolveTubeCondensation(WaterTubes(1)).h * std::pow(N, -1.0 / 6), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, KernRowFactor,
                         testing::Values(KernCase{1, 1.0}, KernCase{2.5, 1.07935},
                                         KernCase{5, 1.14353}, KernCase{20, 1.28357},
                                         KernCase{64, 1.41421}));

TEST(TubeRow, KernsSingleTubeIsNusseltsBitForBit) {
  const TubeCondensationResult nusselt = SolveTubeCondensation(WaterTubes(1));
  const TubeCondensationResult kern = SolveTubeCondensation(KernTubes(1));
  EXPECT_EQ(kern.h, nusselt.h);
  EXPECT_EQ(kern.m, nusselt.m);
  EXPECT_EQ(kern.Re, nusselt.Re);
}

TEST(TubeRow, VapourBelowSaturationLowersHfgStarAndIsAccepted) {
  TubeCondensationInput in = WaterTubes(5);
  in.Tv = 350;
  const TubeCondensationResult r = SolveTubeCondensation(in);
  EXPECT_EQ(r.fault, SolveFault::kNone);
  EXPECT_LT(r.hfgStar, SolveTubeCondensation(WaterTubes(5)).hfgStar);
}

TEST(TubeRow, VapourSoColdThatHfgStarVanishesIsRefused) {
  TubeCondensationInput in = WaterTubes(5);
  in.Tv = -2000;  // CpV·(Tv − Tsat) outweighs Hfg
  EXPECT_EQ(SolveTubeCondensation(in).fault, SolveFault::kModifiedEnthalpyNotPositive);
}

}  // namespace
}  // namespace dorix
