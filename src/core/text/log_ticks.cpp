// SPDX-License-Identifier: MIT
#include "core/text/log_ticks.h"

#include <algorithm>
#include <cmath>

namespace dorix {

namespace {

constexpr double kLinearRatio = 3.0;
constexpr double kMostDecadesOfSteps = 3.0;

// 1, 2 or 5 times 10^exponent, as the nearest double to the decimal number.
double RoundValue(int multiple, int exponent) {
  const double power = std::pow(10.0, std::abs(exponent));
  return exponent < 0 ? multiple / power : multiple * power;
}

std::vector<AxisTick> OneTwoFiveTicks(double lo, double hi) {
  constexpr int kMultiples[] = {1, 2, 5};
  std::vector<AxisTick> ticks;
  for (int exponent = static_cast<int>(std::floor(std::log10(lo)));; ++exponent) {
    for (const int multiple : kMultiples) {
      const double value = RoundValue(multiple, exponent);
      // Only the last round value at or below lo starts the axis.
      if (value <= lo) ticks.clear();
      ticks.push_back({std::log10(value), value});
      if (value >= hi) return ticks;
    }
  }
}

}  // namespace

std::vector<AxisTick> LogarithmicTicks(double lo, double hi) {
  if (!(lo > 0) || !std::isfinite(lo) || !std::isfinite(hi)) return DecadeTicks(lo, hi);
  if (hi < lo) std::swap(lo, hi);
  if (hi <= kLinearRatio * lo) {
    // The steps stay below lo here, so every tick is positive.
    std::vector<AxisTick> ticks = LinearTicks(lo, hi);
    for (AxisTick& tick : ticks) tick.at = std::log10(tick.value);
    return ticks;
  }
  if (std::log10(hi / lo) <= kMostDecadesOfSteps) return OneTwoFiveTicks(lo, hi);
  return DecadeTicks(lo, hi);
}

std::vector<std::string> LogarithmicTickLabels(const std::vector<AxisTick>& ticks) {
  std::vector<std::string> labels = TickLabels(ticks);
  for (std::string& label : labels) {
    if (label.find('E') != std::string::npos) return labels;  // the axis is scientific
    // The axis's common decimals, less the zeros this tick does not need.
    if (label.find('.') == std::string::npos) continue;
    label.erase(label.find_last_not_of('0') + 1);
    if (label.back() == '.') label.pop_back();
  }
  return labels;
}

}  // namespace dorix
