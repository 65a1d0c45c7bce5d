// SPDX-License-Identifier: MIT
// FormatValue fed arbitrary doubles (and single-precision values widened to
// double, as the windows pass field values): the band chosen, the pattern's
// shape and the value the text stands for are checked independently.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/text/format_value.h"

namespace {

void Require(bool holds, const char* what, double x, const std::string& text) {
  if (holds) return;
  std::fprintf(stderr, "\nFormatValue(%.17g) = \"%s\": %s\n", x, text.c_str(), what);
  std::abort();
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(const std::string& text, std::size_t from, std::size_t to) {
  if (from > to || to > text.size()) return false;
  for (std::size_t i = from; i < to; ++i) {
    if (!IsDigit(text[i])) return false;
  }
  return true;
}

// Decimals of the fixed band x falls in (both bounds exclusive), or -1.
int FixedDecimals(double x) {
  constexpr std::array<double, 7> kBounds = {0.01, 0.1, 1, 10, 100, 1000, 10000};
  for (std::size_t row = 0; row + 1 < kBounds.size(); ++row) {
    if (x > kBounds[row] && x < kBounds[row + 1]) return 5 - static_cast<int>(row);
  }
  return -1;
}

// Both forms round a 15-significant-digit decimal form of x.
long double Slack(double x) {
  return 1e-13L * std::fabs(static_cast<long double>(x));
}

void CheckFixed(double x, const std::string& text, int decimals) {
  const std::size_t point = text.find('.');
  Require(point != std::string::npos && point > 0 && AllDigits(text, 0, point) &&
              AllDigits(text, point + 1, text.size()) &&
              text.size() - point - 1 == static_cast<std::size_t>(decimals),
          "not the fixed pattern of its band", x, text);
  Require(text[0] != '0' || point == 1, "a leading zero", x, text);
  const long double shown = std::strtold(text.c_str(), nullptr);
  Require(std::fabs(shown - x) <= 0.5L * std::pow(10.0L, -decimals) + Slack(x),
          "not the value rounded to the band's decimals", x, text);
}

void CheckScientific(double x, const std::string& text) {
  const std::size_t sign = x < 0 ? 1 : 0;
  Require(sign == 0 || text[0] == '-', "a negative value without its sign", x, text);
  const std::size_t e = text.find('E');
  Require(e == sign + 4 && AllDigits(text, sign, sign + 1) && text[sign + 1] == '.' &&
              AllDigits(text, sign + 2, e) && e + 2 < text.size() &&
              (text[e + 1] == '+' || text[e + 1] == '-') && AllDigits(text, e + 2, text.size()) &&
              text.size() - e - 2 >= 2 && text.size() - e - 2 <= 3,
          "not the scientific pattern d.ddE+dd", x, text);
  Require((text[sign] != '0') == (x != 0), "a leading mantissa digit of zero", x, text);
  const int exponent = std::atoi(text.c_str() + e + 1);
  const long double shown = std::strtold(text.c_str(), nullptr);
  Require(std::fabs(shown - x) <= 0.5L * std::pow(10.0L, exponent - 2) + Slack(x),
          "not the value rounded to three significant digits", x, text);
}

void Check(double x) {
  const std::string text = dorix::FormatValue(x);
  Require(!text.empty(), "empty text", x, text);
  if (!std::isfinite(x)) return;
  const int decimals = FixedDecimals(x);
  if (decimals >= 0) {
    CheckFixed(x, text, decimals);
  } else {
    CheckScientific(x, text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    Check(x);
  }
  if (size >= sizeof(float)) {
    float f = 0;
    std::memcpy(&f, data, sizeof f);
    Check(static_cast<double>(f));
  }
  return 0;
}
