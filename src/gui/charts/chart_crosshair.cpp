// SPDX-License-Identifier: MIT
#include "gui/charts/chart_crosshair.h"

#include <QChart>
#include <QPen>

namespace dorix {

ChartCrosshair::ChartCrosshair(QChart* chart) : QGraphicsLineItem(chart), chart_(chart) {
  QPen pen(Qt::black, 1, Qt::DotLine);
  pen.setCosmetic(true);
  setPen(pen);
  setZValue(20);
  hide();
}

void ChartCrosshair::ShowAt(double x, QAbstractSeries* series) {
  const qreal at = chart_->mapToPosition(QPointF(x, 0.0), series).x();
  const QRectF plot = chart_->plotArea();
  setLine(at, plot.top(), at, plot.bottom());
  show();
}

}  // namespace dorix
