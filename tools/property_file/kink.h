#pragma once

#include <optional>
#include <string>

#include "reference_table.h"

namespace dorix::tools {

// The normal boiling point: the saturation temperature at 101325 Pa, read
// from the row a saturation-temperature table holds for that pressure.
std::optional<double> NormalBoilingPoint(const ReferenceTable& tsat);

// The row of a table at x (to within a millionth), if it has one.
std::optional<int> RowNear(const ReferenceTable& table, double x);

// The vapour curves change slope at the normal boiling point, so their row
// there must lie on both branches: where the cubics through the four rows on
// either side agree with each other but not with the row, the row holds a
// value from some other state, and it is replaced by their mean. Returns a
// note on the repair, or nothing when the row was sound.
std::optional<std::string> RepairKinkRow(ReferenceTable& table, int row);

}  // namespace dorix::tools
