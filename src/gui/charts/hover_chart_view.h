// SPDX-License-Identifier: MIT
#pragma once

#include <QChartView>

namespace dorix {

// A chart view that reports where the mouse is over its chart.
class HoverChartView : public QChartView {
  Q_OBJECT

 public:
  explicit HoverChartView(QChart* chart, QWidget* parent = nullptr);

 signals:
  // The mouse at this position of the chart.
  void hovered(QPointF chartPosition);
  void left();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace dorix
