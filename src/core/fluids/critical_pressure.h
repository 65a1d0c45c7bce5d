// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace dorix {

// A fluid's critical pressure in Pa, for comparing fluids at one reduced
// pressure p/pc; none for a fluid whose critical pressure is not recorded.
std::optional<double> CriticalPressure(int fluid);

}  // namespace dorix
