// SPDX-License-Identifier: MIT
#pragma once

#include <QChart>
#include <cstddef>
#include <map>
#include <vector>

#include "core/sweep/study.h"

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;

namespace dorix {

class ChartCrosshair;

// How a study chart scales its axes.
struct StudyScales {
  bool logX = false;  // for logarithmic steps between positive ends
  bool logY = false;
};

// What a study chart draws of one fluid.
struct FluidCurve {
  // The curve, a piece for each run of points with a value: refused points,
  // a film that dried out and, on a logarithmic scale, values of zero or
  // below leave gaps.
  std::vector<QLineSeries*> pieces;
  // The points where the film dries out, along the bottom of the chart.
  QScatterSeries* dryOuts = nullptr;
};

// One result of a study against the swept field, a curve per fluid. On a
// vertical wall the Reynolds-number chart also draws, dashed, the Reynolds
// numbers at which the film turns wavy-laminar and turbulent.
class StudyChart : public QChart {
  Q_OBJECT

 public:
  StudyChart();

  // Draws a result of a study, in place of what the chart showed; `result`
  // counts the study's results from 0.
  void Show(const Study& study, std::size_t result, StudyScales scales);

  const FluidCurve& CurveOf(int fluid) const { return curves_.at(fluid); }
  const std::vector<QLineSeries*>& Transitions() const { return transitions_; }
  QCategoryAxis* XAxis() const { return xAxis_; }
  QCategoryAxis* YAxis() const { return yAxis_; }

  // The swept value under a point of the chart.
  double ValueAt(QPointF chartPosition);
  // A vertical line through the plot at a swept value.
  void ShowCrosshair(double value);
  void HideCrosshair();

 private:
  double XPosition(double value) const;
  void AddCurves(const Study& study, std::size_t result);
  void AddTransitions(const Study& study);
  QLineSeries* NewPiece(const QPen& pen);
  void Attach(QAbstractSeries* series, bool inLegend);

  StudyScales scales_;
  QCategoryAxis* xAxis_ = nullptr;
  QCategoryAxis* yAxis_ = nullptr;
  double yBottom_ = 0.0;
  double yTop_ = 1.0;
  // Maps values to the plot and back, with or without curves.
  QLineSeries* frame_ = nullptr;
  std::map<int, FluidCurve> curves_;
  std::vector<QLineSeries*> transitions_;
  ChartCrosshair* crosshair_ = nullptr;
};

}  // namespace dorix
