// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/solvers/film_reference.h"
#include "film_fixtures.h"

namespace dorix {
namespace {

using test::DefaultCorrelations;
using test::WaterWall;

struct Film {
  FilmScales scales;
  double Ja;
  CondensingFilm film;
};

Film FilmOf(const WallCondensationInput& in) {
  const FilmScales scales = ComputeFilmScales(in.RhoL, in.MuL, in.PrL, in.Grav, in.coefficients);
  const double hfgStar =
      CondensationEnthalpy(in.FluidNo, in.Hfg, in.CpL, in.PrL, in.CpV, in.Tsat, in.Tw, in.Tv);
  const double Ja = in.CpL * (in.Tsat - in.Tw) / hfgStar;
  return {scales, Ja, CondensingFilm(in.coefficients, scales, in.PrL, Ja)};
}

double RelativeDifference(double a, double b) {
  return std::abs(a - b) / std::abs(b);
}

// Coefficient sets that exercise the power, logarithmic and exponential forms.
struct Coefficients {
  const char* name;
  std::function<void(WallCorrelations&)> set;
};

void PrintTo(const Coefficients& c, std::ostream* os) {
  *os << c.name;
}

const Coefficients kCoefficientSets[] = {
    {"PanelDefaults", [](WallCorrelations&) {}},
    {"WavyExponentOne", [](WallCorrelations& k) { k.n = 1.0f; }},
    {"TurbulentExponentOne", [](WallCorrelations& k) { k.m = 1.0f; }},
    {"PositiveWavyExponent", [](WallCorrelations& k) { k.n = 0.5f; }},
    {"PrandtlDependentTransitions",
     [](WallCorrelations& k) {
       k.v = 0.3f;
       k.D = 4000.0f;
       k.w = -0.5f;
       k.s = 0.3f;
     }},
};

class CondensingWallLaws : public testing::TestWithParam<Coefficients> {
 protected:
  WallCondensationInput Input(double L) const {
    WallCondensationInput in = WaterWall(L);
    GetParam().set(in.coefficients);
    return in;
  }
};

TEST_P(CondensingWallLaws, ReynoldsNumberIsContinuousAcrossBothTransitions) {
  const Film f = FilmOf(Input(1.0));
  const double xWl = f.film.xWl();
  const double xTur = f.film.xTur();
  ASSERT_LT(xWl, xTur);
  // Exactly at a transition the downstream law starts from its Reynolds number.
  EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(xWl), f.scales.ReWl), 1e-13);
  EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(xTur), f.scales.ReTur), 1e-12);
  // Just upstream, the laminar law meets Re(wl) within the rounding of its
  // constants 0.333333 and 1.333333; the wavy law meets Re(tur) closely.
  EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(std::nextafter(xWl, 0.0)), f.scales.ReWl), 1e-5);
  EXPECT_LT(RelativeDifference(*f.film.ReynoldsAt(std::nextafter(xTur, 0.0)), f.scales.ReTur),
            1e-9);
}

TEST_P(CondensingWallLaws, ReynoldsNumberGrowsAsTheLocalNusseltLawsSay) {
  const WallCondensationInput in = Input(1.0);
  const Film f = FilmOf(in);
  const double K = 4 * f.Ja / (in.PrL * f.scales.Lc);
  const double xWl = f.film.xWl();
  const double xTur = f.film.xTur();
  for (const double x : {0.3 * xWl, 0.5 * (xWl + xTur), 1.5 * xTur}) {
    const double Re = *f.film.ReynoldsAt(x);
    const double slope = test::Slope([&](double y) { return *f.film.ReynoldsAt(y); }, x);
    EXPECT_LT(RelativeDifference(slope, K * test::LocalNusselt(in.coefficients, in.PrL, Re)), 1e-4)
        << "at x = " << x;
  }
}

TEST_P(CondensingWallLaws, CondensateCarriesTheHeatThroughTheWall) {
  const Film f = FilmOf(Input(1.0));
  for (const double L : {0.5 * f.film.xWl(), f.film.xWl(), 0.5 * (f.film.xWl() + f.film.xTur()),
                         f.film.xTur(), 3 * f.film.xTur()}) {
    const WallCondensationInput in = Input(L);
    const WallCondensationResult r = SolveWallCondensation(in);
    ASSERT_EQ(r.fault, SolveFault::kNone);
    // h·(Tsat − Tw)·L = Γ·hfg*
    EXPECT_LT(RelativeDifference(r.h * (in.Tsat - in.Tw) * L, r.Gamma * r.hfgStar), 1e-12);
    EXPECT_DOUBLE_EQ(r.Gamma, in.MuL * r.ReL / 4);
  }
}

INSTANTIATE_TEST_SUITE_P(CoefficientSets, CondensingWallLaws, testing::ValuesIn(kCoefficientSets),
                         [](const auto& info) { return std::string(info.param.name); });

// The forms for an exponent of exactly 1 are the limit of the power forms:
// the mean of the two sides cancels the first-order difference, so it lies
// far closer than either side.
struct ExponentOne {
  const char* name;
  std::function<void(WallCorrelations&, float)> set;
  std::function<double(const CondensingFilm&)> length;
};

void PrintTo(const ExponentOne& c, std::ostream* os) {
  *os << c.name;
}

class ExponentOneLimit : public testing::TestWithParam<ExponentOne> {};

TEST_P(ExponentOneLimit, MatchesTheMeanOfThePowerFormsOnEitherSide) {
  auto solve = [&](float exponent) {
    WallCondensationInput in = WaterWall(1.0);
    GetParam().set(in.coefficients, exponent);
    in.L = GetParam().length(FilmOf(in).film);
    return SolveWallCondensation(in).ReL;
  };
  const double exact = solve(1.0f);
  const double below = solve(0.9999f);
  const double above = solve(1.0001f);
  const double oneSided =
      std::min(RelativeDifference(below, exact), RelativeDifference(above, exact));
  EXPECT_LT(oneSided, 1e-2);
  EXPECT_LT(RelativeDifference((below + above) / 2, exact), oneSided / 100);
}

INSTANTIATE_TEST_SUITE_P(
    Exponents, ExponentOneLimit,
    testing::Values(ExponentOne{"WavyN", [](WallCorrelations& k, float e) { k.n = e; },
                                [](const CondensingFilm& f) { return (f.xWl() + f.xTur()) / 2; }},
                    ExponentOne{"TurbulentM", [](WallCorrelations& k, float e) { k.m = e; },
                                [](const CondensingFilm& f) { return f.xTur() + 0.05; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CondensingWallRegimes, AWallEndingOnATransitionTakesTheDownstreamRegime) {
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

TEST(CondensingWallRegimes, TurbulenceBelowTheWavyTransitionFollowsTheLaminarPart) {
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
// tests/cli/refusal_test.cpp (zero length, A or C, a runaway turbulent film).
struct UndefinedCase {
  const char* name;
  std::function<void(WallCondensationInput&)> set;
  SolveFault fault;
};

void PrintTo(const UndefinedCase& c, std::ostream* os) {
  *os << c.name;
}

class CondensingWallUndefined : public testing::TestWithParam<UndefinedCase> {};

TEST_P(CondensingWallUndefined, IsRefusedWithItsReason) {
  WallCondensationInput in = WaterWall(1.0);
  GetParam().set(in);
  EXPECT_EQ(SolveWallCondensation(in).fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CondensingWallUndefined,
    testing::Values(UndefinedCase{"NegativeLength", [](auto& in) { in.L = -1; },
                                  SolveFault::kLengthNotPositive},
                    UndefinedCase{"ZeroB", [](auto& in) { in.coefficients.B = 0; },
                                  SolveFault::kCoefficientBZero},
                    UndefinedCase{"NegativeD", [](auto& in) { in.coefficients.D = -5800; },
                                  SolveFault::kTurbulentTransitionNotPositive},
                    UndefinedCase{"NegativeEnthalpy",
                                  [](auto& in) {
                                    in.FluidNo = 4;  // subcooling weight 0.683 − 0.228/0.02 < 0
                                    in.PrL = 0.02;
                                    in.CpL = 140;
                                    in.Hfg = 290000;
                                    in.Tw = 100;
                                  },
                                  SolveFault::kModifiedEnthalpyNotPositive},
                    UndefinedCase{"TransitionOverflows", [](auto& in) { in.coefficients.n = -200; },
                                  SolveFault::kNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
