// SPDX-License-Identifier: MIT
#include "core/text/format_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/text/decimal_form.h"

namespace dorix {

namespace {

constexpr int kSignificantDigits = 15;

struct Band {
  double lower;
  double upper;
  int decimals;
};

// Tested top to bottom; a value in none of them is written in scientific form.
constexpr std::array<Band, 6> kFixedBands = {{
    {0.01, 0.1, 5},
    {0.1, 1, 4},
    {1, 10, 3},
    {10, 100, 2},
    {100, 1000, 1},
    {1000, 10000, 0},
}};

// 10^n for n = 0..19.
constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

std::uint64_t PowerOfTen(int n) {
  return kPowersOfTen[static_cast<std::size_t>(n)];
}

// digits / 10^dropped, rounded half away from zero.
std::uint64_t RoundAway(std::uint64_t digits, int dropped) {
  const std::uint64_t divisor = PowerOfTen(dropped);
  std::uint64_t kept = digits / divisor;
  if ((digits % divisor) * 2 >= divisor) ++kept;
  return kept;
}

// Appends the decimal digits of n.
void AppendDigits(std::string& out, std::uint64_t n) {
  std::array<char, 24> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n).ptr;
  out.append(buffer.data(), end);
}

void AppendFixed(std::string& out, double x, int decimals) {
  const DecimalForm form = FifteenDigits(x);
  // In every fixed band the digits dropped lie between 10 and 12.
  const std::uint64_t scaled =
      RoundAway(form.digits, kSignificantDigits - 1 - form.exponent - decimals);
  // The digits of `scaled`, with leading zeros up to one before the point.
  std::array<char, 32> buffer{};
  char* first = buffer.data() + decimals + 1;
  char* const end = std::to_chars(first, buffer.data() + buffer.size(), scaled).ptr;
  while (end - first < decimals + 1) *--first = '0';
  const auto whole = static_cast<std::size_t>(end - first - decimals);
  out.append(first, whole);
  out += '.';
  out.append(first + whole, static_cast<std::size_t>(decimals));
}

void AppendScientific(std::string& out, double x) {
  DecimalForm form = FifteenDigits(x);
  std::uint64_t mantissa = RoundAway(form.digits, kSignificantDigits - 3);
  if (mantissa == 1000) {
    mantissa = 100;
    ++form.exponent;
  }
  if (x < 0) out += '-';
  out += static_cast<char>('0' + mantissa / 100);
  out += '.';
  out += static_cast<char>('0' + mantissa / 10 % 10);
  out += static_cast<char>('0' + mantissa % 10);
  out += 'E';
  out += form.exponent < 0 ? '-' : '+';
  const int exponent = std::abs(form.exponent);
  if (exponent < 10) out += '0';
  AppendDigits(out, static_cast<std::uint64_t>(exponent));
}

}  // namespace

std::string FormatValue(double x) {
  std::string text;
  AppendFormatValue(text, x);
  return text;
}

void AppendFormatValue(std::string& out, double x) {
  if (std::isnan(x)) {
    out += "NaN";
  } else if (std::isinf(x)) {
    out += x > 0 ? "Infinity" : "-Infinity";
  } else {
    for (const Band& band : kFixedBands) {
      if (x > band.lower && x < band.upper) return AppendFixed(out, x, band.decimals);
    }
    AppendScientific(out, x);
  }
}

}  // namespace dorix
