// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "core/fluids/fluid.h"
#include "core/props/property_store.h"
#include "gui/widgets/rich_line.h"

namespace dorix {

// The rows of one table: the fluid window shows the fluids six at a time.
inline constexpr int kTableRows = 6;

// The columns of the table of valid ranges.
enum class RangeColumn { kLiquid, kVapor, kTsat, kPsat, kSigma };

inline constexpr int kRangeColumnCount = 5;

struct ValueRange {
  double low = 0.0;
  double high = 0.0;
};

// The range over which the store's curves of a fluid (1..12) cover a column,
// as the table shows it: the abscissae common to every curve of the column
// that the store holds. Tsat is the temperature range of the
// saturation-pressure curve and Psat the pressure range of the
// saturation-temperature curve. None when the store holds no such curve or
// the curves share no abscissa.
std::optional<ValueRange> CoveredRange(const PropertyStore& store, int fluid, RangeColumn column);

// A bound as the table writes it, five significant digits at most: "273.15",
// "42980", or from 100000 on a mantissa and a power of ten, 6.25x10^6.
struct RangeNumber {
  QString digits;      // "273.15", or the mantissa "6.25"
  int powerOfTen = 0;  // 0: no power of ten is written
};

RangeNumber RangeNumberText(double value);

// The fluid window's table of valid ranges: a header row and one row per
// fluid of a page, each cell the range that the loaded property data covers.
// Drawn as vector graphics in a 541 x 220 design grid, scaled to the widget.
//
// The fluid window lays a button over each row's label in the first column.
// The table's rules follow those buttons: the header rule runs along the top
// of the first, a rule fills the gap between each two, the bottom rule runs
// along the foot of the last, and the first column ends at their right edge.
class RangesPicture : public QWidget {
  Q_OBJECT

 public:
  // `rowLabels`: where the buttons over the first column lie, in the
  // picture's design grid, top row first; the rows hold the fluids from
  // `firstFluid` on. Reads the ranges from the shared store, which must be
  // loaded.
  RangesPicture(const std::array<QRect, kTableRows>& rowLabels, int firstFluid,
                QWidget* parent = nullptr);

  // The lines of a range cell: one, or two when a single line would not fit.
  std::vector<RichLine> CellLines(int fluid, RangeColumn column) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF CellRect(int row, int column) const;

  int firstFluid_;
  std::array<std::array<std::vector<RichLine>, kRangeColumnCount>, kTableRows> cells_;
  // Horizontal rules from the top edge down, vertical ones from the left.
  std::array<qreal, kTableRows + 2> rowRules_{};
  std::array<qreal, kRangeColumnCount + 2> columnRules_{};
};

}  // namespace dorix
