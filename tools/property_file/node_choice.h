#pragma once

#include <string>
#include <vector>

#include "record_text.h"
#include "reference_table.h"

namespace dorix::tools {

// The rows of one curve and each row as the program would hold it as a point.
struct CurveSamples {
  int fluid = 0;
  int code = 0;
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
  bool truncated = false;  // `last` was out of reach within the tolerance and 200 points
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
// whole window. Two points are never neighbouring rows, so every stretch
// between points is checked by a row that is not a point: where the rows are
// too sparse for that, the curve ends early (`truncated`). Uses GetProperty
// on the shared store, which it overwrites.
NodePlan ChooseNodes(const CurveSamples& samples, const NodeRequest& request);

}  // namespace dorix::tools
