// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

#include "core/fluids/fluid.h"
#include "core/props/fluid_ranges.h"
#include "gui/widgets/rich_line.h"

namespace dorix {

// The rows of one table: the fluid window shows the fluids six at a time.
inline constexpr int kTableRows = 6;

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
