// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/calc/calculation.h"

namespace dorix {

// Every report line ends with carriage return and line feed.
inline constexpr std::string_view kCrLf = "\r\n";

// One property line of a report: label, value, joining text (the unit and
// " at T="), the temperature of evaluation, " K".
struct PropertyLineText {
  std::string_view label;
  std::string_view join;
};

inline constexpr PropertyLineText kLiquidDensityLine{"Liquid density = ", " kg/m\u00B3 at T="};
inline constexpr PropertyLineText kLiquidViscosityLine{"Liquid dynamic viscosity = ",
                                                       " kg/m s at T="};
inline constexpr PropertyLineText kLiquidConductivityLine{"Liquid conductivity = ", " W/m K at T="};
inline constexpr PropertyLineText kLiquidSpecificHeatLine{"Liquid specific heat = ",
                                                          " J/kg K at T="};
inline constexpr PropertyLineText kLiquidPrandtlLine{"Liquid Prandtl number = ", " at T="};
inline constexpr PropertyLineText kVaporSpecificHeatLine{"Vapor specific heat = ", " J/kg K at T="};
inline constexpr PropertyLineText kVaporDensityLine{"Saturated vapor density = ",
                                                    " kg/m\u00B3 at T="};
inline constexpr PropertyLineText kEnthalpyOfVaporizationLine{"Enthalpy of vaporization = ",
                                                              " J/kg at T="};

// Unit texts of the result lines.
inline constexpr std::string_view kNoUnit = "";
inline constexpr std::string_view kMassRateUnit = " kg/m s";
inline constexpr std::string_view kCondensationCoefficientUnit = " W/m\u00B2K";
inline constexpr std::string_view kEvaporationCoefficientUnit = " W/m\u00B2 K";

// Builds a report the way the output boxes show it: a header, then one line
// at a time, each ended by CrLf. Every number passes through FormatValue.
class ReportWriter {
 public:
  // "Output:" and a line of eight blanks, as the condensation windows start.
  static ReportWriter CondensationHeader();
  // "Output :" alone, as the evaporation window starts.
  static ReportWriter EvaporationHeader();

  void AppendLine(std::string_view line);
  void AppendEmptyLine();
  // "Saturation temperature = " Tsat " K at P=" P " Pa"
  void AppendSaturationLine(double tsat, double pressure);
  void AppendPropertyLine(const PropertyLineText& line, double value, double temperature);
  void AppendResultLine(std::string_view label, double value, std::string_view unit);

  const std::string& text() const { return text_; }

 private:
  explicit ReportWriter(std::string header);

  std::string text_;
};

// The report of a calculation as its window shows it: the header, the
// properties, and the results unless the film dried out. Empty for a
// refused calculation.
std::string ReportText(const CalculationOutcome& outcome);

}  // namespace dorix
