// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "record_text.h"
#include "reference_table.h"

namespace dorix::tools {

// The rows of one curve and each row as the program would hold it as a point.
struct CurveSamples {
  std::vector<ReferenceRow> rows;
  std::vector<LoadedPoint> points;
};

struct NodeRequest {
  int first = 0;             // row of the curve's first point
  int last = 0;              // row the curve should end on
  std::vector<int> borders;  // rows that must lie between two windows (kinks)
  double tolerance = 1e-4;   // largest relative error allowed at any row
};

struct NodePlan {
  std::vector<int> nodes;  // rows chosen as curve points, increasing
  bool truncated = false;  // `last` was out of reach within the tolerance and 200 points;
                           // `nodes` end on the furthest row that could be reached
};

// Error of `value` against `reference`, relative to |reference| but never to
// less than `floor`, so that curves running to zero are judged sensibly.
double RelativeError(double value, double reference, double floor);

// The floor for RelativeError: 1 % of the largest |y| among rows first..last.
double ErrorFloor(const std::vector<ReferenceRow>& rows, int first, int last);

// Chooses the fewest rows it can find as curve points such that the
// program's lookup, with its windows of four points, reproduces every row
// from `first` to the curve's end within the tolerance. Windows grow from the
// first row as far as they can; at the end one or two points may replace a
// whole window.
//
// Two points are never neighbouring rows, so every stretch between points is
// checked by a row that is not a point, with one exception: where no window
// that keeps this rule fits from the last point chosen, because the rows lie
// too far apart for the curve's curvature. That happens only towards the end
// of a curve at the critical point: in the last tenths of a kelvin, and for
// the liquid Prandtl numbers from some kelvins below it, where they rise
// steeply while their rows are still up to 0.5 K apart. There a window may
// take neighbouring rows as points, so that the curve runs on to the end of
// its rows instead of stopping short; it still keeps its points two rows
// apart where that fits, and the next window keeps the rule again if it can.
// A stretch between neighbouring points is checked only at its ends, by the
// rows that are its points. Where the rows left after such a window are too
// few for another, the curve ends with one or two of them as points, which
// the lookup evaluates with the curve's last four points.
//
// Where even every row as a point cannot meet the tolerance, the curve ends on
// the furthest row it can reach (`truncated`). This is so in the last
// hundredths of a kelvin of some enthalpy-of-vaporization curves, which fall
// steeply to zero at the critical point: a row's abscissa rounds in single
// precision to a point a few microkelvin on the wrong side of it, so that the
// lookup evaluates a cubic at the row instead of returning the point's value,
// and over those microkelvin the curve changes by more than the tolerance.
NodePlan ChooseNodes(const CurveSamples& samples, const NodeRequest& request);

}  // namespace dorix::tools
