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

std::string FormatFixed(double x, int decimals) {
  const DecimalForm form = ToDecimalForm(x);
  // In every fixed band the digits dropped lie between 10 and 12.
  const std::uint64_t scaled =
      RoundAway(form.digits, kSignificantDigits - 1 - form.exponent - decimals);
  std::string text = std::to_string(scaled);
  if (static_cast<int>(text.size()) <= decimals) {
    text.insert(0, static_cast<std::size_t>(decimals) + 1 - text.size(), '0');
  }
  text.insert(text.size() - static_cast<std::size_t>(decimals), ".");
  return text;
}

std::string FormatScientific(double x) {
  DecimalForm form = ToDecimalForm(x);
  std::uint64_t mantissa = RoundAway(form.digits, kSignificantDigits - 3);
  if (mantissa == 1000) {
    mantissa = 100;
    ++form.exponent;
  }
  const std::string digits = mantissa == 0 ? "000" : std::to_string(mantissa);
  std::string exponent = std::to_string(std::abs(form.exponent));
  if (exponent.size() < 2) exponent.insert(0, "0");
  return std::string(x < 0 ? "-" : "") + digits[0] + "." + digits.substr(1) + "E" +
         (form.exponent < 0 ? "-" : "+") + exponent;
}

}  // namespace

std::string FormatValue(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  for (const Band& band : kFixedBands) {
    if (x > band.lower && x < band.upper) return FormatFixed(x, band.decimals);
  }
  return FormatScientific(x);
}

}  // namespace dorix
