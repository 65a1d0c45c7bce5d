// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/fluids/fluid.h"

namespace dorix {

inline constexpr int kMaxCurves = 200;
inline constexpr int kMaxPoints = 200;

// One curve's points, indexed [column][point]: column 1 holds the abscissae,
// column 2 the scaled ordinates, points run from 1. Index 0 is never used.
using CurvePoints = std::array<std::array<float, kMaxPoints + 1>, 3>;

// 1-based matrices and vectors of order up to 4 for SolveLinear.
using LinearMatrix = std::array<std::array<double, 5>, 5>;
using LinearVector = std::array<double, 5>;

// The coefficients c[1..4] of the cubic ((c1 + c2·x) + c3·x²) + c4·x³ of one
// window of four curve points.
using CubicFit = LinearVector;

// The table store: up to 200 named curves, filled once from the property file
// in file order and only read afterwards. Every array is indexed from 1.
struct PropertyStore {
  PropertyStore();

  std::vector<std::string> PropName;    // empty for a slot never loaded
  std::vector<std::int16_t> PropCount;  // 0 for a slot never loaded
  std::vector<CurvePoints> PropData;    // PropData[curve][column][point]

  // Slot of the first curve with this exact name, or 0 when there is none.
  [[nodiscard]] int FindCurve(const std::string& name) const;

  // Notes the slot of each fluid's property curves, so that a lookup by
  // fluid and code finds the same curve as FindCurve without a search, and
  // fits the cubic of every window of those curves once, so that a lookup
  // only evaluates it. Called once the curves are in place; the store is not
  // to change after it.
  void IndexCurves();
  // Slot of the fluid's (1..kFluidCount) curve of a property code (1..11), or 0.
  [[nodiscard]] int CurveSlot(int fluid, int code) const;
  // The fitted windows of an indexed slot by first point, or null.
  [[nodiscard]] const CubicFit* WindowFits(int slot) const;

 private:
  std::array<std::array<std::int16_t, 12>, kFluidCount + 1> slots_{};
  std::vector<std::vector<CubicFit>> fits_;  // [slot][first point]
};

}  // namespace dorix
