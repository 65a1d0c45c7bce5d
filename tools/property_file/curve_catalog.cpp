#include "curve_catalog.h"

#include <array>

#include "props/get_property.h"

namespace dorix::tools {

namespace {

// Per fluid: liquid, vapour, saturation temperature, saturation pressure and
// surface tension, in K and Pa.
constexpr std::array<std::array<AbscissaRange, 5>, kFluidCount + 1> kDesignRanges = {{
    {},
    {{{273.15, 580}, {273.15, 2000}, {273.15, 550}, {610, 6.12e6}, {273.15, 647.3}}},
    {{{220, 320}, {250, 500}, {224, 318}, {42980, 1.774e6}, {220, 320}}},
    {{{70, 120}, {150, 2000}, {77.4, 126}, {1.013e5, 3.392e6}, {68, 90}}},
    {{{300, 600}, {650, 2000}, {385, 1000}, {70, 6.305e6}, {300, 600}}},
    {{{220, 320}, {253.15, 473.15}, {185, 375}, {3200, 3.455e6}, {180, 320}}},
    {{{260, 460}, {320.7, 460}, {250, 460}, {4350, 2.2256e6}, {270, 340}}},
}};

}  // namespace

AbscissaRange DesignRange(int fluid, RangeColumn column) {
  return kDesignRanges.at(fluid).at(static_cast<int>(column));
}

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

const char* ColumnTitle(RangeColumn column) {
  switch (column) {
    case RangeColumn::kLiquid:
      return "Liquid";
    case RangeColumn::kVapor:
      return "Vapor";
    case RangeColumn::kSaturationTemperature:
      return "Tsat";
    case RangeColumn::kSaturationPressure:
      return "Psat";
    case RangeColumn::kSurfaceTension:
      return "sigma";
  }
  return "";
}

const char* AbscissaUnit(RangeColumn column) {
  return column == RangeColumn::kSaturationPressure ? "Pa" : "K";
}

const char* FluidName(int fluid) {
  constexpr std::array<const char*, kFluidCount + 1> kNames = {
      "", "water", "ammonia", "nitrogen", "mercury", "R-22", "R-134a"};
  return kNames.at(fluid);
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

}  // namespace dorix::tools
