// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/props/property_store.h"

namespace dorix {

// The columns of the fluid window's table of valid ranges.
enum class RangeColumn { kLiquid, kVapor, kTsat, kPsat, kSigma };

inline constexpr int kRangeColumnCount = 5;

struct ValueRange {
  double low = 0.0;
  double high = 0.0;
};

// The range over which the store's curves of a fluid (1..12) cover a column,
// as the fluid window shows it: the abscissae common to every curve of the
// column that the store holds. Tsat is the temperature range of the
// saturation-pressure curve and Psat the pressure range of the
// saturation-temperature curve. None when the store holds no such curve or
// the curves share no abscissa.
std::optional<ValueRange> CoveredRange(const PropertyStore& store, int fluid, RangeColumn column);

// Unit written after a column's upper bound: "K", or "Pa" for Psat.
const char* RangeUnit(RangeColumn column);

// A bound as the table writes it, five significant digits at most: "273.15",
// "42980", or from 100000 on a mantissa and a power of ten, 6.25x10^6.
struct RangeNumber {
  std::string digits;  // "273.15", or the mantissa "6.25"
  int powerOfTen = 0;  // 0: no power of ten is written
};

RangeNumber RangeNumberText(double value);

}  // namespace dorix
