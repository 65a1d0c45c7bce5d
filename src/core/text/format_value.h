// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace dorix {

// Report text of a number: four significant digits in fixed notation for
// values strictly between 0.01 and 10000 (bands per decade, bounds exclusive),
// three significant digits in scientific notation ("1.01E+05") otherwise.
// Rounding is half away from zero on the value's 15-significant-digit decimal
// form. The decimal separator is always a point.
std::string FormatValue(double x);

// Appends FormatValue(x) to `out` without making a string of its own: the
// reports are made of little else.
void AppendFormatValue(std::string& out, double x);

}  // namespace dorix
