// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/problems.h"
#include "core/sweep/sweep.h"
#include "core/sweep/sweep_table.h"

namespace dorix {

// One point of a study: its row of the table and, on a vertical wall whose
// properties were found, the Reynolds numbers at which the film turns
// wavy-laminar and turbulent there.
struct StudyPoint {
  SweepPoint row;
  std::optional<double> ReWl;
  std::optional<double> ReTur;
  // The swept value as read, where the run read it.
  std::optional<double> x;
};

// The points of one fluid, in the order of the range.
struct StudyCurve {
  int fluid = 1;
  std::vector<StudyPoint> points;
  // Where the study sweeps the difference from saturation: the fluid's
  // saturation pressure and temperature at the study's reduced pressure.
  std::optional<double> pressure;
  std::optional<double> Tsat;
};

// What a study asks: a problem's fields with one of them, or the wall's
// temperature difference from saturation (kSaturationDifferenceField), swept
// for each of the fluids.
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
  // The table's column of the swept field; the wall temperature's where the
  // difference from saturation is swept.
  std::size_t sweptColumn = 0;
  std::vector<StudyCurve> curves;
  // The reduced pressure p/pc at which each fluid meets the difference from
  // saturation; none where a field is swept.
  std::optional<double> reducedPressure;

  // The swept value as read at a point, where it was read.
  std::optional<double> X(const StudyPoint& point) const { return point.x; }
  std::size_t RowCount() const;
};

// Runs the request's sweep once per fluid on `jobs` threads, with its own
// property slots: the windows' shared state is neither read nor changed.
// The range's field must be one of the problem's or the difference from
// saturation, which puts each fluid at the reduced pressure of the request's
// first fluid.
Study RunStudy(const StudyRequest& request, const PropertyStore& store, double grav, unsigned jobs);

// The table as CSV: for one fluid, byte for byte what dorix-calc --sweep
// writes; for several, each row led by a "fluid" column with its name.
std::string StudyCsv(const Study& study);

}  // namespace dorix
