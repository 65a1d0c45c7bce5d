// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/solvers/film_reference.h"
#include "film_fixtures.h"

namespace dorix {
namespace {

using test::RelativeDifference;
using test::WaterWall;

struct Film {
  FilmScales scales;
  double Ja;
  CondensingFilm film;
};

Film FilmOf(const WallCondensationInput& in) {
  const FilmScales scales =
      ComputeFilmScales(in.film.RhoL, in.film.MuL, in.film.PrL, in.film.Grav, in.coefficients);
  const double hfgStar = CondensationEnthalpy(in.film.FluidNo, in.film.Hfg, in.film.CpL,
                                              in.film.PrL, in.CpV, in.film.Tsat, in.Tw, in.Tv);
  const double Ja = in.film.CpL * (in.film.Tsat - in.Tw) / hfgStar;
  return {scales, Ja, CondensingFilm(in.coefficients, scales, in.film.PrL, Ja)};
}

// Coefficient sets that exercise the power, logarithmic and exponential
// forms: the panel's defaults, n = 1, m = 1, n > 0 and Prandtl-dependent
// transitions.
const std::function<void(WallCorrelations&)> kCoefficientSets[] = {
    [](WallCorrelations&) {},
    [](WallCorrelations& k) { k.n = 1.0f; },
    [](WallCorrelations& k) { k.m = 1.0f; },
    [](WallCorrelations& k) { k.n = 0.5f; },
    [](WallCorrelations& k) { k.v = 0.3f, k.D = 4000.0f, k.w = -0.5f, k.s = 0.3f; },
};

TEST(CondensingWall, FollowsItsLocalLawsAndBalancesItsHeat) {
  for (std::size_t set = 0; set < std::size(kCoefficientSets); ++set) {
    SCOPED_TRACE(testing::Message() << "coefficient set " << set);
    const auto input = [&](double L) {
      WallCondensationInput in = WaterWall(L);
      kCoefficientSets[set](in.coefficients);
      return in;
    };
    const WallCondensationInput in = input(1.0);
    const Film f = FilmOf(in);
    const double xWl = f.film.xWl();
    const double xTur = f.film.xTur();
    ASSERT_LT(xWl, xTur);
    // Exactly at a transition the downstream law starts from its Reynolds
    // number; just upstream, the laminar law meets Re(wl) within the rounding
    // of its constants 0.333333 and 1.333333, the wavy law meets Re(tur) closely.
    EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(xWl), f.scales.ReWl), 1e-13);
    EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(xTur), f.scales.ReTur), 1e-12);
    EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(std::nextafter(xWl, 0.0)), f.scales.ReWl),
              1e-5);
    EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(std::nextafter(xTur, 0.0)), f.scales.ReTur),
              1e-9);

    // Re grows as the local Nusselt laws say.
    const double K = 4 * f.Ja / (in.film.PrL * f.scales.Lc);
    for (const double x : {0.3 * xWl, 0.5 * (xWl + xTur), 1.5 * xTur}) {
      const double Re = *f.film.ReynoldsAt(x);
      const double slope = test::Slope([&](double y) { return *f.film.ReynoldsAt(y); }, x);
      EXPECT_LT(RelativeDifference(slope, K * test::LocalNusselt(in.coefficients, in.film.PrL, Re)),
                1e-4)
          << "at x = " << x;
    }

    // The condensate carries the heat through the wall: h·(Tsat − Tw)·L = Γ·hfg*.
    for (const double L : {0.5 * xWl, xWl, 0.5 * (xWl + xTur), xTur, 3 * xTur}) {
      const WallCondensationResult r = SolveWallCondensation(input(L));
      ASSERT_EQ(r.fault, SolveFault::kNone);
      EXPECT_LT(RelativeDifference(r.h * (in.film.Tsat - in.Tw) * L, r.Gamma * r.hfgStar), 1e-12);
      EXPECT_DOUBLE_EQ(r.Gamma, in.film.MuL * r.ReL / 4);
    }
  }
}

// The forms for an exponent of exactly 1 are the limit of the power forms,
// on both films: the mean of the two sides cancels the first-order
// difference, so it lies far closer than either side.
TEST(WallFilms, ExponentOneFormsAreTheLimitOfThePowerForms) {
  const auto condensing = [](bool wavy, float exponent) {
    WallCondensationInput in = WaterWall(1.0);
    (wavy ? in.coefficients.n : in.coefficients.m) = exponent;
    const CondensingFilm film = FilmOf(in).film;
    in.L = wavy ? (film.xWl() + film.xTur()) / 2 : film.xTur() + 0.05;
    return SolveWallCondensation(in).ReL;
  };
  const auto evaporating = [](bool wavy, float exponent) {
    EvaporationInput in = test::WaterEvaporation(wavy ? 5e-4 : 0.005, wavy ? 0.1 : 0.5);
    (wavy ? in.coefficients.n : in.coefficients.m) = exponent;
    const EvaporationResult r = SolveEvaporation(in);
    EXPECT_FALSE(r.dryOut);
    return r.ReL;
  };
  const auto expectLimit = [](const char* film, auto solve) {
    for (const bool wavy : {true, false}) {
      SCOPED_TRACE(testing::Message() << film << (wavy ? " film, n" : " film, m"));
      const double exact = solve(wavy, 1.0f);
      const double below = solve(wavy, 0.9999f);
      const double above = solve(wavy, 1.0001f);
      const double oneSided =
          std::min(RelativeDifference(below, exact), RelativeDifference(above, exact));
      EXPECT_LT(oneSided, 1e-2);
      EXPECT_LT(RelativeDifference((below + above) / 2, exact), oneSided / 100);
    }
  };
  expectLimit("condensing", condensing);
  expectLimit("evaporating", evaporating);
}

TEST(CondensingWall, AWallEndingOnATransitionTakesTheDownstreamRegime) {
  const Film f = FilmOf(WaterWall(1.0));
  const WallCondensationResult atWavy = SolveWallCondensation(WaterWall(f.film.xWl()));
  EXPECT_EQ(atWavy.regime, FilmRegime::kWavyLaminar);
  EXPECT_LT(RelativeDifference(atWavy.ReL, f.scales.ReWl), 1e-13);
  const WallCondensationResult atTurbulent = SolveWallCondensation(WaterWall(f.film.xTur()));
  EXPECT_EQ(atTurbulent.regime, FilmRegime::kTurbulent);
  EXPECT_LT(RelativeDifference(atTurbulent.ReL, f.scales.ReTur), 1e-12);
  EXPECT_EQ(SolveWallCondensation(WaterWall(std::nextafter(f.film.xWl(), 0.0))).regime,
            FilmRegime::kLaminar);
}

TEST(CondensingWall, TurbulenceBelowTheWavyTransitionFollowsTheLaminarFilm) {
  WallCondensationInput in = WaterWall(1.0);
  in.coefficients.D = 10.0f;  // Re(tur) below Re(wl) = 30
  const Film f = FilmOf(in);
  ASSERT_LT(f.film.xTur(), f.film.xWl());
  EXPECT_EQ(f.film.RegimeAt(0.99 * f.film.xWl()), FilmRegime::kLaminar);
  EXPECT_EQ(f.film.RegimeAt(f.film.xWl()), FilmRegime::kTurbulent);
  in.L = 2 * f.film.xWl();
  EXPECT_EQ(SolveWallCondensation(in).regime, FilmRegime::kTurbulent);
}

// Inputs that leave a formula undefined are refused with their reason; the
// faults a window's input reaches are checked with their messages in
// tests/cli/run_calc_test.cpp (zero length, A, B or C, a runaway turbulent film).
TEST(CondensingWall, RefusesUndefinedInputsWithTheirReason) {
  const std::pair<std::function<void(WallCondensationInput&)>, SolveFault> kCases[] = {
      {[](auto& in) { in.L = -1; }, SolveFault::kLengthNotPositive},
      {[](auto& in) { in.coefficients.D = -5800; }, SolveFault::kTurbulentTransitionNotPositive},
      // Mercury's subcooling weight 0.683 − 0.228/0.02 is below zero.
      {[](auto& in) {
         in.film.FluidNo = 4, in.film.PrL = 0.02, in.film.CpL = 140, in.film.Hfg = 290000,
         in.Tw = 100;
       },
       SolveFault::kModifiedEnthalpyNotPositive},
      {[](auto& in) { in.coefficients.n = -200; }, SolveFault::kNotFinite},
  };
  for (const auto& [set, fault] : kCases) {
    WallCondensationInput in = WaterWall(1.0);
    set(in);
    EXPECT_EQ(SolveWallCondensation(in).fault, fault);
  }
}

}  // namespace
}  // namespace dorix
