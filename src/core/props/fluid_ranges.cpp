// SPDX-License-Identifier: MIT
#include "core/props/fluid_ranges.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string_view>

#include "core/props/property_curve.h"

namespace dorix {

namespace {

constexpr std::array<int, 4> kLiquidCodes = {kLiquidDensity, kLiquidViscosity, kLiquidConductivity,
                                             kLiquidPrandtl};
constexpr std::array<int, 3> kVaporCodes = {kVaporViscosity, kVaporConductivity,
                                            kVaporSpecificHeat};
// The saturation-pressure curve runs over temperature, the saturation-temperature
// curve over pressure.
constexpr std::array<int, 1> kTsatCodes = {kSaturationPressure};
constexpr std::array<int, 1> kPsatCodes = {kSaturationTemperature};
constexpr std::array<int, 1> kSigmaCodes = {kSurfaceTension};

std::span<const int> ColumnCodes(RangeColumn column) {
  switch (column) {
    case RangeColumn::kLiquid:
      return kLiquidCodes;
    case RangeColumn::kVapor:
      return kVaporCodes;
    case RangeColumn::kTsat:
      return kTsatCodes;
    case RangeColumn::kPsat:
      return kPsatCodes;
    case RangeColumn::kSigma:
      break;
  }
  return kSigmaCodes;
}

// Removes trailing zeros of a fraction, and its point when nothing follows.
std::string TrimFraction(std::string_view digits) {
  std::string text(digits);
  if (text.find('.') == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

constexpr int kSignificantDigits = 5;
constexpr int kFirstPowerWritten = 5;

}  // namespace

std::optional<ValueRange> CoveredRange(const PropertyStore& store, int fluid, RangeColumn column) {
  std::optional<ValueRange> common;
  for (const int code : ColumnCodes(column)) {
    const int slot = store.FindCurve(CurveName(fluid, code));
    const int count = slot == 0 ? 0 : store.PropCount[slot];
    if (count < 1) continue;  // mercury's vapour specific heat is a constant
    const auto& abscissae = store.PropData[slot][1];
    const ValueRange curve{abscissae[1], abscissae[count]};
    if (!common) {
      common = curve;
    } else {
      common->low = std::max(common->low, curve.low);
      common->high = std::min(common->high, curve.high);
    }
  }
  if (common && common->low > common->high) return std::nullopt;
  return common;
}

const char* RangeUnit(RangeColumn column) {
  return column == RangeColumn::kPsat ? "Pa" : "K";
}

RangeNumber RangeNumberText(double value) {
  // Scientific form first: it tells the power of ten after rounding.
  std::array<char, 64> buffer{};
  const auto scientific = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer.data(), scientific.ptr - buffer.data());
  const std::size_t e = text.find('e');
  int power = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  power);
  if (power >= kFirstPowerWritten) return {TrimFraction(text.substr(0, e)), power};

  const auto plain = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, kSignificantDigits);
  return {TrimFraction(std::string_view(buffer.data(), plain.ptr - buffer.data())), 0};
}

}  // namespace dorix
