// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "core/solvers/condensing_wall.h"
#include "core/solvers/evaporating_wall.h"
#include "core/solvers/tube_row.h"
#include "core/solvers/wall_film.h"

namespace dorix::test {

// The coefficient panel's defaults, each rounded to single precision as a
// field reads it.
WallCorrelations DefaultCorrelations();

// Water near 1 atm with round property values (the horizontal-tube worked
// example): Tsat 373.12 K, vapour 400 K, wall 300 K.
WallCondensationInput WaterWall(double L);
TubeCondensationInput WaterTubes(double N);

// Water film on a wall 20 K above saturation at 373.12 K.
EvaporationInput WaterEvaporation(double L, double Gamma0);

// Local Nusselt number of the panel's laws at Reynolds number Re, taken from
// their definitions: the regime by Re against Re(wl) and Re(tur).
double LocalNusselt(const WallCorrelations& k, double PrL, double Re);

inline double RelativeDifference(double a, double b) {
  return std::abs(a - b) / std::abs(b);
}

// Central difference of f at x with relative step h.
template <typename F>
double Slope(F f, double x, double h = 1e-6) {
  const double dx = x * h;
  return (f(x + dx) - f(x - dx)) / (2 * dx);
}

}  // namespace dorix::test
