// SPDX-License-Identifier: MIT
// The report's numbers start from a value's 15-significant-digit decimal
// form. The fast exact conversion must give the library conversion's digits
// for every double: random magnitudes over many decades, the neighbours of
// powers of ten, and exact ties, which go to the even neighbour.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/text/decimal_form.h"

namespace dorix {
namespace {

void ExpectSameForm(double x) {
  const DecimalForm fast = FifteenDigits(x);
  const DecimalForm text = FifteenDigitsByText(x);
  ASSERT_EQ(fast.digits, text.digits) << std::hexfloat << x;
  ASSERT_EQ(fast.exponent, text.exponent) << std::hexfloat << x;
}

TEST(FifteenDigits, AgreesWithTheLibraryOnRandomValuesAndAroundPowersOfTen) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> decade(-14.0, 22.0);
  for (int i = 0; i < 400'000; ++i) {
    const double x = std::pow(10.0, decade(random));
    ExpectSameForm(x);
    ExpectSameForm(-x);
  }
  for (int k = -12; k <= 20; ++k) {
    double below = std::pow(10.0, k);
    double above = below;
    for (int step = 0; step < 64; ++step) {
      ExpectSameForm(below);
      ExpectSameForm(above);
      below = std::nextafter(below, 0.0);
      above = std::nextafter(above, INFINITY);
    }
  }
}

// 1e14 + 0.5 and 1e14 + 1.5 lie exactly halfway between two 15-digit values
// and go to the even one; 9.9999999999999995 carries into the next power.
TEST(FifteenDigits, RoundsExactTiesToEvenAndCarries) {
  EXPECT_EQ(FifteenDigits(1e14 + 0.5), (DecimalForm{100'000'000'000'000, 14}));
  EXPECT_EQ(FifteenDigits(1e14 + 1.5), (DecimalForm{100'000'000'000'002, 14}));
  EXPECT_EQ(FifteenDigits(9.9999999999999995), (DecimalForm{100'000'000'000'000, 1}));
  EXPECT_EQ(FifteenDigits(0.0), (DecimalForm{0, 0}));
  for (const double x : {1e14 + 0.5, 1e14 + 1.5, 9.9999999999999995, 999.99999999999994}) {
    ExpectSameForm(x);
  }
}

}  // namespace
}  // namespace dorix
