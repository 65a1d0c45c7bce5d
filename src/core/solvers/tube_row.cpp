// SPDX-License-Identifier: MIT
#include "core/solvers/tube_row.h"

#include <cmath>

#include "core/solvers/film_reference.h"

namespace dorix {

namespace {

// The Nusselt coefficient of a row of N tubes, evaluated in the window's order.
double NusseltRowCoefficient(const TubeCondensationInput& in, double N, double hfgStar) {
  const double nu = in.MuL / in.RhoL;
  return 0.728 * std::pow(in.RhoL * in.Grav * hfgStar * std::pow(in.KL, 3) / N / nu / in.D /
                              (in.Tsat - in.Tw),
                          0.25);
}

}  // namespace

TubeCondensationResult SolveTubeCondensation(const TubeCondensationInput& in) {
  TubeCondensationResult result;
  result.hfgStar =
      CondensationEnthalpy(in.FluidNo, in.Hfg, in.CpL, in.PrL, in.CpV, in.Tsat, in.Tw, in.Tv);
  // The fourth root below needs a positive hfg*; a vapour far below
  // saturation can make it zero or negative.
  if (!(result.hfgStar > 0)) {
    result.fault = SolveFault::kModifiedEnthalpyNotPositive;
    return result;
  }
  result.h = in.rowFactor == RowFactor::kKern
                 ? NusseltRowCoefficient(in, 1, result.hfgStar) * std::pow(in.N, -1.0 / 6)
                 : NusseltRowCoefficient(in, in.N, result.hfgStar);
  // Deliberately 3.141592, not M_PI: the reports are defined with this rounded value.
  result.m = result.h * (in.Tsat - in.Tw) * 3.141592 * in.D * in.N / result.hfgStar;
  result.Re = 2 * result.m / in.MuL;
  if (!AllFinite({result.h, result.m, result.Re})) result.fault = SolveFault::kNotFinite;
  return result;
}

}  // namespace dorix
