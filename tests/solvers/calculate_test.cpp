#include <gtest/gtest.h>

#include <functional>

#include "app/module1.h"
#include "film_fixtures.h"
#include "props/property_file.h"
#include "solvers/calculation.h"
#include "ui/format_value.h"

namespace dorix {
namespace {

// Calculate runs against the delivered property file.
class WithPropertyFile : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetStartupState();
    const LoadResult loaded = LoadPropertyFile(DORIX_PROPERTY_FILE, Module1.Store);
    ASSERT_TRUE(loaded.ok) << loaded.message;
  }
  void SetUp() override { Module1.FluidNo = 1; }

  MessageRecorder messages;
};

// A refused run shows exactly one message and leaves no report, so the
// window keeps the one it had.
template <typename Fields>
struct Refusal {
  const char* name;
  std::function<void(Fields&)> set;
  const char* message;
  int fluid = 1;
};

template <typename Fields>
void PrintTo(const Refusal<Fields>& refusal, std::ostream* os) {
  *os << refusal.name;
}

template <typename Fields>
std::string RefusalName(const testing::TestParamInfo<Refusal<Fields>>& info) {
  return info.param.name;
}

template <typename Fields, CalculationOutcome (*Calculate)(const Fields&, MessageSink&)>
class RefusedRun : public WithPropertyFile, public testing::WithParamInterface<Refusal<Fields>> {
 protected:
  void Check() {
    const auto& refusal = this->GetParam();
    Module1.FluidNo = refusal.fluid;
    Fields fields;
    refusal.set(fields);
    const CalculationOutcome outcome = Calculate(fields, messages);
    EXPECT_EQ(messages.messages, std::vector<std::string>{refusal.message});
    EXPECT_EQ(outcome.status, CalculationOutcome::Status::kRefused);
    EXPECT_TRUE(outcome.report.empty());
  }
};

using WallRefusal = Refusal<WallCondensationFields>;
using WallRefused = RefusedRun<WallCondensationFields, CalculateWallCondensation>;
TEST_P(WallRefused, ShowsTheFirstFailingCheckOnly) {
  Check();
}

INSTANTIATE_TEST_SUITE_P(
    Checks, WallRefused,
    testing::Values(
        WallRefusal{"PressureBeforeTemperatures",
                    [](auto& f) {
                      f.pressure = "1";
                      f.wallTemp = "500";
                    },
                    "*** ERROR: Given pressure is out of range."},
        WallRefusal{"VaporBelowWall",
                    [](auto& f) {
                      f.vaporTemp = "350";
                      f.wallTemp = "360";
                    },
                    "*** ERROR: Vapor temp. should be higher than Wall temp."},
        WallRefusal{"VaporEqualToWallBelowSaturation",
                    [](auto& f) {
                      f.vaporTemp = "350";
                      f.wallTemp = "350";
                    },
                    "*** ERROR: Vapor temp. should be higher than Saturation temp."},
        WallRefusal{"WallAboveSaturation", [](auto& f) { f.wallTemp = "380"; },
                    "*** ERROR: Wall temp. should be lower than Saturation temp."},
        WallRefusal{"NoSelectorEntry", [](auto& f) { f.tempTypeIndex = kNoEntrySelected; },
                    "*** ERROR: Vapor temp. should be higher than Wall temp."},
        WallRefusal{"LiquidReferenceOutOfRange", [](auto& f) { f.wallTemp = "100"; },
                    "*** ERROR: Liquid reference temp(=Tw+Alpha(Tsat-Tw)) is out of range."},
        WallRefusal{"VaporReferenceOutOfRange", [](auto& f) { f.vaporTemp = "5000"; },
                    "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range."},
        WallRefusal{"LengthNotANumber", [](auto& f) { f.length = "abc"; },
                    "*** ERROR: Length of wall [m] is not a number: \"abc\"."},
        WallRefusal{"CoefficientEmpty", [](auto& f) { f.coefficients.w = " "; },
                    "*** ERROR: Coefficient w is empty; please enter a number."},
        WallRefusal{"WallCheckBeforeLength",
                    [](auto& f) {
                      f.length = "0";
                      f.wallTemp = "380";
                    },
                    "*** ERROR: Wall temp. should be lower than Saturation temp."},
        WallRefusal{"ZeroLength", [](auto& f) { f.length = "0"; },
                    "*** ERROR: Length must be greater than zero."},
        WallRefusal{"ZeroA", [](auto& f) { f.coefficients.A = "0"; },
                    "*** ERROR: Coefficient A must not be zero."},
        WallRefusal{"NegativeC", [](auto& f) { f.coefficients.C = "-30"; },
                    "*** ERROR: Transition Reynolds number Re(wl) = C*Pr^v must be greater than "
                    "zero."},
        WallRefusal{"RunawayTurbulentFilm",
                    [](auto& f) {
                      f.coefficients.m = "3";
                      f.length = "100";
                    },
                    "*** ERROR: The turbulent law Nu = B*Re^m*Pr^s has no real solution at the "
                    "end of the wall for these coefficients."}),
    RefusalName<WallCondensationFields>);

using TubeRefusal = Refusal<TubeCondensationFields>;
using TubeRefused = RefusedRun<TubeCondensationFields, CalculateTubeCondensation>;
TEST_P(TubeRefused, ShowsTheFirstFailingCheckOnly) {
  Check();
}

INSTANTIATE_TEST_SUITE_P(
    Checks, TubeRefused,
    testing::Values(
        TubeRefusal{"PressureBeforeDiameter",
                    [](auto& f) {
                      f.pressure = "1";
                      f.tubeDiameter = "0";
                    },
                    "*** ERROR: Given pressure is out of range."},
        TubeRefusal{"ZeroDiameter", [](auto& f) { f.tubeDiameter = "0"; },
                    "*** ERROR: Tube diameter must be greater than zero."},
        TubeRefusal{"ZeroTubes", [](auto& f) { f.numberOfTubes = "0"; },
                    "*** ERROR: Number of tubes must be greater than zero."},
        TubeRefusal{"WallAboveSaturation", [](auto& f) { f.wallTemp = "380"; },
                    "*** ERROR: Wall temp. should be lower than Saturation temp."},
        TubeRefusal{"NoSelectorEntryVaporCurve",
                    [](auto& f) { f.tempTypeIndex = kNoEntrySelected; },
                    "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range."},
        TubeRefusal{"NoSelectorEntryConstantVaporHeat",
                    [](auto& f) {
                      f.tempTypeIndex = kNoEntrySelected;
                      f.wallTemp = "500";
                    },
                    "*** ERROR: No vapor temperature is chosen; select \"Vapor Temperature [K]\" "
                    "or \"Use saturation temp [K]\".",
                    4},
        TubeRefusal{"VaporSoColdHfgStarVanishes",
                    [](auto& f) {
                      f.vaporTemp = "-3000";
                      f.wallTemp = "500";
                    },
                    "*** ERROR: Modified enthalpy of vaporization hfg* is zero or negative for "
                    "these temperatures.",
                    4},
        TubeRefusal{"TubesNotANumber", [](auto& f) { f.numberOfTubes = "five"; },
                    "*** ERROR: Number of tubes [ ] is not a number: \"five\"."}),
    RefusalName<TubeCondensationFields>);

using EvaporationRefusal = Refusal<EvaporationFields>;
using EvaporationRefused = RefusedRun<EvaporationFields, CalculateEvaporation>;
TEST_P(EvaporationRefused, ShowsTheFirstFailingCheckOnly) {
  Check();
}

INSTANTIATE_TEST_SUITE_P(
    Checks, EvaporationRefused,
    testing::Values(
        EvaporationRefusal{"WallAtSaturation", [](auto& f) { f.wallTemp = "300"; },
                           "*** ERROR: Wall Temp. should be higher than Saturation Temp."},
        EvaporationRefusal{"WallAtZero",
                           [](auto& f) {
                             f.satTemp = "-10";
                             f.wallTemp = "0";
                           },
                           "*** ERROR: Wall Temp. should be higher than zero."},
        EvaporationRefusal{"LengthBeforeFlowRate",
                           [](auto& f) {
                             f.length = "0";
                             f.flowRate = "0";
                           },
                           "*** ERROR: Wall Length should be greater than zero."},
        EvaporationRefusal{"ZeroFlowRate", [](auto& f) { f.flowRate = "0"; },
                           "*** ERROR: Mass flow rate should be greater than zero."},
        EvaporationRefusal{"LiquidReferenceOutOfRange", [](auto& f) { f.wallTemp = "2000"; },
                           "*** ERROR: Liquid reference temp(1439.=Tw+Alpha(Tsat-Tw)) is out of "
                           "range."},
        EvaporationRefusal{"LiquidLookupsBeforeSaturation",
                           [](auto& f) {
                             f.satTemp = "100";
                             f.wallTemp = "2000";
                           },
                           "*** ERROR: Liquid reference temp(1373.=Tw+Alpha(Tsat-Tw)) is out of "
                           "range."},
        EvaporationRefusal{"SaturationOutOfRange",
                           [](auto& f) {
                             f.satTemp = "200";
                             f.wallTemp = "700";
                           },
                           "*** ERROR: Given saturation temperature is out of range."},
        EvaporationRefusal{"ZeroB", [](auto& f) { f.coefficients.B = "0"; },
                           "*** ERROR: Coefficient B must not be zero."},
        EvaporationRefusal{"DecimalComma", [](auto& f) { f.flowRate = "1,0"; },
                           "*** ERROR: Initial mass flow rate per unit width (kg/m s) is not a "
                           "number: \"1,0\"."}),
    RefusalName<EvaporationFields>);

TEST_F(WithPropertyFile, SaturationModeIgnoresTheVaporFieldAndUsesTsat) {
  WallCondensationFields wall;
  wall.tempTypeIndex = kSaturationVaporTemperature;
  wall.vaporTemp = "not read";
  ASSERT_EQ(CalculateWallCondensation(wall, messages).status, CalculationOutcome::Status::kReport);
  EXPECT_EQ(Module1.TvRef, Module1.Tsat);

  TubeCondensationFields tube;
  tube.tempTypeIndex = kSaturationVaporTemperature;
  tube.vaporTemp = "not read";
  const CalculationOutcome outcome = CalculateTubeCondensation(tube, messages);
  EXPECT_EQ(Module1.TvRef, Module1.Tsat);
  EXPECT_NE(outcome.report.find("J/kg K at T=" + FormatValue(Module1.Tsat) + " K\r\n"),
            std::string::npos);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WithPropertyFile, EvaporationKeepsTheTypedSaturationTemperatureEvenWhenRefused) {
  EvaporationFields fields;
  fields.satTemp = "310";
  fields.wallTemp = "305";
  CalculateEvaporation(fields, messages);
  EXPECT_EQ(Module1.Tsat, 310.0);
}

// Alpha by fluid, seen in the liquid reference temperature at Tsat 300 K and
// Tw 400 K (set before the lookups, so also when a fluid's curves end below).
class ReferenceWeightByFluid : public WithPropertyFile,
                               public testing::WithParamInterface<std::pair<int, double>> {};

TEST_P(ReferenceWeightByFluid, PlacesTheLiquidReferenceTemperature) {
  Module1.FluidNo = GetParam().first;
  CalculateEvaporation(EvaporationFields{}, messages);
  EXPECT_NEAR(Module1.TlRef, GetParam().second, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Fluids, ReferenceWeightByFluid,
                         testing::Values(std::pair{1, 367.0}, std::pair{2, 339.0},
                                         std::pair{3, 350.0}, std::pair{4, 350.0},
                                         std::pair{5, 350.0}, std::pair{6, 350.0}));

// The film's sensible heat in hfg*: 0.35 for water and ammonia,
// 0.683 − 0.228/PrL for the others.
class SubcoolingWeightByFluid : public testing::TestWithParam<std::pair<int, double>> {};

TEST_P(SubcoolingWeightByFluid, EntersTheModifiedEnthalpy) {
  WallCondensationInput in = test::WaterWall(1.0);
  in.FluidNo = GetParam().first;
  const double weight = GetParam().second;
  const double expected = in.Hfg + weight * in.CpL * (in.Tsat - in.Tw) + in.CpV * (in.Tv - in.Tsat);
  EXPECT_NEAR(SolveWallCondensation(in).hfgStar, expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Fluids, SubcoolingWeightByFluid,
                         testing::Values(std::pair{1, 0.35}, std::pair{2, 0.35},
                                         std::pair{3, 0.683 - 0.228 / 2.7},
                                         std::pair{4, 0.683 - 0.228 / 2.7},
                                         std::pair{5, 0.683 - 0.228 / 2.7},
                                         std::pair{6, 0.683 - 0.228 / 2.7}));

}  // namespace
}  // namespace dorix
