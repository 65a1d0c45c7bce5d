// SPDX-License-Identifier: MIT
#include "core/text/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace dorix {

namespace {

constexpr double kTargetTicks = 5.0;
constexpr int kMostDecades = 8;

// Plain labels from 1e-3 up to below 1e6 in magnitude.
constexpr double kSmallestPlain = 1e-3;
constexpr double kLargestPlain = 1e6;
// A label stands for its value when it is this close, relative to the axis's
// span: far finer than any step, coarse enough that a wall length read from
// single precision (0.3f) still reads 0.3.
constexpr double kLabelTolerance = 1e-6;
// Beyond the decimals of the axis's first step, an end tick between round
// ticks (the end of the wall) gets at most this many more.
constexpr int kMostExtraDecimals = 2;
constexpr int kMostDecimals = 15;

// A round step: 1, 2 or 5 (or 10) times 10^exponent.
struct Step {
  double multiple = 1.0;
  int exponent = 0;

  double Size() const { return Times(1.0); }
  // k steps, as the nearest double to the decimal number: divided by an
  // exact power of ten rather than multiplied by an inexact one.
  double Times(double k) const {
    const double units = k * multiple;
    return exponent < 0 ? units / std::pow(10.0, -exponent) : units * std::pow(10.0, exponent);
  }
};

Step RoundStep(double range) {
  const double raw = range / kTargetTicks;
  const int exponent = static_cast<int>(std::floor(std::log10(raw)));
  const double scaled = raw / std::pow(10.0, exponent);
  if (scaled < 1.5) return {1.0, exponent};
  if (scaled < 3.5) return {2.0, exponent};
  if (scaled < 7.5) return {5.0, exponent};
  return {10.0, exponent};
}

// The fewest decimals that write `value` within `tolerance`.
int DecimalsFor(double value, double tolerance) {
  for (int decimals = 0; decimals < kMostDecimals; ++decimals) {
    const double scale = std::pow(10.0, decimals);
    if (std::abs(std::round(value * scale) / scale - value) <= tolerance) return decimals;
  }
  return kMostDecimals;
}

// The power of ten of a nonzero value's leading digit.
int ExponentOf(double value) {
  return static_cast<int>(std::floor(std::log10(std::abs(value))));
}

std::string Printed(const char* format, int decimals, double value) {
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), format, decimals, value);
  return text.data();
}

}  // namespace

std::vector<AxisTick> LinearTicks(double lo, double hi) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return {{0.0, 0.0}, {1.0, 1.0}};
  if (!(hi > lo)) hi = lo + std::max(std::abs(lo), 1.0);
  const Step step = RoundStep(hi - lo);
  const double first = std::floor(lo / step.Size());
  const double last = std::ceil(hi / step.Size());
  std::vector<AxisTick> ticks;
  for (double k = first; k <= last; ++k) {
    const double value = step.Times(k);
    ticks.push_back({value, value});
  }
  return ticks;
}

std::vector<AxisTick> TicksEndingAt(double end) {
  std::vector<AxisTick> ticks = LinearTicks(0.0, end);
  if (ticks.size() < 3) return ticks;
  const double step = ticks[1].value - ticks[0].value;
  while (ticks.size() > 2 && ticks.back().value > end) ticks.pop_back();
  // Labels closer than about half a step would run into each other.
  if (end - ticks.back().value < 0.6 * step) ticks.pop_back();
  ticks.push_back({end, end});
  return ticks;
}

std::vector<AxisTick> DecadeTicks(double lo, double hi) {
  if (!(lo > 0) || !std::isfinite(lo) || !std::isfinite(hi)) return {{0.0, 1.0}, {1.0, 10.0}};
  const int first = static_cast<int>(std::floor(std::log10(lo)));
  int last = static_cast<int>(std::ceil(std::log10(std::max(hi, lo))));
  if (last <= first) last = first + 1;
  const int stride = std::max(1, (last - first + kMostDecades - 1) / kMostDecades);
  std::vector<AxisTick> ticks;
  for (int k = first;; k += stride) {
    ticks.push_back({static_cast<double>(k), std::pow(10.0, k)});
    if (k >= last) break;
  }
  return ticks;
}

std::vector<std::string> TickLabels(const std::vector<AxisTick>& ticks) {
  if (ticks.empty()) return {};
  double largest = 0.0;
  double low = ticks.front().value;
  double high = low;
  for (const AxisTick& tick : ticks) {
    largest = std::max(largest, std::abs(tick.value));
    low = std::min(low, tick.value);
    high = std::max(high, tick.value);
  }
  const double span = high > low ? high - low : std::max(largest, 1.0);
  const bool scientific = largest >= kLargestPlain || (largest > 0 && largest < kSmallestPlain);

  // Decimals of the plain value, or of the mantissa in scientific notation.
  const auto decimals = [&](double value) {
    if (value == 0) return 0;
    const double shift = scientific ? std::pow(10.0, ExponentOf(value)) : 1.0;
    return DecimalsFor(value / shift, kLabelTolerance * span / shift);
  };
  int most = 0;
  for (const AxisTick& tick : ticks) most = std::max(most, decimals(tick.value));
  if (ticks.size() > 1) {
    most = std::min(most, decimals(ticks[1].value - ticks[0].value) + kMostExtraDecimals);
  }

  std::vector<std::string> labels;
  labels.reserve(ticks.size());
  for (const AxisTick& tick : ticks) {
    // No "-0" for a zero that arithmetic left negative.
    const double value = tick.value == 0 ? 0.0 : tick.value;
    labels.push_back(Printed(scientific ? "%.*E" : "%.*f", most, value));
  }
  return labels;
}

std::vector<std::string> DecadeLabels(const std::vector<AxisTick>& ticks) {
  static constexpr std::array<const char*, 10> kSuperscriptDigits = {
      "\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
      "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
  std::vector<std::string> labels;
  labels.reserve(ticks.size());
  for (const AxisTick& tick : ticks) {
    const long exponent = std::lround(tick.at);
    std::string label = "10";
    if (exponent < 0) label += "\u207B";
    for (const char digit : std::to_string(std::labs(exponent))) {
      label += kSuperscriptDigits[static_cast<std::size_t>(digit - '0')];
    }
    labels.push_back(label);
  }
  return labels;
}

}  // namespace dorix
