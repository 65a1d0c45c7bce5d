// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace dorix::tools {

// The columns of the fluid window's table of valid ranges, plus the enthalpy
// of vaporization, which shares the saturation-temperature range.
enum class RangeColumn {
  kLiquid,                 // rol, mul, kl, prl
  kVapor,                  // muv, kv, cpv
  kSaturationTemperature,  // abscissa of psat and hfg
  kSaturationPressure,     // abscissa of tsat
  kSurfaceTension,         // sig
};

// The column whose range a property code's curve covers.
RangeColumn ColumnOf(int code);

const char* AbscissaUnit(RangeColumn column);

// "water", "ammonia", ...
std::string FluidName(int fluid);

// How a curve's ordinates are written: the text of the scale factor and the
// unit the written numbers are in, chosen so that the numbers read naturally.
struct ScaleFactor {
  const char* text;
  const char* writtenUnit;
};

ScaleFactor ScaleFactorOf(int code);

// The largest error a curve may show at any reference row, relative to the
// row's value but never to less than 1 % of the curve's largest value:
// 1e-4, except 1e-5 for the saturation temperature, a few millikelvin, which
// matches what 1e-4 in the saturation pressure means in temperature.
double ToleranceOf(int code);

// The abscissa below which a curve leaves its reference rows out, or -inf.
// Propane's saturation temperature starts at 1 kPa: below, its table spans
// six more decades of pressure down to the triple point, of no practical
// use, which would take more than the 200 points a curve may have at 1e-5.
double CurveStart(int fluid, int code);

}  // namespace dorix::tools
