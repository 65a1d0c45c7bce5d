// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "../solvers/profile_fixture.h"
#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/calc/problems.h"
#include "core/calc/validity_notes.h"
#include "core/props/saturated_vapor.h"

namespace dorix {
namespace {

using test::DeliveredStore;
using test::ValueOf;

CalculationOutcome Solve(const ProblemFields& fields, int fluid) {
  CalculationSetup setup;
  setup.store = &DeliveredStore();
  setup.fluid = fluid;
  return Calculate(fields, setup);
}

const ValidityNote* NoteOf(const CalculationOutcome& outcome, std::string_view code) {
  const auto note = std::find_if(outcome.notes.begin(), outcome.notes.end(),
                                 [code](const ValidityNote& n) { return n.code == code; });
  return note == outcome.notes.end() ? nullptr : &*note;
}

TEST(ValidityNotes, TheWindowsDefaultCasesCarryNone) {
  for (const Problem& problem : Problems()) {
    const CalculationOutcome outcome = Solve(problem.defaults, 1);
    EXPECT_EQ(outcome.status, CalculationOutcome::Status::kReport) << problem.name;
    EXPECT_TRUE(outcome.notes.empty()) << problem.name << ": " << outcome.notes.front().text;
  }
}

WallCondensationFields SaturatedWall(const char* pressure, const char* wallTemp = "300") {
  WallCondensationFields fields;
  fields.pressure = pressure;
  fields.wallTemp = wallTemp;
  fields.tempTypeIndex = kSaturationVaporTemperature;
  return fields;
}

// One input stepped over a range from `from` by `step`, and whether the
// note's quantity is beyond its limit in the outcome.
struct Crossing {
  std::string_view code;
  int fluid;
  ProblemFields fields;
  std::string_view field;
  double from;
  double step;
  std::function<bool(const CalculationOutcome&)> beyond;
};

TEST(ValidityNotes, EachShowsExactlyBeyondItsLimit) {
  const auto p = [](const CalculationOutcome& o, std::string_view name) {
    return ValueOf(o.properties, name);
  };
  const Crossing kCrossings[] = {
      {kWallBelowTriplePointNote, 1, SaturatedWall("101325"), "wall_temp", 272, 0.1,
       [](auto& o) { return ValueOf(o.inputs, "wall_temp") < 273.16; }},
      {kVaporDensityNote, 6, SaturatedWall("", "280"), "pressure", 1.1e6, 0.01e6,
       [&](auto& o) {
         const double Tsat = p(o, kSaturationTemperatureName);
         return *SaturatedVaporDensity(DeliveredStore(), 6, Tsat) / p(o, kLiquidDensityName) > 0.05;
       }},
      {kCorrelationRangeNote, 1, WallCondensationFields{}, "length", 10, 0.5,
       [](auto& o) { return ValueOf(o.results, kReynoldsNumber) > 21000; }},
      {kCorrelationRangeNote, 2, SaturatedWall("101325"), "wall_temp", 220, 2,
       [&](auto& o) { return p(o, kLiquidPrandtlName) < 1.77 || p(o, kLiquidPrandtlName) > 5.7; }},
      {kLargeJakobNote, 6, SaturatedWall("3.9e6"), "wall_temp", 372, -1,
       [&](auto& o) {  // cp = Pr·k/μ
         const double cp =
             p(o, kLiquidPrandtlName) * p(o, kLiquidConductivityName) / p(o, kLiquidViscosityName);
         const double dT = p(o, kSaturationTemperatureName) - ValueOf(o.inputs, "wall_temp");
         return cp * dT / p(o, kEnthalpyOfVaporizationName) > 1;
       }},
      {kFractionalTubesNote, 1, TubeCondensationFields{}, "tubes", 2, 0.25,
       [](auto& o) { return std::fmod(ValueOf(o.inputs, "tubes"), 1.0) != 0; }},
  };
  for (const Crossing& c : kCrossings) {
    SCOPED_TRACE(std::string(c.code) + " over " + std::string(c.field));
    int beyond = 0;
    int inside = 0;
    for (int i = 0; i < 40; ++i) {
      ProblemFields fields = c.fields;
      *FindOption(BindFields(fields), c.field)->text = std::to_string(c.from + c.step * i);
      const CalculationOutcome outcome = Solve(fields, c.fluid);
      if (outcome.status == CalculationOutcome::Status::kRefused) continue;
      const bool expected = c.beyond(outcome);
      (expected ? beyond : inside) += 1;
      EXPECT_EQ(NoteOf(outcome, c.code) != nullptr, expected) << "step " << i;
    }
    EXPECT_GT(beyond, 0);
    EXPECT_GT(inside, 0);
  }
}

// No fluid's liquid Prandtl number comes near 0.05 but mercury's, always
// below: its note names the weight and the energy-balance excess.
TEST(ValidityNotes, MercuryFilmsLeaveTheBasisOfTheLatentHeatWeight) {
  WallCondensationFields fields;
  fields.pressure = "10000";
  fields.vaporTemp = "700";
  fields.wallTemp = "480";
  const CalculationOutcome mercury = Solve(fields, 4);
  const ValidityNote* note = NoteOf(mercury, kLiquidMetalNote);
  ASSERT_TRUE(note);
  EXPECT_NE(note->text.find("0.683 \u2212 0.228/PrL, here -1.76E+01"), std::string::npos)
      << note->text;
  EXPECT_NE(note->text.find("times the heat the wall passes"), std::string::npos) << note->text;
  EXPECT_FALSE(NoteOf(Solve(WallCondensationFields{}, 1), kLiquidMetalNote));
}

// With the vapour density included, the buoyancy g(1 − ρv/ρl) scales a
// laminar film's h as (1 − ρv/ρl)^(1/4), and the report gains one
// line; the note it answers goes.
TEST(VaporDensityOption, ScalesTheLaminarFilmAsTheClosedForm) {
  WallCondensationFields fields = SaturatedWall("3e6", "340");
  fields.coefficients = FindPreset("nusselt-laminar")->texts;
  const CalculationOutcome neglected = Solve(fields, 6);
  fields.vaporDensity = VaporDensity::kIncluded;
  const CalculationOutcome included = Solve(fields, 6);
  ASSERT_EQ(included.status, CalculationOutcome::Status::kReport) << included.message;
  const double rhoV = ValueOf(included.properties, kVaporDensityName);
  const double ratio = rhoV / ValueOf(included.properties, kLiquidDensityName);
  EXPECT_GT(ratio, 0.1);
  EXPECT_NEAR(ValueOf(included.results, kHeatTransferCoefficient) /
                  ValueOf(neglected.results, kHeatTransferCoefficient),
              std::pow(1 - ratio, 0.25), 1e-6);  // the film law's 0.333333 for 1/3
  EXPECT_EQ(included.properties.size(), neglected.properties.size() + 1);
  EXPECT_FALSE(NoteOf(included, kVaporDensityNote));
  // The note's estimate is the share of h that including the vapour takes off.
  const ValidityNote* note = NoteOf(neglected, kVaporDensityNote);
  ASSERT_TRUE(note);
  const std::string lead = "h is overstated by about ";
  const std::size_t at = note->text.find(lead);
  ASSERT_NE(at, std::string::npos) << note->text;
  EXPECT_NEAR(std::stod(note->text.substr(at + lead.size())), 100 * (1 - std::pow(1 - ratio, 0.25)),
              1e-3);
}

// The tube row by hand: h = 0.728 [ρl(ρl − ρv) g hfg* kl³ / (N μl D ΔT)]^(1/4),
// hfg* = hfg + (0.683 − 0.228/PrL) cpL ΔT + cpV (Tv − Tsat).
TEST(VaporDensityOption, TheTubeRowMatchesAHandCalculation) {
  TubeCondensationFields fields;
  fields.pressure = "2.5e6";
  fields.vaporTemp = "365";
  fields.wallTemp = "330";
  fields.vaporDensity = VaporDensity::kIncluded;
  const CalculationOutcome outcome = Solve(fields, 6);
  ASSERT_EQ(outcome.status, CalculationOutcome::Status::kReport) << outcome.message;
  const auto p = [&](std::string_view name) { return ValueOf(outcome.properties, name); };
  const double tsat = p(kSaturationTemperatureName);
  const double dt = tsat - 330.0f;
  const double rhoL = p(kLiquidDensityName);
  const double hfgStar = p(kEnthalpyOfVaporizationName) +
                         (0.683 - 0.228 / p(kLiquidPrandtlName)) * p(kLiquidSpecificHeatName) * dt +
                         p(kVaporSpecificHeatName) * (365.0f - tsat);
  const double h = 0.728 * std::pow(rhoL * (rhoL - p(kVaporDensityName)) * kGrav * hfgStar *
                                        std::pow(p(kLiquidConductivityName), 3) /
                                        (5.0 * p(kLiquidViscosityName) * 0.1f * dt),
                                    0.25);
  EXPECT_NEAR(ValueOf(outcome.results, kHeatTransferCoefficient), h, 1e-9 * h);
}

}  // namespace
}  // namespace dorix
