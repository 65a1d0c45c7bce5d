// SPDX-License-Identifier: MIT
#include "core/units/quantity.h"

#include <array>

namespace dorix {

const QuantityUnits& UnitsOf(Quantity quantity) {
  static constexpr std::array<QuantityUnits, 5> kUnits{{
      {"1", "plain number", "no unit"},
      {"K", "temperature", "K, degC, °C, degF or °F"},
      {"Pa", "pressure", "Pa, kPa, MPa, bar, mbar, atm or psi"},
      {"m", "length", "m, cm, mm, in or ft"},
      {"kg/(m s)", "mass flow rate per unit width", "kg/m s or kg/m h"},
  }};
  return kUnits[static_cast<std::size_t>(quantity)];
}

}  // namespace dorix
