// SPDX-License-Identifier: MIT
#include "core/text/decimal_form.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace dorix {

namespace {

// GCC and Clang's 128-bit integer: wide enough for 53-bit mantissas times 10^22.
__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t kLowest15 = 100'000'000'000'000;    // 1e14
constexpr std::uint64_t kBeyond15 = 1'000'000'000'000'000;  // 1e15

// 10^k for k = 0..22: with a 53-bit mantissa the product stays below 2^128.
constexpr auto kPowersOfTen = [] {
  std::array<Wide, 23> powers{};
  Wide power = 1;
  for (Wide& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

// m·2^q·10^(14 − e), exactly: its integer part, and that rounded half to even.
struct Scaled {
  Wide whole;
  Wide rounded;
};

// None where the exact product would not fit: k outside 0..22 or q ≥ 0.
std::optional<Scaled> Scale(std::uint64_t m, int q, int e) {
  const int k = 14 - e;
  if (k < 0 || k > 22 || q >= 0 || -q >= 127) return std::nullopt;
  const Wide product = static_cast<Wide>(m) * kPowersOfTen[static_cast<std::size_t>(k)];
  const int shift = -q;
  const Wide whole = product >> shift;
  const Wide rest = product & ((static_cast<Wide>(1) << shift) - 1);
  const Wide half = static_cast<Wide>(1) << (shift - 1);
  const bool up = rest > half || (rest == half && (whole & 1) != 0);
  return Scaled{whole, whole + (up ? 1 : 0)};
}

}  // namespace

DecimalForm FifteenDigitsByText(double x) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                    std::chars_format::scientific, 14);
  DecimalForm form;
  const char* p = buffer.data();
  for (; p != result.ptr && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') {
      form.digits = form.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
  }
  form.exponent = std::atoi(p + 1);
  return form;
}

DecimalForm FifteenDigits(double x) {
  const double a = std::fabs(x);
  if (a == 0 || !std::isfinite(a)) return FifteenDigitsByText(x);
  int binaryExponent = 0;
  const double fraction = std::frexp(a, &binaryExponent);  // a = fraction·2^binaryExponent
  const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int q = binaryExponent - 53;
  // a lies in [2^(b−1), 2^b), so its decimal exponent is this guess or one
  // more: the whole part tells which.
  const int guess = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
  for (const int e : {guess, guess + 1}) {
    const std::optional<Scaled> scaled = Scale(m, q, e);
    if (!scaled || scaled->whole < kLowest15 || scaled->whole >= kBeyond15) continue;
    // Rounding up from 999…9.5 carries into the next power of ten.
    if (scaled->rounded == kBeyond15) return {kLowest15, e + 1};
    return {static_cast<std::uint64_t>(scaled->rounded), e};
  }
  return FifteenDigitsByText(x);
}

}  // namespace dorix
