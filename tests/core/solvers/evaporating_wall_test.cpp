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
using test::WaterEvaporation;

struct Film {
  FilmScales scales;
  double Ja;
  double hfgStar;
  EvaporatingFilm film;
};

Film FilmOf(const EvaporationInput& in) {
  const FilmScales scales =
      ComputeFilmScales(in.film.RhoL, in.film.MuL, in.film.PrL, in.film.Grav, in.coefficients);
  const double hfgStar = EvaporationEnthalpy(in.film.FluidNo, in.film.Hfg, in.film.CpL, in.film.PrL,
                                             in.film.Tsat, in.Tw);
  const double Ja = in.film.CpL * (in.Tw - in.film.Tsat) / hfgStar;
  const double Re0 = 4 * in.Gamma0 / in.film.MuL;
  return {scales, Ja, hfgStar, EvaporatingFilm(in.coefficients, scales, in.film.PrL, Ja, Re0)};
}

// Where the film's Reynolds number reaches zero, by bisection.
double DryOutPosition(const EvaporatingFilm& film) {
  double wet = std::max(film.xWl(), 0.0);
  double dry = wet + 1e-3;
  while (film.ReynoldsAt(dry)) dry *= 2;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (wet + dry);
    (film.ReynoldsAt(mid) ? wet : dry) = mid;
  }
  return wet;
}

// Films entering laminar, wavy-laminar and turbulent, with the power,
// logarithmic and exponential forms. With the fixture Re(wl) = 30 and
// Re(tur) ≈ 3520; Re_0 = 4·Γ0/μ with μ = 0.00026.
struct EvaporationCase {
  double Gamma0;
  FilmRegime top;
  float n = -0.22f;
  float m = 0.4f;
};

const EvaporationCase kCases[] = {
    {0.0015, FilmRegime::kLaminar},
    {0.1, FilmRegime::kWavyLaminar},
    {0.1, FilmRegime::kWavyLaminar, 1.0f},
    {0.5, FilmRegime::kTurbulent},
    {0.5, FilmRegime::kTurbulent, 1.0f, 1.0f},
};

TEST(EvaporatingWall, FollowsItsLocalLawsAndBalancesItsHeat) {
  for (const EvaporationCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "Gamma0 " << c.Gamma0 << " n " << c.n << " m " << c.m);
    const auto input = [&](double L) {
      EvaporationInput in = WaterEvaporation(L, c.Gamma0);
      in.coefficients.n = c.n;
      in.coefficients.m = c.m;
      return in;
    };
    const EvaporationInput in = input(1.0);
    const Film f = FilmOf(in);
    EXPECT_EQ(f.film.TopRegime(), c.top);

    // Re is continuous across the transitions the film crosses; the laminar
    // law restarts from Re(wl)^1.33333, whose rounded exponent leaves a step
    // of a few millionths.
    const auto across = [&](double x) {
      return RelativeDifference(*f.film.ReynoldsAt(std::nextafter(x, 0.0)), *f.film.ReynoldsAt(x));
    };
    if (c.top == FilmRegime::kTurbulent) {
      EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(f.film.xTur()), f.scales.ReTur), 1e-12);
      EXPECT_LT(across(f.film.xTur()), 1e-9);
    }
    if (c.top != FilmRegime::kLaminar) {
      EXPECT_LT(across(f.film.xWl()), 1e-4);
    }

    // Positions inside each regime the film crosses, before it dries out.
    const double xWl = f.film.xWl();
    const double xTur = f.film.xTur();
    const double dry = DryOutPosition(f.film);
    std::vector<double> positions{0.1 * dry, 0.5 * dry};
    if (c.top == FilmRegime::kWavyLaminar) positions = {0.5 * xWl, 0.5 * (xWl + dry)};
    if (c.top == FilmRegime::kTurbulent)
      positions = {0.5 * xTur, 0.5 * (xTur + xWl), 0.5 * (xWl + dry)};

    const double K = 4 * f.Ja / (in.film.PrL * f.scales.Lc);
    for (const double x : positions) {
      // Re falls as the local Nusselt laws say.
      const double Re = *f.film.ReynoldsAt(x);
      const double slope = test::Slope([&](double y) { return *f.film.ReynoldsAt(y); }, x);
      EXPECT_LT(
          RelativeDifference(-slope, K * test::LocalNusselt(in.coefficients, in.film.PrL, Re)),
          1e-4)
          << "at x = " << x;
      // The evaporated liquid carries the heat through the wall:
      // hAvg·(Tw − Tsat)·L = E·hfg*.
      const EvaporationResult r = SolveEvaporation(input(x));
      ASSERT_EQ(r.fault, SolveFault::kNone);
      ASSERT_FALSE(r.dryOut);
      EXPECT_DOUBLE_EQ(r.E, c.Gamma0 - r.GammaL);
      EXPECT_LT(RelativeDifference(r.hAvg * (in.Tw - in.film.Tsat) * x, r.E * f.hfgStar), 1e-9);
    }
    const EvaporationResult longWall = SolveEvaporation(input(1e4));
    EXPECT_EQ(longWall.fault, SolveFault::kNone);
    EXPECT_TRUE(longWall.dryOut);
  }
}

TEST(EvaporatingWall, ATopReynoldsNumberOnATransitionTakesTheRegimeBelowIt) {
  const EvaporationInput in = WaterEvaporation(1.0, 0.1);
  const Film f = FilmOf(in);
  const auto top = [&](double Re0) {
    return EvaporatingFilm(in.coefficients, f.scales, in.film.PrL, f.Ja, Re0).TopRegime();
  };
  EXPECT_EQ(top(f.scales.ReWl), FilmRegime::kWavyLaminar);
  EXPECT_EQ(top(std::nextafter(f.scales.ReWl, 0.0)), FilmRegime::kLaminar);
  EXPECT_EQ(top(f.scales.ReTur), FilmRegime::kTurbulent);
  // A wall ending at the laminar transition restarts from Re(wl) rounded:
  // (Re(wl)^1.33333)^0.75 lies a few millionths below Re(wl).
  const EvaporationResult r = SolveEvaporation(WaterEvaporation(f.film.xWl(), 0.1));
  EXPECT_LT(r.ReL, f.scales.ReWl);
  EXPECT_LT(RelativeDifference(r.ReL, f.scales.ReWl), 1e-4);
}

// Inputs that leave a formula undefined; of the coefficient checks both walls
// share, one row shows the evaporating film makes them (the others are rows
// of the condensing wall's table and of tests/cli/run_calc_test.cpp).
TEST(EvaporatingWall, RefusesUndefinedInputsWithTheirReason) {
  const std::pair<std::function<void(EvaporationInput&)>, SolveFault> kCases[] = {
      {[](auto& in) { in.coefficients.D = 0; }, SolveFault::kTurbulentTransitionNotPositive},
      {[](auto& in) { in.Tw = in.film.Tsat + 2000; }, SolveFault::kModifiedEnthalpyNotPositive},
      {[](auto& in) { in.Gamma0 = 0.5, in.coefficients.m = -300; }, SolveFault::kNotFinite},
  };
  for (const auto& [set, fault] : kCases) {
    EvaporationInput in = WaterEvaporation(1.0, 0.1);
    set(in);
    EXPECT_EQ(SolveEvaporation(in).fault, fault);
  }
}

}  // namespace
}  // namespace dorix
