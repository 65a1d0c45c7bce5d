// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/props/property_curve.h"
#include "core/props/saturated_vapor.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::DeliveredStore;

// A well-known state and the published value there.
struct SpotValue {
  const char* label;
  int fluid;
  int code;
  double x;
  double expected;
  double tolerance;  // absolute
};

void PrintTo(const SpotValue& spot, std::ostream* out) {
  *out << spot.label;
}

class SpotValues : public ::testing::TestWithParam<SpotValue> {};

TEST_P(SpotValues, MatchThePublishedValue) {
  const SpotValue& spot = GetParam();
  const std::optional<double> value =
      LookUpProperty(DeliveredStore(), spot.fluid, spot.code, spot.x);
  ASSERT_TRUE(value.has_value());
  EXPECT_NEAR(*value, spot.expected, spot.tolerance);
}

// The file holds saturation temperatures to a few millikelvin and every
// other value to 1e-4 of itself; each tolerance adds the rounding of the
// published figure to that.
// clang-format off
const SpotValue kSpotValues[] = {
    // Normal boiling points: the saturation temperature at 101325 Pa.
    SpotValue{"boiling_water", 1, kSaturationTemperature, 101325, 373.124, 0.005},
    SpotValue{"boiling_ammonia", 2, kSaturationTemperature, 101325, 239.834, 0.003},
    SpotValue{"boiling_nitrogen", 3, kSaturationTemperature, 101325, 77.355, 0.001},
    SpotValue{"boiling_mercury", 4, kSaturationTemperature, 101325, 629.77, 0.012},
    SpotValue{"boiling_R22", 5, kSaturationTemperature, 101325, 232.34, 0.01},
    SpotValue{"boiling_R134a", 6, kSaturationTemperature, 101325, 247.08, 0.01},
    // Water at 100 °C (IAPWS-95, IAPWS 2008 viscosity, IAPWS 2011 conductivity,
    // IAPWS 2014 surface tension).
    SpotValue{"water_density", 1, kLiquidDensity, 373.15, 958.35, 0.1},
    SpotValue{"water_viscosity", 1, kLiquidViscosity, 373.15, 2.8158e-4, 3.5e-8},
    SpotValue{"water_conductivity", 1, kLiquidConductivity, 373.15, 0.6772, 1.2e-4},
    SpotValue{"water_enthalpy", 1, kEnthalpyOfVaporization, 373.15, 2.2564e6, 300},
    SpotValue{"water_pressure", 1, kSaturationPressure, 373.15, 101418, 15},
    SpotValue{"water_tension", 1, kSurfaceTension, 373.15, 0.0589, 5.5e-5},
    // Mercury: vapour pressure at 1000 K (Vukalovich 1971: 6.574 MPa; the
    // Huber-Laesecke-Friend equation gives 6.569 MPa) and the enthalpy of
    // vaporization at the boiling point (59.11 kJ/mol = 294.7 kJ/kg).
    SpotValue{"mercury_pressure", 4, kSaturationPressure, 1000, 6.574e6, 1e4},
    SpotValue{"mercury_enthalpy", 4, kEnthalpyOfVaporization, 629.77, 294.7e3, 1000},
    // R-134a condensing at 40 °C, a state the first tables did not reach
    // (Tillner-Roth & Baehr, as the ASHRAE tables give it).
    SpotValue{"R134a_pressure", 6, kSaturationPressure, 313.15, 1.0166e6, 150},
    SpotValue{"R134a_density", 6, kLiquidDensity, 313.15, 1146.7, 0.17},
    SpotValue{"R134a_enthalpy", 6, kEnthalpyOfVaporization, 313.15, 163.02e3, 25},
    // Nitrogen at its normal boiling point, 77.355 K (Span et al. 2000).
    SpotValue{"nitrogen_density", 3, kLiquidDensity, 77.355, 806.08, 0.09},
    SpotValue{"nitrogen_enthalpy", 3, kEnthalpyOfVaporization, 77.355, 199.18e3, 25},
    // Today's refrigerants: normal boiling points and vapour pressures at 0 °C
    // as the authors of their equations of state publish them (Tillner-Roth &
    // Yokozeki 1997, Richter et al. 2011, Thol & Lemmon 2016, Lemmon et al. 2009,
    // Bücker & Wagner 2006), and CO2 at 0 °C and its triple point (Span &
    // Wagner 1996).
    SpotValue{"R32_boiling", 7, kSaturationTemperature, 101325, 221.5, 0.05},
    SpotValue{"R1234yf_boiling", 8, kSaturationTemperature, 101325, 243.7, 0.05},
    SpotValue{"R1234ze_boiling", 9, kSaturationTemperature, 101325, 254.2, 0.05},
    SpotValue{"propane_boiling", 10, kSaturationTemperature, 101325, 231.04, 0.005},
    SpotValue{"isobutane_boiling", 11, kSaturationTemperature, 101325, 261.4, 0.05},
    SpotValue{"R32_pressure", 7, kSaturationPressure, 273.15, 0.813e6, 600},
    SpotValue{"R1234yf_pressure", 8, kSaturationPressure, 273.15, 0.316e6, 530},
    SpotValue{"R1234ze_pressure", 9, kSaturationPressure, 273.15, 0.217e6, 520},
    SpotValue{"propane_pressure", 10, kSaturationPressure, 273.15, 0.4745e6, 100},
    SpotValue{"isobutane_pressure", 11, kSaturationPressure, 273.15, 0.157e6, 520},
    SpotValue{"CO2_pressure", 12, kSaturationPressure, 273.15, 3.4851e6, 400},
    SpotValue{"CO2_density", 12, kLiquidDensity, 273.15, 927.4, 0.15},
    SpotValue{"CO2_triple_point", 12, kSaturationPressure, 216.592, 0.51795e6, 70},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(DeliveredFile, SpotValues, ::testing::ValuesIn(kSpotValues),
                         [](const auto& info) { return std::string(info.param.label); });

// The saturated vapour's density from the file's curves by Clapeyron,
// against the equations of state: water at its normal boiling point
// (IAPWS-95), R-134a at 40 °C (Tillner-Roth & Baehr), CO2 at 0 °C (Span &
// Wagner), each within 1e-3.
struct VaporDensitySpot {
  const char* label;
  int fluid;
  double Tsat;
  double expected;
};

class SaturatedVaporDensity : public ::testing::TestWithParam<VaporDensitySpot> {};

TEST_P(SaturatedVaporDensity, MatchesTheEquationOfState) {
  const auto rho =
      dorix::SaturatedVaporDensity(DeliveredStore(), GetParam().fluid, GetParam().Tsat);
  ASSERT_TRUE(rho.has_value());
  EXPECT_NEAR(*rho, GetParam().expected, 1e-3 * GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(DeliveredFile, SaturatedVaporDensity,
                         ::testing::Values(VaporDensitySpot{"water", 1, 373.124, 0.5976},
                                           VaporDensitySpot{"R134a", 6, 313.15, 50.08},
                                           VaporDensitySpot{"CO2", 12, 273.15, 97.65}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace dorix
