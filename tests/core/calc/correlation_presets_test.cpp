// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "core/calc/correlation_presets.h"
#include "core/text/field_text.h"
#include "../solvers/film_fixtures.h"

namespace dorix {
namespace {

// The panel's texts as Calculate reads them.
WallCorrelations Read(const CoefficientTexts& t) {
  const auto number = [](const std::string& text) {
    return static_cast<double>(*ReadFieldText(text));
  };
  return {.A = number(t.A),
          .n = number(t.n),
          .B = number(t.B),
          .m = number(t.m),
          .s = number(t.s),
          .C = number(t.C),
          .v = number(t.v),
          .D = number(t.D),
          .w = number(t.w)};
}

WallCorrelations PresetCorrelations(std::string_view name) {
  return Read(FindPreset(name)->texts);
}

// Mean Nusselt number h·Lc/KL of a solved wall.
double MeanNusselt(const WallCondensationInput& in, const WallCondensationResult& r) {
  const double nu = in.MuL / in.RhoL;
  const double Lc = std::pow(nu * nu / in.Grav, 0.333333);
  return r.h * Lc / in.KL;
}

// The texts themselves are checked by what they compute, below.
TEST(CorrelationPresets, EachIsFoundByItsNameAndByItsTexts) {
  for (const CorrelationPreset& preset : CorrelationPresets()) {
    EXPECT_EQ(FindPreset(preset.name), &preset);
    EXPECT_EQ(PresetOf(preset.texts), &preset);
    EXPECT_EQ(PresetName(preset.texts), preset.name);
    EXPECT_FALSE(preset.source.empty() || preset.reference.empty() || preset.validity.empty());
  }
}

TEST(CorrelationPresets, TheDefaultComesFirstAndIsTheWindowsDefaultSet) {
  ASSERT_FALSE(CorrelationPresets().empty());
  EXPECT_EQ(CorrelationPresets().front().name, "default");
  EXPECT_EQ(CorrelationPresets().front().source, "Chun & Seban (1971)");
  EXPECT_EQ(CorrelationPresets().front().texts, CoefficientTexts{});
}

// Custom is any text that is not a preset's, character for character: the
// same number written otherwise included.
TEST(CorrelationPresets, TextsThatMatchNoPresetAreCustom) {
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
// over the wall (h·Lc/KL against the Reynolds number at its end).
double PublishedMeanNusselt(double Re, double PrL) {
  if (Re < 30) return 1.47 * std::pow(Re, -1.0 / 3);
  if (Re < 1600) return Re / (1.08 * std::pow(Re, 1.22) - 5.2);
  return Re / (8750 + 58 * std::pow(PrL, -0.5) * (std::pow(Re, 0.75) - 253));
}

struct HandCase {
  double L;    // m
  double PrL;  // the water film's Prandtl number, varied
  FilmRegime regime;
};

void PrintTo(const HandCase& c, std::ostream* os) {
  *os << "L " << c.L << " m, Pr " << c.PrL;
}

class KutateladzeLabuntsov : public testing::TestWithParam<HandCase> {};

// Published constants are rounded (1.47 for 1.4675, 5.2, 8750): they agree
// with the closed forms to a few tenths of a percent.
TEST_P(KutateladzeLabuntsov, ReproducesThePublishedMeanCoefficients) {
  WallCondensationInput in = test::WaterWall(GetParam().L);
  in.PrL = GetParam().PrL;
  in.CpL = in.PrL * in.KL / in.MuL;
  in.coefficients = PresetCorrelations("kutateladze-labuntsov");
  const WallCondensationResult r = SolveWallCondensation(in);
  ASSERT_EQ(r.fault, SolveFault::kNone);
  ASSERT_EQ(r.regime, GetParam().regime) << "Re_L " << r.ReL;
  const double published = PublishedMeanNusselt(r.ReL, in.PrL);
  EXPECT_NEAR(MeanNusselt(in, r) / published, 1.0, 0.0025) << "Re_L " << r.ReL;
}

INSTANTIATE_TEST_SUITE_P(HandCases, KutateladzeLabuntsov,
                         testing::Values(HandCase{0.001, 2.7, FilmRegime::kLaminar},
                                         HandCase{0.003, 2.7, FilmRegime::kLaminar},
                                         HandCase{0.05, 2.7, FilmRegime::kWavyLaminar},
                                         HandCase{0.3, 2.7, FilmRegime::kWavyLaminar},
                                         HandCase{1.0, 2.7, FilmRegime::kWavyLaminar},
                                         HandCase{3.0, 2.7, FilmRegime::kTurbulent},
                                         HandCase{10, 1.2, FilmRegime::kTurbulent},
                                         HandCase{10, 2.7, FilmRegime::kTurbulent},
                                         HandCase{30, 6.0, FilmRegime::kTurbulent},
                                         HandCase{100, 2.7, FilmRegime::kTurbulent}));

// The textbook set against the default: close while the film is wavy, far
// apart once it is turbulent.
TEST(KutateladzeLabuntsovAgainstDefault, DiffersLittleWhileWavyAndMuchWhenTurbulent) {
  const auto ratio = [](double L) {
    WallCondensationInput in = test::WaterWall(L);
    const double chunSeban = SolveWallCondensation(in).h;
    in.coefficients = PresetCorrelations("kutateladze-labuntsov");
    return SolveWallCondensation(in).h / chunSeban;
  };
  EXPECT_NEAR(ratio(0.5), 1.0, 0.08);
  EXPECT_GT(ratio(10), 1.25);
}

struct LaminarCase {
  double L;
  double PrL;
};

void PrintTo(const LaminarCase& c, std::ostream* os) {
  *os << "L " << c.L << " m, Pr " << c.PrL;
}

class NusseltLaminarWall : public testing::TestWithParam<LaminarCase> {};

// 1/0.75^(4/3): the mean of Nu(lam) = (3/4·Re)^(-1/3) over a laminar wall.
TEST_P(NusseltLaminarWall, StaysLaminarToTheEnd) {
  WallCondensationInput in = test::WaterWall(GetParam().L);
  in.PrL = GetParam().PrL;
  in.CpL = in.PrL * in.KL / in.MuL;
  in.coefficients = PresetCorrelations("nusselt-laminar");
  const WallCondensationResult r = SolveWallCondensation(in);
  ASSERT_EQ(r.fault, SolveFault::kNone);
  EXPECT_EQ(r.regime, FilmRegime::kLaminar);
  EXPECT_NEAR(MeanNusselt(in, r), std::pow(0.75, -4.0 / 3) * std::pow(r.ReL, -1.0 / 3),
              1e-5 * MeanNusselt(in, r));
}

INSTANTIATE_TEST_SUITE_P(Walls, NusseltLaminarWall,
                         testing::Values(LaminarCase{1e-4, 2.7}, LaminarCase{1, 2.7},
                                         LaminarCase{1e4, 2.7}, LaminarCase{100, 0.01},
                                         LaminarCase{100, 50}));

class NusseltLaminarFallingFilm : public testing::TestWithParam<double> {};

TEST_P(NusseltLaminarFallingFilm, IsLaminarFromTheTop) {
  EvaporationInput in = test::WaterEvaporation(1.0, GetParam());
  in.coefficients = PresetCorrelations("nusselt-laminar");
  EXPECT_EQ(SetUpEvaporatingWall(in).film.TopRegime(), FilmRegime::kLaminar);
  const EvaporationResult r = SolveEvaporation(in);
  EXPECT_EQ(r.fault, SolveFault::kNone);
  EXPECT_TRUE(std::isfinite(r.hAvg));
}

INSTANTIATE_TEST_SUITE_P(FlowRates, NusseltLaminarFallingFilm,
                         testing::Values(0.5, 1.0, 100.0, 1e4));

}  // namespace
}  // namespace dorix
