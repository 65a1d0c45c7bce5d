#include "core/text/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace dorix {

namespace {

constexpr double kTargetTicks = 5.0;
constexpr int kMostDecades = 8;

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

}  // namespace dorix
