// SPDX-License-Identifier: MIT
#include "curve_catalog.h"

#include <array>
#include <cmath>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"

namespace dorix::tools {

RangeColumn ColumnOf(int code) {
  switch (code) {
    case kSaturationTemperature:
      return RangeColumn::kSaturationPressure;
    case kSaturationPressure:
    case kEnthalpyOfVaporization:
      return RangeColumn::kSaturationTemperature;
    case kSurfaceTension:
      return RangeColumn::kSurfaceTension;
    case kVaporViscosity:
    case kVaporConductivity:
    case kVaporSpecificHeat:
      return RangeColumn::kVapor;
    default:
      return RangeColumn::kLiquid;
  }
}

const char* AbscissaUnit(RangeColumn column) {
  return column == RangeColumn::kSaturationPressure ? "Pa" : "K";
}

std::string FluidName(int fluid) {
  return std::string(FindFluid(fluid)->displayName);
}

ScaleFactor ScaleFactorOf(int code) {
  switch (code) {
    case kLiquidViscosity:
    case kVaporViscosity:
      return {"1E-06", "µPa s"};
    case kSaturationPressure:
      return {"1000", "kPa"};
    case kSurfaceTension:
      return {"1E-03", "mN/m"};
    case kEnthalpyOfVaporization:
      return {"1000", "kJ/kg"};
    case kVaporConductivity:
      return {"1E-03", "mW/m K"};
    case kVaporSpecificHeat:
      return {"1000", "kJ/kg K"};
    case kLiquidDensity:
      return {"1", "kg/m³"};
    case kLiquidConductivity:
      return {"1", "W/m K"};
    case kSaturationTemperature:
      return {"1", "K"};
    default:
      return {"1", "–"};
  }
}

double ToleranceOf(int code) {
  return code == kSaturationTemperature ? 1e-5 : 1e-4;
}

double CurveStart(int fluid, int code) {
  return fluid == kPropane && code == kSaturationTemperature ? 1000.0 : -INFINITY;
}

}  // namespace dorix::tools
