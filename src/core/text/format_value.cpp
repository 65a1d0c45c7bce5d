// SPDX-License-Identifier: MIT
#include "core/text/format_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

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

// |x| as digits × 10^(exponent − 14), digits holding 15 significant decimal digits.
struct DecimalForm {
  std::uint64_t digits = 0;
  int exponent = 0;
};

DecimalForm ToDecimalForm(double x) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  DecimalForm form;
  const char* p = buffer.data();
  for (; p != result.ptr && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9')
      form.digits = form.digits * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  form.exponent = std::atoi(p + 1);
  return form;
}

std::uint64_t PowerOfTen(int n) {
  std::uint64_t power = 1;
  for (int i = 0; i < n; ++i) power *= 10;
  return power;
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
  const DecimalForm form = ToDecimalForm(x);
  // In every fixed band the digits dropped lie between 10 and 12.
  const std::uint64_t scaled =
      RoundAway(form.digits, kSignificantDigits - 1 - form.exponent - decimals);
  const std::uint64_t unit = PowerOfTen(decimals);
  AppendDigits(out, scaled / unit);
  out += '.';
  if (decimals == 0) return;
  // The fraction with its leading zeros: unit + fraction has decimals + 1 digits.
  const std::size_t at = out.size();
  AppendDigits(out, unit + scaled % unit);
  out.erase(at, 1);
}

void AppendScientific(std::string& out, double x) {
  DecimalForm form = ToDecimalForm(x);
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
