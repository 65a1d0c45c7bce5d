// SPDX-License-Identifier: MIT
// The validity notes against the quantities they name: over a range of one
// input each note shows exactly where its quantity crosses its limit, both
// sides reached; the windows' default cases carry none. The vapour-density
// option against the closed form and a hand calculation of the tube row.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "core/calc/calculation.h"
#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/calc/problems.h"
#include "core/calc/validity_notes.h"
#include "core/props/property_file.h"
#include "core/props/saturated_vapor.h"

namespace dorix {
namespace {

const PropertyStore& Store() {
  static const PropertyStore store = [] {
    PropertyStore loaded;
    EXPECT_TRUE(LoadPropertyFile(DORIX_PROPERTY_FILE, loaded).ok);
    return loaded;
  }();
  return store;
}

CalculationOutcome Solve(const ProblemFields& fields, int fluid) {
  CalculationSetup setup;
  setup.store = &Store();
  setup.fluid = fluid;
  return Calculate(fields, setup);
}

double Named(const std::vector<NamedValue>& values, std::string_view name) {
  const auto it = std::find_if(values.begin(), values.end(),
                               [name](const NamedValue& v) { return v.name == name; });
  return it == values.end() ? NAN : it->value;
}

bool HasNote(const CalculationOutcome& outcome, std::string_view code) {
  return std::any_of(outcome.notes.begin(), outcome.notes.end(),
                     [code](const ValidityNote& note) { return note.code == code; });
}

TEST(ValidityNotes, TheWindowsDefaultCasesCarryNone) {
  for (const Problem& problem : Problems()) {
    const CalculationOutcome outcome = Solve(problem.defaults, 1);
    EXPECT_EQ(outcome.status, CalculationOutcome::Status::kReport) << problem.name;
    EXPECT_TRUE(outcome.notes.empty()) << problem.name << ": " << outcome.notes.front().text;
  }
}

// One input stepped over a range: the fields of step i, and whether the
// note's quantity is beyond its limit in the outcome.
struct Crossing {
  const char* label;
  std::string_view code;
  int fluid;
  std::function<ProblemFields(int)> fields;
  std::function<bool(const CalculationOutcome&)> beyond;
};

void PrintTo(const Crossing& crossing, std::ostream* out) {
  *out << crossing.label;
}

double VaporDensityRatio(const CalculationOutcome& outcome, int fluid) {
  const double tsat = Named(outcome.properties, kSaturationTemperatureName);
  return *SaturatedVaporDensity(Store(), fluid, tsat) /
         Named(outcome.properties, kLiquidDensityName);
}

double Jakob(const CalculationOutcome& outcome) {
  return Named(outcome.properties, kLiquidSpecificHeatName) *
         (Named(outcome.properties, kSaturationTemperatureName) -
          Named(outcome.inputs, "wall_temp")) /
         Named(outcome.properties, kEnthalpyOfVaporizationName);
}

std::string Text(double value) {
  return std::to_string(value);
}

WallCondensationFields SaturatedWall(double pressure, double wallTemp) {
  WallCondensationFields fields;
  fields.pressure = Text(pressure);
  fields.wallTemp = Text(wallTemp);
  fields.tempTypeIndex = kSaturationVaporTemperature;
  return fields;
}

const Crossing kCrossings[] = {
    {"water_wall_at_the_triple_point", kWallBelowTriplePointNote, 1,
     [](int i) { return SaturatedWall(101325, 272.0 + 0.1 * i); },
     [](const CalculationOutcome& o) { return Named(o.inputs, "wall_temp") < 273.16; }},
    {"r134a_vapor_density", kVaporDensityNote, 6,
     [](int i) { return SaturatedWall(1.1e6 + 0.01e6 * i, 280); },
     [](const CalculationOutcome& o) { return VaporDensityRatio(o, 6) > 0.05; }},
    {"default_preset_reynolds", kCorrelationRangeNote, 1,
     [](int i) {
       WallCondensationFields fields;
       fields.length = Text(10 + 0.5 * i);
       return fields;
     },
     [](const CalculationOutcome& o) { return Named(o.results, kReynoldsNumber) > 21000; }},
    {"default_preset_prandtl", kCorrelationRangeNote, 2,
     [](int i) { return SaturatedWall(101325, 220 + 2.0 * i); },
     [](const CalculationOutcome& o) {
       const double pr = Named(o.properties, kLiquidPrandtlName);
       return pr < 1.77 || pr > 5.7;
     }},
    {"r134a_jakob", kLargeJakobNote, 6, [](int i) { return SaturatedWall(3.9e6, 372 - 1.0 * i); },
     [](const CalculationOutcome& o) { return Jakob(o) > 1; }},
    {"fractional_tubes", kFractionalTubesNote, 1,
     [](int i) {
       TubeCondensationFields fields;
       fields.numberOfTubes = Text(2 + 0.25 * i);
       return fields;
     },
     [](const CalculationOutcome& o) {
       const double n = Named(o.inputs, "tubes");
       return n != std::floor(n);
     }},
};

class NoteCrossing : public ::testing::TestWithParam<Crossing> {};

TEST_P(NoteCrossing, ShowsExactlyBeyondItsLimit) {
  const Crossing& crossing = GetParam();
  int beyond = 0;
  int inside = 0;
  for (int i = 0; i < 40; ++i) {
    const CalculationOutcome outcome = Solve(crossing.fields(i), crossing.fluid);
    if (outcome.status == CalculationOutcome::Status::kRefused) continue;
    const bool expected = crossing.beyond(outcome);
    (expected ? beyond : inside) += 1;
    EXPECT_EQ(HasNote(outcome, crossing.code), expected) << crossing.label << ", step " << i;
  }
  EXPECT_GT(beyond, 0) << crossing.label;
  EXPECT_GT(inside, 0) << crossing.label;
}

INSTANTIATE_TEST_SUITE_P(ValidityNotes, NoteCrossing, ::testing::ValuesIn(kCrossings),
                         [](const auto& info) { return std::string(info.param.label); });

// No fluid's liquid Prandtl number comes near 0.05 but mercury's, always
// below: its note names the weight and the energy-balance excess.
TEST(ValidityNotes, MercuryFilmsLeaveTheBasisOfTheLatentHeatWeight) {
  WallCondensationFields fields;
  fields.pressure = "10000";
  fields.vaporTemp = "700";
  fields.wallTemp = "480";
  const CalculationOutcome outcome = Solve(fields, 4);
  ASSERT_TRUE(HasNote(outcome, kLiquidMetalNote));
  const auto note = std::find_if(outcome.notes.begin(), outcome.notes.end(),
                                 [](const ValidityNote& n) { return n.code == kLiquidMetalNote; });
  EXPECT_NE(note->text.find("0.683 \u2212 0.228/PrL, here -1.76E+01"), std::string::npos)
      << note->text;
  EXPECT_NE(note->text.find("times the heat the wall passes"), std::string::npos) << note->text;
  EXPECT_FALSE(HasNote(Solve(WallCondensationFields{}, 1), kLiquidMetalNote));
}

// With the vapour density included, the buoyancy g(1 − ρv/ρl) scales a
// laminar film's h as (1 − ρv/ρl)^(1/4), and the report gains one
// line; the note it answers goes.
TEST(VaporDensityOption, ScalesTheLaminarFilmAsTheClosedForm) {
  WallCondensationFields fields = SaturatedWall(3e6, 340);
  fields.coefficients = FindPreset("nusselt-laminar")->texts;
  const CalculationOutcome neglected = Solve(fields, 6);
  fields.vaporDensity = VaporDensity::kIncluded;
  const CalculationOutcome included = Solve(fields, 6);
  ASSERT_EQ(included.status, CalculationOutcome::Status::kReport) << included.message;
  const double rhoV = Named(included.properties, kVaporDensityName);
  const double ratio = rhoV / Named(included.properties, kLiquidDensityName);
  EXPECT_GT(ratio, 0.1);
  EXPECT_NEAR(Named(included.results, kHeatTransferCoefficient) /
                  Named(neglected.results, kHeatTransferCoefficient),
              std::pow(1 - ratio, 0.25), 1e-6);  // the film law's 0.333333 for 1/3
  EXPECT_EQ(included.properties.size(), neglected.properties.size() + 1);
  EXPECT_TRUE(HasNote(neglected, kVaporDensityNote));
  EXPECT_FALSE(HasNote(included, kVaporDensityNote));
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
  const auto p = [&](std::string_view name) { return Named(outcome.properties, name); };
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
  EXPECT_NEAR(Named(outcome.results, kHeatTransferCoefficient), h, 1e-9 * h);
}

}  // namespace
}  // namespace dorix
