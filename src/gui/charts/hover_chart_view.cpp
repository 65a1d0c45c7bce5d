// SPDX-License-Identifier: MIT
#include "gui/charts/hover_chart_view.h"

#include <QMouseEvent>

namespace dorix {

HoverChartView::HoverChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
}

void HoverChartView::mouseMoveEvent(QMouseEvent* event) {
  emit hovered(chart()->mapFromScene(mapToScene(event->position().toPoint())));
  QChartView::mouseMoveEvent(event);
}

void HoverChartView::leaveEvent(QEvent* event) {
  emit left();
  QChartView::leaveEvent(event);
}

}  // namespace dorix
