// SPDX-License-Identifier: MIT
#pragma once

#include <QGraphicsLineItem>

class QAbstractSeries;
class QChart;

namespace dorix {

// A dotted vertical line through a chart's plot area, over the chart's
// curves; hidden until shown.
class ChartCrosshair : public QGraphicsLineItem {
 public:
  explicit ChartCrosshair(QChart* chart);

  // At the value x on the horizontal axis of `series`.
  void ShowAt(double x, QAbstractSeries* series);

 private:
  QChart* chart_;
};

}  // namespace dorix
