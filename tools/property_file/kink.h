// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "reference_table.h"

namespace dorix::tools {

inline constexpr double kAtmosphere = 101325.0;

// The normal boiling point: the saturation temperature at 101325 Pa, read
// from the row a saturation-temperature table holds for that pressure.
std::optional<double> NormalBoilingPoint(const ReferenceTable& tsat);

// The row of a table at x (to within a millionth), if it has one.
std::optional<int> RowNear(const ReferenceTable& table, double x);

}  // namespace dorix::tools
