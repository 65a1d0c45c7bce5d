// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace dorix {

// A decimal number with optional sign and exponent ("-1.5", "+2", ".5",
// "1E-06"), rounded once to single precision. Anything else (blanks, "inf",
// "nan", hexadecimal, a comma, a value beyond the single-precision range)
// gives no value.
std::optional<float> ParseSingle(std::string_view text);

// A decimal number as ParseSingle takes it, kept at double precision; a
// value beyond the double range gives none.
std::optional<double> ParseDouble(std::string_view text);

// True for a well-formed decimal number whose magnitude single precision
// cannot hold ("1e39", "1e-50").
bool IsBeyondSingleRange(std::string_view text);

// Strips the blanks (spaces and tabs) at both ends of a text.
std::string_view TrimBlanks(std::string_view text);

}  // namespace dorix
