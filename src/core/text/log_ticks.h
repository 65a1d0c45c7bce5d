// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/text/axis_ticks.h"

namespace dorix {

// Ticks of a logarithmic axis from lo to hi (both positive), each at log10
// of its value, the first at or below lo and the last at or above hi: the
// round steps of a linear axis for a range within a factor of three, 1, 2
// and 5 times powers of ten up to three decades, powers of ten beyond.
std::vector<AxisTick> LogarithmicTicks(double lo, double hi);

// The labels of logarithmic ticks: each with just the decimals it needs
// ("0.001", "0.01", "1", "100"), since a common count of decimals reads badly
// over several decades; scientific on every tick where TickLabels would be.
std::vector<std::string> LogarithmicTickLabels(const std::vector<AxisTick>& ticks);

}  // namespace dorix
