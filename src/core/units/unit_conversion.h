// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/units/quantity.h"

namespace dorix {

// How a unit text relates to a quantity's SI unit.
enum class UnitFit {
  kConverts,    // a unit of the quantity: `value` holds the converted number
  kIsSiUnit,    // the SI unit itself ("K", "kelvin"): the number needs no conversion
  kUnknown,     // not a unit the units library knows
  kUnfitting,   // a unit, but of another quantity
  kNoDatabase,  // the units library's database cannot be read
};

struct UnitConversion {
  UnitFit fit = UnitFit::kUnknown;
  double value = 0.0;
};

// `value` in `unit` ("degC", "bar", "kg/m s") expressed in the SI unit of
// `quantity`. As engineers write it, everything after a single slash is the
// denominator: "kg/m s" is kg/(m s). Safe to call from many threads.
UnitConversion ConvertToSi(double value, std::string_view unit, Quantity quantity);

}  // namespace dorix
