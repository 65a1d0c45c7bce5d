// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/units/quantity.h"

namespace dorix {

// What a field's text stands for in the SI unit of its quantity, rounded once
// to single precision, or the message that refuses the text.
struct FieldReading {
  std::optional<float> value;
  std::string message;  // "*** ERROR: ..." naming the field, when there is no value
};

// A plain number reads exactly as ReadFieldText reads it, without touching
// the units library. A number followed by a unit ("40 degC", "1.2 bar",
// "25 mm", "0.5 kg/m h") is converted to the quantity's SI unit, then rounded
// to single precision; a plain-number quantity takes no unit. `label` names
// the field in messages.
FieldReading ReadQuantityText(std::string_view text, Quantity quantity, std::string_view label);

}  // namespace dorix
