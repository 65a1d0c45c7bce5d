// SPDX-License-Identifier: MIT
#include "core/text/field_text.h"

#include "core/text/decimal_text.h"

namespace dorix {

std::optional<float> ReadFieldText(std::string_view text) {
  return ParseSingle(TrimBlanks(text));
}

std::string NotANumberMessage(std::string_view fieldLabel, std::string_view text) {
  const std::string_view shown = TrimBlanks(text);
  std::string message = "*** ERROR: " + std::string(fieldLabel);
  if (shown.empty()) return message + " is empty; please enter a number.";
  if (IsBeyondSingleRange(shown)) return BeyondSingleRangeMessage(fieldLabel, shown);
  return message + " is not a number: \"" + std::string(shown) + "\".";
}

std::string BeyondSingleRangeMessage(std::string_view fieldLabel, std::string_view shown) {
  return "*** ERROR: " + std::string(fieldLabel) +
         " is beyond the range of single-precision numbers: \"" + std::string(shown) + "\".";
}

}  // namespace dorix
