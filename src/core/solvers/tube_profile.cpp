// SPDX-License-Identifier: MIT
#include "core/solvers/tube_profile.h"

#include <cmath>

namespace dorix {

const char* TooManyTubesMessage() {
  return "*** ERROR: A row of more than 1000 tubes is too long to show tube by tube.";
}

std::optional<TubeProfile> ProfileOf(const TubeCondensationInput& in,
                                     const TubeCondensationResult& result) {
  if (!(in.N <= kMaxProfileTubes)) return std::nullopt;
  TubeProfile profile{in.N, result.h, result.m, result.Re, {}};
  const int tubes = static_cast<int>(std::ceil(in.N));
  // The top `above` tubes, as the row's own law gives them.
  double above = 0.0;
  TubeCondensationResult upper;
  for (int k = 1; k <= tubes; ++k) {
    const double through = k < tubes ? k : in.N;
    TubeCondensationInput row = in;
    row.N = through;
    const TubeCondensationResult lower = k < tubes ? SolveTubeCondensation(row) : result;
    TubeShare share;
    share.tube = k;
    share.portion = through - above;
    // Heat flows in proportion to the number of tubes times their average.
    share.h = (through * lower.h - above * upper.h) / share.portion;
    share.m = lower.m - upper.m;
    share.Re = lower.Re;
    profile.tubes.push_back(share);
    above = through;
    upper = lower;
  }
  return profile;
}

}  // namespace dorix
