// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace dorix {

// A tick of a chart axis: where it sits on the axis, and the number its
// label shows. On a linear axis the two are the same; on a logarithmic one
// the tick sits at log10 of its value.
struct AxisTick {
  double at = 0.0;
  double value = 0.0;
};

// About five ticks at round steps (1, 2 or 5 times a power of ten) from a
// multiple of the step at or below `lo` to one at or above `hi`: the first
// and last ticks are the axis ends.
std::vector<AxisTick> LinearTicks(double lo, double hi);

// Round ticks from 0 that end exactly at `end` > 0: the last round tick
// short of it gives way to `end` itself when it is close.
std::vector<AxisTick> TicksEndingAt(double end);

// Ticks at powers of ten from the one at or below `lo` to the one at or
// above `hi` (both positive), every decade or every few for a wide range.
std::vector<AxisTick> DecadeTicks(double lo, double hi);

// The labels of an axis's ticks by value, all in one notation and with the
// same number of decimals, just enough to tell every tick exactly: plain
// ("0", "1000", "0.25"), or scientific on every tick ("2.5E-04") where the
// largest magnitude is 1e6 or more, or below 1e-3.
std::vector<std::string> TickLabels(const std::vector<AxisTick>& ticks);

// The labels of decade ticks by their power of ten: "10⁻²", "10⁰", "10³".
std::vector<std::string> DecadeLabels(const std::vector<AxisTick>& ticks);

}  // namespace dorix
