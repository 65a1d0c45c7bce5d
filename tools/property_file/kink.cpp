// SPDX-License-Identifier: MIT
#include "kink.h"

#include <cmath>

namespace dorix::tools {

std::optional<double> NormalBoilingPoint(const ReferenceTable& tsat) {
  for (const ReferenceRow& row : tsat.rows) {
    if (row.x == kAtmosphere) return row.y;
  }
  return std::nullopt;
}

std::optional<int> RowNear(const ReferenceTable& table, double x) {
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    if (std::abs(table.rows[i].x - x) <= 1e-6 * std::abs(x)) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace dorix::tools
