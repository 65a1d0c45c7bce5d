// SPDX-License-Identifier: MIT
#pragma once

#include "core/solvers/liquid_film.h"
#include "core/solvers/solve_fault.h"

namespace dorix {

// How the average coefficient of a row of N tubes falls with N: Nusselt's
// N^(-1/4), or Kern's N^(-1/6), which allows for the condensate splashing
// from tube to tube.
enum class RowFactor { kNusselt, kKern };

// Everything the horizontal-tube condensation needs, as the window has read
// and looked it up. Temperatures in K, lengths in m, properties in SI units.
struct TubeCondensationInput {
  LiquidFilm film;
  double Tv = 0.0;
  double Tw = 0.0;
  double D = 0.0;  // outer tube diameter [m]
  double N = 0.0;  // tubes in the vertical row; fractions allowed
  double CpV = 0.0;
  RowFactor rowFactor = RowFactor::kNusselt;
};

struct TubeCondensationResult {
  SolveFault fault = SolveFault::kNone;
  double h = 0.0;        // average coefficient of the row [W/m² K]
  double m = 0.0;        // condensation rate per unit tube length [kg/m s]
  double Re = 0.0;       // film Reynolds number of the condensate
  double hfgStar = 0.0;  // modified enthalpy of vaporization [J/kg]
};

// Laminar film condensation on a vertical row of N horizontal tubes: the
// Nusselt result with the tube-row factor N^(-1/4), or Kern's single-tube
// value times N^(-1/6); the rate and Re follow from the coefficient.
TubeCondensationResult SolveTubeCondensation(const TubeCondensationInput& in);

}  // namespace dorix
