// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorix {

// The number a field's text stands for, rounded once to single precision:
// decimal notation with optional sign and exponent, blanks around it ignored.
// Empty text, letters, "inf", "nan", hexadecimal, a decimal comma or a value
// beyond the single-precision range give no value.
std::optional<float> ReadFieldText(std::string_view text);

// The message for a field whose text is not a number, naming the field by
// its label, such as "Wall temperature [K]".
std::string NotANumberMessage(std::string_view fieldLabel, std::string_view text);

// The message for a field whose value, as `shown`, single precision cannot hold.
std::string BeyondSingleRangeMessage(std::string_view fieldLabel, std::string_view shown);

}  // namespace dorix
