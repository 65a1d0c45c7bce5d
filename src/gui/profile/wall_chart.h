// SPDX-License-Identifier: MIT
#pragma once

#include <QChart>
#include <cstddef>
#include <utility>
#include <vector>

#include "core/solvers/wall_profile.h"

class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;

namespace dorix {

class ChartCrosshair;

// The film along a vertical wall: Re(x) on the left axis, linear or
// logarithmic, and the local coefficient h(x) with the report's average on
// the right, over the zones of the film's laws, shaded and named, with the
// transitions and a dry-out marked where they lie on the wall.
class WallChart : public QChart {
  Q_OBJECT

 public:
  WallChart(WallProfile profile, bool logRe);

  const WallProfile& Profile() const { return profile_; }
  // The profile point nearest to position x along the wall.
  std::size_t NearestPoint(double x) const;
  // The position along the wall under a point of the chart.
  double XAt(QPointF chartPosition);
  // A vertical line through the plot at x; none for x outside the wall.
  void ShowCrosshair(double x);
  void HideCrosshair();

  QLineSeries* ReSeries() const { return reSeries_; }
  QLineSeries* HSeries() const { return hSeries_; }
  QCategoryAxis* ReAxis() const { return reAxis_; }

 private:
  void AddZones();
  void AddMarks();
  void AddCurves(bool logRe);
  // A vertical line at x over the height of the coefficient axis.
  QLineSeries* AddVerticalLine(double x, const QString& name, const QPen& pen);
  void PlaceZoneLabels();

  WallProfile profile_;
  QCategoryAxis* xAxis_ = nullptr;
  QCategoryAxis* reAxis_ = nullptr;
  QCategoryAxis* hAxis_ = nullptr;
  double hBottom_ = 0.0;
  double hTop_ = 1.0;
  QLineSeries* reSeries_ = nullptr;
  QLineSeries* hSeries_ = nullptr;
  std::vector<std::pair<ZoneSpan, QGraphicsSimpleTextItem*>> zoneLabels_;
  ChartCrosshair* crosshair_ = nullptr;
};

}  // namespace dorix
