// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace dorix {

// |x| as digits × 10^(exponent − 14), digits holding 15 significant decimal
// digits: the exact binary value rounded once, ties to even (as the C
// library's "%.14e" rounds). Zero is digits 0, exponent 0.
struct DecimalForm {
  std::uint64_t digits = 0;
  int exponent = 0;

  bool operator==(const DecimalForm&) const = default;
};

// Exact integer arithmetic for the magnitudes reports show, the general
// conversion otherwise; always the same result as FifteenDigitsByText.
DecimalForm FifteenDigits(double x);

// The same form read back from the C++ library's scientific conversion.
DecimalForm FifteenDigitsByText(double x);

}  // namespace dorix
