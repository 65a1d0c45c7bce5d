#pragma once

#include <array>
#include <string>

namespace dorix {

inline constexpr int kFluidCount = 6;
inline constexpr int kPropertyCodeCount = 11;

// Property codes, the second half of a curve name.
enum PropertyCode : int {
  kLiquidDensity = 1,
  kLiquidViscosity = 2,
  kLiquidConductivity = 3,
  kLiquidPrandtl = 4,
  kSaturationTemperature = 5,  // argument: pressure in Pa
  kSaturationPressure = 6,
  kSurfaceTension = 7,
  kEnthalpyOfVaporization = 8,
  kVaporViscosity = 9,
  kVaporConductivity = 10,
  kVaporSpecificHeat = 11,
};

// Mercury has no vapour specific heat curve; its value is this constant.
inline constexpr double kMercuryVaporSpecificHeat = 104.0;

// Curve name of a fluid (1..6) and property code (1..11), such as "wattsat";
// empty when either is outside its range.
std::string CurveName(int fluid, int code);

// True for the one property served by a constant instead of a curve.
bool IsConstantProperty(int fluid, int code);

// Evaluates a property at x by the local cubic through four curve points. On
// an argument beyond the curve's 1 % margins, or a curve that is not in the
// store, sets OutOfRange to 1 and leaves `result` untouched.
void GetProperty(int fluid, int code, double x, double& result);

// Copies the first curve of the store with this name into TabX, TabY, TabN.
// Returns false, leaving the working curve as it was, when no curve has it.
bool SelectTable(const std::string& name);

// 1-based matrices and vectors of order up to 4 for SolveLinear.
using LinearMatrix = std::array<std::array<double, 5>, 5>;
using LinearVector = std::array<double, 5>;

// Solves a·c = b of order n by Gaussian elimination with partial pivoting;
// a and b are overwritten.
void SolveLinear(LinearMatrix& a, LinearVector& b, LinearVector& c, int n);

}  // namespace dorix
