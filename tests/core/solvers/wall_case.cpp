// SPDX-License-Identifier: MIT
#include "wall_case.h"

namespace dorix::test {

WallCondensationFields WallRun::Condensation() const {
  WallCondensationFields fields;
  fields.length = length;
  fields.coefficients.n = n;
  fields.coefficients.m = m;
  fields.coefficients.A = A;
  return fields;
}

EvaporationFields WallRun::Evaporation() const {
  EvaporationFields fields;
  fields.length = length;
  fields.flowRate = flowRate;
  fields.coefficients = Condensation().coefficients;
  return fields;
}

CalculationOutcome WallRun::Calculate(MessageSink& messages) const {
  return evaporating ? CalculateEvaporation(Evaporation(), messages)
                     : CalculateWallCondensation(Condensation(), messages);
}

std::optional<Profile> WallRun::Plot(MessageSink& messages, const ProfileGrid& grid) const {
  return evaporating ? ProfileEvaporation(Evaporation(), messages, grid)
                     : ProfileWallCondensation(Condensation(), messages, grid);
}

}  // namespace dorix::test
