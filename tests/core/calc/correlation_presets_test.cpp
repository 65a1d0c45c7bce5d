// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "../solvers/film_fixtures.h"
#include "core/calc/correlation_presets.h"
#include "core/text/field_text.h"

namespace dorix {
namespace {

// The preset's texts as Calculate reads them.
WallCorrelations PresetCorrelations(std::string_view name) {
  const CoefficientTexts& t = FindPreset(name)->texts;
  const auto f = [](const std::string& text) { return static_cast<double>(*ReadFieldText(text)); };
  return {f(t.A), f(t.n), f(t.B), f(t.m), f(t.s), f(t.C), f(t.v), f(t.D), f(t.w)};
}

// A water wall of length L with the film's Prandtl number varied, solved
// with a preset; its mean Nusselt number h·Lc/KL.
struct Solved {
  WallCondensationResult r;
  double Nu;
};

Solved SolveWith(std::string_view preset, double L, double PrL) {
  WallCondensationInput in = test::WaterWall(L);
  in.film.PrL = PrL;
  in.film.CpL = in.film.PrL * in.film.KL / in.film.MuL;
  in.coefficients = PresetCorrelations(preset);
  const WallCondensationResult r = SolveWallCondensation(in);
  const double nu = in.film.MuL / in.film.RhoL;
  return {r, r.h * std::pow(nu * nu / in.film.Grav, 0.333333) / in.film.KL};
}

// The texts themselves are checked by what they compute, below; the order,
// default first, by the comparison test. Custom is any text that is not a
// preset's, character for character: the same number written otherwise
// included.
TEST(CorrelationPresets, EachIsFoundByItsNameAndByItsTextsAndOtherTextsAreCustom) {
  for (const CorrelationPreset& preset : CorrelationPresets()) {
    EXPECT_EQ(FindPreset(preset.name), &preset);
    EXPECT_EQ(PresetOf(preset.texts), &preset);
    EXPECT_EQ(PresetName(preset.texts), preset.name);
  }
  CoefficientTexts texts;
  texts.C = "30.0";
  EXPECT_EQ(PresetOf(texts), nullptr);
  EXPECT_EQ(PresetName(texts), "custom");
  texts.C = "30";
  EXPECT_EQ(PresetName(texts), "default");
  texts = FindPreset("kutateladze-labuntsov")->texts;
  texts.s = "0.50";
  EXPECT_EQ(PresetName(texts), "custom");
  EXPECT_EQ(FindPreset("custom"), nullptr);
  EXPECT_EQ(FindPreset("Default"), nullptr);
}

// Kutateladze's and Labuntsov's laws as the textbooks give them, averaged
// over the wall (h·Lc/KL against the Reynolds number at its end). Published
// constants are rounded (1.47 for 1.4675, 5.2, 8750): they agree with the
// closed forms to a few tenths of a percent.
TEST(KutateladzeLabuntsov, ReproducesThePublishedMeanCoefficients) {
  const auto published = [](double Re, double PrL) {
    if (Re < 30) return 1.47 * std::pow(Re, -1.0 / 3);
    if (Re < 1600) return Re / (1.08 * std::pow(Re, 1.22) - 5.2);
    return Re / (8750 + 58 * std::pow(PrL, -0.5) * (std::pow(Re, 0.75) - 253));
  };
  const struct {
    double L, PrL;
    FilmRegime regime;
  } kCases[] = {
      {0.001, 2.7, FilmRegime::kLaminar},    {0.003, 2.7, FilmRegime::kLaminar},
      {0.05, 2.7, FilmRegime::kWavyLaminar}, {0.3, 2.7, FilmRegime::kWavyLaminar},
      {1.0, 2.7, FilmRegime::kWavyLaminar},  {3.0, 2.7, FilmRegime::kTurbulent},
      {10, 1.2, FilmRegime::kTurbulent},     {10, 2.7, FilmRegime::kTurbulent},
      {30, 6.0, FilmRegime::kTurbulent},     {100, 2.7, FilmRegime::kTurbulent},
  };
  for (const auto& c : kCases) {
    const auto [r, Nu] = SolveWith("kutateladze-labuntsov", c.L, c.PrL);
    ASSERT_EQ(r.fault, SolveFault::kNone);
    EXPECT_EQ(r.regime, c.regime) << "L " << c.L << ", Re_L " << r.ReL;
    EXPECT_NEAR(Nu / published(r.ReL, c.PrL), 1.0, 0.0025) << "L " << c.L << ", Re_L " << r.ReL;
  }
}

// 1/0.75^(4/3): the mean of Nu(lam) = (3/4·Re)^(-1/3) over a laminar wall,
// which the preset keeps to the end of any wall and from the top of any
// falling film.
TEST(NusseltLaminar, StaysLaminarOnEveryWall) {
  for (const auto& [L, PrL] :
       {std::pair{1e-4, 2.7}, {1, 2.7}, {1e4, 2.7}, {100, 0.01}, {100, 50}}) {
    const auto [r, Nu] = SolveWith("nusselt-laminar", L, PrL);
    ASSERT_EQ(r.fault, SolveFault::kNone);
    EXPECT_EQ(r.regime, FilmRegime::kLaminar) << "L " << L << ", Pr " << PrL;
    EXPECT_NEAR(Nu, std::pow(0.75, -4.0 / 3) * std::pow(r.ReL, -1.0 / 3), 1e-5 * Nu)
        << "L " << L << ", Pr " << PrL;
  }
  for (const double Gamma0 : {0.5, 1.0, 100.0, 1e4}) {
    EvaporationInput in = test::WaterEvaporation(1.0, Gamma0);
    in.coefficients = PresetCorrelations("nusselt-laminar");
    EXPECT_EQ(SetUpEvaporatingWall(in).film.TopRegime(), FilmRegime::kLaminar) << Gamma0;
    const EvaporationResult r = SolveEvaporation(in);
    EXPECT_EQ(r.fault, SolveFault::kNone);
    EXPECT_TRUE(std::isfinite(r.hAvg));
  }
}

}  // namespace
}  // namespace dorix
