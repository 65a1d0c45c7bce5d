// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/problems.h"
#include "core/calc/sweep.h"
#include "core/calc/sweep_table.h"

namespace dorix {

// One point of a study: its row of the table and, on a vertical wall whose
// properties were found, the Reynolds numbers at which the film turns
// wavy-laminar and turbulent there.
struct StudyPoint {
  SweepPoint row;
  std::optional<double> ReWl;
  std::optional<double> ReTur;
};

// The points of one fluid, in the order of the range.
struct StudyCurve {
  int fluid = 1;
  std::vector<StudyPoint> points;
};

// What a study asks: a problem's fields with one of them swept, for each of
// the fluids.
struct StudyRequest {
  ProblemFields fields;
  SweepRange range;
  std::vector<int> fluids;
};

// A problem's field swept for one fluid or several by the sweep engine of
// dorix-calc --sweep: the same numbers, point for point.
struct Study {
  const Problem* problem = nullptr;
  SweepRange range;
  SweepTable table;
  std::size_t sweptColumn = 0;
  std::vector<StudyCurve> curves;

  // The swept field's value as read at a point, where it was read.
  std::optional<double> X(const StudyPoint& point) const { return point.row.inputs[sweptColumn]; }
  std::size_t RowCount() const;
};

// Runs the request's sweep once per fluid on `jobs` threads, with its own
// property slots: the windows' shared state is neither read nor changed.
// The range's field must be one of the problem's.
Study RunStudy(const StudyRequest& request, const PropertyStore& store, double grav, unsigned jobs);

// The table as CSV: for one fluid, byte for byte what dorix-calc --sweep
// writes; for several, each row led by a "fluid" column with its name.
std::string StudyCsv(const Study& study);

}  // namespace dorix
