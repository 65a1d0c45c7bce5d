// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorix {

inline constexpr int kFluidCount = 12;

// Fluid numbers, as the fluid window and the shared FluidNo count them.
enum FluidNumber : int {
  kWater = 1,
  kAmmonia = 2,
  kNitrogen = 3,
  kMercury = 4,
  kR22 = 5,
  kR134a = 6,
  kR32 = 7,
  kR1234yf = 8,
  kR1234ze = 9,
  kPropane = 10,
  kIsobutane = 11,
  kCarbonDioxide = 12,
};

// Everything the program knows of a working fluid besides its property curves.
struct Fluid {
  int number;
  std::string_view curvePrefix;    // "wat": curve names are prefix + property suffix
  std::string_view name;           // "water": command line, Python, tables
  std::string_view alias;          // "propane": another name the command line takes, or empty
  std::string_view displayName;    // "R-134a": text meant for people
  std::string_view formula;        // "H2O": the calculator windows' Fluid button
  std::string_view buttonCaption;  // "1) H2O": the fluid window's button, blanks included
  // Weight Alpha of the liquid reference temperature Tw + Alpha·(Tsat − Tw).
  double referenceWeight;
  // The film's sensible-heat weight in the modified enthalpy of vaporization
  // is this constant for some fluids; for the others it is 0.683 − 0.228/PrL.
  std::optional<double> fixedSubcoolingWeight;
  // Below this temperature [K] the liquid freezes; none where the tables
  // stop above it (R-1234yf's start at its equation's lower limit, 220 K).
  std::optional<double> triplePoint;
  // Critical pressure [Pa] of the equation of state behind the property
  // file (mercury's as measured, about 167 MPa), for comparing fluids at one
  // reduced pressure p/pc.
  double criticalPressure;
};

inline constexpr std::array<Fluid, kFluidCount> kFluids{{
    {kWater, "wat", "water", "", "water", "H2O", "1) H2O", 0.33, 0.35, 273.16, 22.064e6},
    {kAmmonia, "nh3", "ammonia", "", "ammonia", "NH3", "2) NH3 ", 0.61, 0.35, 195.495, 11.333e6},
    {kNitrogen, "n2", "nitrogen", "", "nitrogen", "N2", "3) N2   ", 0.5, std::nullopt, 63.151,
     3.3958e6},
    {kMercury, "hg", "mercury", "", "mercury", "Hg", "4) Hg   ", 0.5, std::nullopt, 234.3156,
     167.0e6},
    {kR22, "fre22", "r22", "", "R-22", "R-22", "5) R-22", 0.5, std::nullopt, 115.73, 4.99e6},
    {kR134a, "fr134a", "r134a", "", "R-134a", "R-134a", "6) R-134a", 0.5, std::nullopt, 169.85,
     4.05928e6},
    // Today's refrigerants, beside the six of the fluid window's first page.
    {kR32, "r32", "r32", "", "R-32", "R-32", "7) R-32", 0.5, std::nullopt, 136.34, 5.782645e6},
    {kR1234yf, "r1234yf", "r1234yf", "", "R-1234yf", "R-1234yf", "8) R-1234yf", 0.5, std::nullopt,
     std::nullopt, 3.382246e6},
    {kR1234ze, "r1234ze", "r1234ze", "", "R-1234ze(E)", "R-1234ze(E)", "9) R-1234ze", 0.5,
     std::nullopt, 168.62, 3.63487e6},
    {kPropane, "r290", "r290", "propane", "R-290", "R-290", "10) R-290", 0.5, std::nullopt, 85.525,
     4.251165e6},
    {kIsobutane, "r600a", "r600a", "isobutane", "R-600a", "R-600a", "11) R-600a", 0.5, std::nullopt,
     113.73, 3.629e6},
    {kCarbonDioxide, "co2", "co2", "r744", "CO2", "CO2", "12) CO2", 0.5, std::nullopt, 216.592,
     7.377298e6},
}};

// The fluid of a number 1..kFluidCount, or none.
const Fluid* FindFluid(int number);

// The fluid of a name ("water", "R134a", "r-134a", "R-1234ze(E)",
// "propane"), of its formula ("H2O", "N2"; any case) or of its number
// written as text ("6"), or none.
const Fluid* ParseFluid(std::string_view text);

// The names ParseFluid takes, for messages and help texts: "water, ammonia,
// ..., co2 (r744) or the number 1 to 12".
std::string FluidChoices();

}  // namespace dorix
