#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "core/fluids/fluid.h"
#include "core/props/fluid_ranges.h"
#include "gui/ui/rich_line.h"

namespace dorix {

// The fluid window's table of valid ranges: a header row and one row per
// fluid, each cell the range that the loaded property data covers. Drawn as
// vector graphics in a 541 x 220 design grid, scaled to the widget.
class RangesPicture : public QWidget {
  Q_OBJECT

 public:
  // Reads the ranges from the shared store, which must be loaded.
  explicit RangesPicture(QWidget* parent = nullptr);

  // The lines of a range cell: one, or two when a single line would not fit.
  std::vector<RichLine> CellLines(int fluid, RangeColumn column) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<std::array<std::vector<RichLine>, kRangeColumnCount>, kFluidCount> cells_;
};

}  // namespace dorix
