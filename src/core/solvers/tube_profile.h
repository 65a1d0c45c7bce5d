// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "core/solvers/tube_row.h"

namespace dorix {

// One tube of a row, counted from the top.
struct TubeShare {
  int tube = 0;          // 1 for the top tube
  double portion = 1.0;  // 1 for a whole tube; the fraction of the last tube of a fractional row
  double h = 0.0;        // the tube's own coefficient [W/m² K]
  double m = 0.0;        // its condensation rate per unit tube length [kg/m s]
  double Re = 0.0;       // film Reynolds number of the condensate leaving it
};

// A row of horizontal tubes tube by tube. The row's law, h(N) = h(1)·N^(-1/4)
// or with Kern's factor h(1)·N^(-1/6), gives the heat flow of the top N
// tubes; each tube's share is the difference of the flows with and without
// it, so the shares add up to the row's rate and average to the row's
// coefficient. A fractional row of N tubes ends with a part tube of portion
// N − floor(N).
struct TubeProfile {
  double N = 0.0;
  double h = 0.0;   // the report's coefficient of the row
  double m = 0.0;   // the report's condensation rate of the row
  double Re = 0.0;  // the report's film Reynolds number
  std::vector<TubeShare> tubes;
};

// More bars than a chart or a table can show one by one.
inline constexpr int kMaxProfileTubes = 1000;

// The message that refuses a row too long to show tube by tube.
const char* TooManyTubesMessage();

// None for a row of more than kMaxProfileTubes tubes.
std::optional<TubeProfile> ProfileOf(const TubeCondensationInput& in,
                                     const TubeCondensationResult& result);

}  // namespace dorix
