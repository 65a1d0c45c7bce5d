// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "core/text/axis_ticks.h"

namespace dorix {

// Ticks of a logarithmic axis from lo to hi (both positive), each at log10
// of its value, the first at or below lo and the last at or above hi: the
// round steps of a linear axis for a range within a factor of three, 1, 2
// and 5 times powers of ten up to three decades, powers of ten beyond.
std::vector<AxisTick> LogarithmicTicks(double lo, double hi);

}  // namespace dorix
