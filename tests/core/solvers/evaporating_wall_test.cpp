// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/solvers/film_reference.h"
#include "film_fixtures.h"

namespace dorix {
namespace {

using test::WaterEvaporation;

struct Film {
  FilmScales scales;
  double Ja;
  double Re0;
  double hfgStar;
  EvaporatingFilm film;
};

Film FilmOf(const EvaporationInput& in) {
  const FilmScales scales = ComputeFilmScales(in.RhoL, in.MuL, in.PrL, in.Grav, in.coefficients);
  const double hfgStar = EvaporationEnthalpy(in.FluidNo, in.Hfg, in.CpL, in.PrL, in.Tsat, in.Tw);
  const double Ja = in.CpL * (in.Tw - in.Tsat) / hfgStar;
  const double Re0 = 4 * in.Gamma0 / in.MuL;
  return {scales, Ja, Re0, hfgStar, EvaporatingFilm(in.coefficients, scales, in.PrL, Ja, Re0)};
}

double RelativeDifference(double a, double b) {
  return std::abs(a - b) / std::abs(b);
}

// Films entering laminar, wavy-laminar and turbulent, with the power,
// logarithmic and exponential forms. With the fixture Re(wl) = 30 and
// Re(tur) ≈ 3520; Re_0 = 4·Γ0/μ with μ = 0.00026.
struct EvaporationCase {
  const char* name;
  double Gamma0;
  FilmRegime top;
  std::function<void(WallCorrelations&)> set = [](WallCorrelations&) {};
};

void PrintTo(const EvaporationCase& c, std::ostream* os) {
  *os << c.name;
}

const EvaporationCase kCases[] = {
    {"LaminarTop", 0.0015, FilmRegime::kLaminar},
    {"WavyTop", 0.1, FilmRegime::kWavyLaminar},
    {"WavyTopExponentOne", 0.1, FilmRegime::kWavyLaminar, [](WallCorrelations& k) { k.n = 1.0f; }},
    {"TurbulentTop", 0.5, FilmRegime::kTurbulent},
    {"TurbulentTopExponentsOne", 0.5, FilmRegime::kTurbulent,
     [](WallCorrelations& k) {
       k.n = 1.0f;
       k.m = 1.0f;
     }},
};

class EvaporatingWallLaws : public testing::TestWithParam<EvaporationCase> {
 protected:
  EvaporationInput Input(double L) const {
    EvaporationInput in = WaterEvaporation(L, GetParam().Gamma0);
    GetParam().set(in.coefficients);
    return in;
  }
  // Positions inside each regime the film crosses, before it dries out.
  std::vector<double> Positions(const EvaporatingFilm& film) const {
    const double xWl = film.xWl();
    const double xTur = film.xTur();
    const double dry = DryOutPosition(film);
    switch (GetParam().top) {
      case FilmRegime::kLaminar:
        return {0.1 * dry, 0.5 * dry};
      case FilmRegime::kWavyLaminar:
        return {0.5 * xWl, 0.5 * (xWl + dry)};
      case FilmRegime::kTurbulent:
        return {0.5 * xTur, 0.5 * (xTur + xWl), 0.5 * (xWl + dry)};
    }
    return {};
  }

  // Where the film's Reynolds number reaches zero, by bisection.
  static double DryOutPosition(const EvaporatingFilm& film) {
    double wet = std::max(film.xWl(), 0.0);
    double dry = wet + 1e-3;
    while (film.ReynoldsAt(dry)) dry *= 2;
    for (int i = 0; i < 200; ++i) {
      const double mid = 0.5 * (wet + dry);
      (film.ReynoldsAt(mid) ? wet : dry) = mid;
    }
    return wet;
  }
};

TEST_P(EvaporatingWallLaws, StartsInTheRegimeOfItsInitialReynoldsNumber) {
  EXPECT_EQ(FilmOf(Input(1.0)).film.TopRegime(), GetParam().top);
}

TEST_P(EvaporatingWallLaws, ReynoldsNumberIsContinuousAcrossTheTransitionsItCrosses) {
  const Film f = FilmOf(Input(1.0));
  auto across = [&](double x) {
    return RelativeDifference(*f.film.ReynoldsAt(std::nextafter(x, 0.0)), *f.film.ReynoldsAt(x));
  };
  if (GetParam().top == FilmRegime::kTurbulent) {
    EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(f.film.xTur()), f.scales.ReTur), 1e-12);
    EXPECT_LT(across(f.film.xTur()), 1e-9);
  }
  if (GetParam().top != FilmRegime::kLaminar) {
    // The laminar part restarts from Re(wl)^1.33333, whose rounded exponent
    // leaves a step of a few parts in a million.
    EXPECT_LT(across(f.film.xWl()), 1e-4);
  }
}

TEST_P(EvaporatingWallLaws, ReynoldsNumberFallsAsTheLocalNusseltLawsSay) {
  const EvaporationInput in = Input(1.0);
  const Film f = FilmOf(in);
  const double K = 4 * f.Ja / (in.PrL * f.scales.Lc);
  for (const double x : Positions(f.film)) {
    const double Re = *f.film.ReynoldsAt(x);
    const double slope = test::Slope([&](double y) { return *f.film.ReynoldsAt(y); }, x);
    EXPECT_LT(RelativeDifference(-slope, K * test::LocalNusselt(in.coefficients, in.PrL, Re)), 1e-4)
        << "at x = " << x;
  }
}

TEST_P(EvaporatingWallLaws, EvaporatedLiquidCarriesTheHeatThroughTheWall) {
  for (const double L : Positions(FilmOf(Input(1.0)).film)) {
    const EvaporationInput in = Input(L);
    const EvaporationResult r = SolveEvaporation(in);
    ASSERT_EQ(r.fault, SolveFault::kNone);
    ASSERT_FALSE(r.dryOut);
    EXPECT_DOUBLE_EQ(r.E, in.Gamma0 - r.GammaL);
    // hAvg·(Tw − Tsat)·L = E·hfg*
    EXPECT_LT(RelativeDifference(r.hAvg * (in.Tw - in.Tsat) * L, r.E * FilmOf(in).hfgStar), 1e-9);
  }
}

TEST_P(EvaporatingWallLaws, ALongWallDriesOut) {
  const EvaporationResult r = SolveEvaporation(Input(1e4));
  EXPECT_EQ(r.fault, SolveFault::kNone);
  EXPECT_TRUE(r.dryOut);
}

INSTANTIATE_TEST_SUITE_P(Films, EvaporatingWallLaws, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EvaporatingWallRegimes, ATopReynoldsNumberOnATransitionTakesTheRegimeBelowIt) {
  const EvaporationInput in = WaterEvaporation(1.0, 0.1);
  const Film f = FilmOf(in);
  const auto top = [&](double Re0) {
    return EvaporatingFilm(in.coefficients, f.scales, in.PrL, f.Ja, Re0).TopRegime();
  };
  EXPECT_EQ(top(f.scales.ReWl), FilmRegime::kWavyLaminar);
  EXPECT_EQ(top(std::nextafter(f.scales.ReWl, 0.0)), FilmRegime::kLaminar);
  EXPECT_EQ(top(f.scales.ReTur), FilmRegime::kTurbulent);
}

TEST(EvaporatingWallRegimes, AWallEndingAtTheLaminarTransitionRestartsFromReWlRounded) {
  const Film f = FilmOf(WaterEvaporation(1.0, 0.1));
  const EvaporationResult r = SolveEvaporation(WaterEvaporation(f.film.xWl(), 0.1));
  // (Re(wl)^1.33333)^0.75 lies a few parts in a million below Re(wl).
  EXPECT_LT(r.ReL, f.scales.ReWl);
  EXPECT_LT(RelativeDifference(r.ReL, f.scales.ReWl), 1e-4);
}

TEST(EvaporatingWallRegimes, ExponentOneFormsAreTheLimitOfThePowerForms) {
  for (const bool wavy : {true, false}) {
    auto solve = [&](float exponent) {
      EvaporationInput in = WaterEvaporation(wavy ? 5e-4 : 0.005, wavy ? 0.1 : 0.5);
      (wavy ? in.coefficients.n : in.coefficients.m) = exponent;
      const EvaporationResult r = SolveEvaporation(in);
      EXPECT_FALSE(r.dryOut);
      return r.ReL;
    };
    const double exact = solve(1.0f);
    const double below = solve(0.9999f);
    const double above = solve(1.0001f);
    const double oneSided =
        std::min(RelativeDifference(below, exact), RelativeDifference(above, exact));
    EXPECT_LT(oneSided, 1e-2) << (wavy ? "n" : "m");
    EXPECT_LT(RelativeDifference((below + above) / 2, exact), oneSided / 100) << (wavy ? "n" : "m");
  }
}

// Inputs that leave a formula undefined; zero A and B, checked by the film
// code both walls share, are rows of the condensing wall's table and of
// tests/cli/refusal_test.cpp.
struct UndefinedCase {
  const char* name;
  std::function<void(EvaporationInput&)> set;
  SolveFault fault;
};

void PrintTo(const UndefinedCase& c, std::ostream* os) {
  *os << c.name;
}

class EvaporatingWallUndefined : public testing::TestWithParam<UndefinedCase> {};

TEST_P(EvaporatingWallUndefined, IsRefusedWithItsReason) {
  EvaporationInput in = WaterEvaporation(1.0, 0.1);
  GetParam().set(in);
  EXPECT_EQ(SolveEvaporation(in).fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaporatingWallUndefined,
    testing::Values(UndefinedCase{"NegativeC", [](auto& in) { in.coefficients.C = -30; },
                                  SolveFault::kWavyTransitionNotPositive},
                    UndefinedCase{"ZeroD", [](auto& in) { in.coefficients.D = 0; },
                                  SolveFault::kTurbulentTransitionNotPositive},
                    UndefinedCase{"WallFarAboveSaturation",
                                  [](auto& in) { in.Tw = in.Tsat + 2000; },
                                  SolveFault::kModifiedEnthalpyNotPositive},
                    UndefinedCase{"TransitionOverflows",
                                  [](auto& in) {
                                    in.Gamma0 = 0.5;
                                    in.coefficients.m = -300;
                                  },
                                  SolveFault::kNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
