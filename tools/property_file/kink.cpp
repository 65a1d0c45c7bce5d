#include "kink.h"

#include <cmath>
#include <cstdio>

namespace dorix::tools {

namespace {

constexpr double kAtmosphere = 101325.0;

// The cubic through four rows, by Lagrange's form, at x.
double CubicAt(const ReferenceTable& table, int from, double x) {
  double sum = 0.0;
  for (int i = from; i < from + 4; ++i) {
    double term = table.rows[i].y;
    for (int k = from; k < from + 4; ++k) {
      if (k != i) term *= (x - table.rows[k].x) / (table.rows[i].x - table.rows[k].x);
    }
    sum += term;
  }
  return sum;
}

}  // namespace

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

std::optional<std::string> RepairKinkRow(ReferenceTable& table, int row) {
  if (row < 4 || row + 4 >= static_cast<int>(table.rows.size())) return std::nullopt;
  const double x = table.rows[row].x;
  const double below = CubicAt(table, row - 4, x);
  const double above = CubicAt(table, row + 1, x);
  const double mean = 0.5 * (below + above);
  const double spread = std::abs(below - above) / std::abs(mean);
  const double held = table.rows[row].y;
  if (spread > 1e-4 || std::abs(held - mean) <= 1e-2 * std::abs(mean)) return std::nullopt;
  table.rows[row].y = mean;
  char note[256];
  std::snprintf(note, sizeof note,
                "the row at %.10g K held %.10g, which lies on neither branch; it is replaced by "
                "%.10g, where the cubics through the four rows on either side meet (they "
                "differ by %.1e)",
                x, held, mean, spread);
  return note;
}

}  // namespace dorix::tools
