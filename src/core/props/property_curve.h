// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/props/property_store.h"

namespace dorix {

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

// Curve name of a fluid (1..kFluidCount) and property code (1..11), such as "wattsat";
// empty when either is outside its range.
std::string CurveName(int fluid, int code);

// True for the one property served by a constant instead of a curve.
bool IsConstantProperty(int fluid, int code);

// A curve's points, indexed from 1 like the store: X[1..n], Y[1..n], and,
// where the store has made them, the cubics of its windows by first point.
struct CurveView {
  const float* X = nullptr;
  const float* Y = nullptr;
  int n = 0;
  const CubicFit* fits = nullptr;
};

// The curve in a store's slot (1..200).
CurveView CurveInSlot(const PropertyStore& store, int slot);

// The curve's value at x by the cubic through the window of four points that
// holds x; flat within 1 % beyond either end. None for an argument beyond
// those margins (NaN included) or a curve of fewer than four points.
std::optional<double> EvaluateCurve(const CurveView& curve, double x);

// A property of a fluid at x, from the first curve of its name in the store
// (or the constant that stands for a curve). None when x is out of range or
// the store has no such curve. Reads the store only: safe from any thread.
std::optional<double> LookUpProperty(const PropertyStore& store, int fluid, int code, double x);

// Solves a·c = b of order n by Gaussian elimination with partial pivoting;
// a and b are overwritten.
void SolveLinear(LinearMatrix& a, LinearVector& b, LinearVector& c, int n);

// The cubic through the four points s..s+3 of a curve.
CubicFit FitWindow(const float* X, const float* Y, int s);

// Index of the first point of every window a lookup can choose on a curve
// of n points, each window once.
std::vector<int> WindowStarts(int n);

}  // namespace dorix
