#include "app/fluid_ranges.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string_view>

#include "props/get_property.h"

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

// The valid ranges the program is designed for, by fluid 1..6 and column.
constexpr std::array<std::array<ValueRange, kRangeColumnCount>, 6> kDesignRanges = {{
    {{{273.15, 580}, {273.15, 2000}, {273.15, 550}, {610, 6.12e6}, {273.15, 647.3}}},
    {{{220, 320}, {250, 500}, {224, 318}, {42980, 1.774e6}, {220, 320}}},
    {{{70, 120}, {150, 2000}, {77.4, 126}, {1.013e5, 3.392e6}, {68, 90}}},
    {{{300, 600}, {650, 2000}, {385, 1000}, {70, 6.305e6}, {300, 600}}},
    {{{220, 320}, {253.15, 473.15}, {185, 375}, {3200, 3.455e6}, {180, 320}}},
    {{{260, 460}, {320.7, 460}, {250, 460}, {4350, 2.2256e6}, {270, 340}}},
}};

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

std::optional<ValueRange> ShownRange(const PropertyStore& store, int fluid, RangeColumn column) {
  std::optional<ValueRange> shown = CoveredRange(store, fluid, column);
  if (!shown || fluid < 1 || fluid > static_cast<int>(kDesignRanges.size())) return shown;
  const ValueRange& design = kDesignRanges[fluid - 1][static_cast<int>(column)];
  shown->low = std::max(shown->low, design.low);
  shown->high = std::min(shown->high, design.high);
  if (shown->low > shown->high) return std::nullopt;
  return shown;
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
