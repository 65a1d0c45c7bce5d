// SPDX-License-Identifier: MIT
#include "core/solvers/tube_row.h"

#include <cmath>

#include "core/solvers/film_reference.h"

namespace dorix {

namespace {

// The Nusselt coefficient of a row of N tubes, evaluated in the window's order.
double NusseltRowCoefficient(const TubeCondensationInput& in, double N, double hfgStar) {
  const double nu = in.film.MuL / in.film.RhoL;
  return 0.728 * std::pow(in.film.RhoL * in.film.Grav * hfgStar * std::pow(in.film.KL, 3) / N / nu /
                              in.D / (in.film.Tsat - in.Tw),
                          0.25);
}

}  // namespace

TubeCondensationResult SolveTubeCondensation(const TubeCondensationInput& in) {
  TubeCondensationResult result;
  result.hfgStar = CondensationEnthalpy(in.film.FluidNo, in.film.Hfg, in.film.CpL, in.film.PrL,
                                        in.CpV, in.film.Tsat, in.Tw, in.Tv);
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
  result.m = result.h * (in.film.Tsat - in.Tw) * 3.141592 * in.D * in.N / result.hfgStar;
  result.Re = 2 * result.m / in.film.MuL;
  if (!AllFinite({result.h, result.m, result.Re})) result.fault = SolveFault::kNotFinite;
  return result;
}

}  // namespace dorix
