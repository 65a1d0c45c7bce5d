// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace dorix {

// What a field measures, and so which units its text may carry. Each
// quantity's values are kept in one SI unit.
enum class Quantity {
  kNone,  // a plain number: counts and correlation coefficients
  kTemperature,
  kPressure,
  kLength,
  kMassFlowPerWidth,
};

// The units of a quantity as people and the units library name them.
struct QuantityUnits {
  std::string_view siUnit;    // the unit values are kept in, as the units library reads it
  std::string_view noun;      // "temperature", for messages
  std::string_view examples;  // the units a message suggests
};

// The units of a quantity; a plain number's unit is "1".
const QuantityUnits& UnitsOf(Quantity quantity);

}  // namespace dorix
