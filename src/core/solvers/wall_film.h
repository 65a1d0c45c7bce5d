// SPDX-License-Identifier: MIT
#pragma once

#include "core/solvers/solve_fault.h"

namespace dorix {

// The nine free constants of the film correlations of a vertical wall, each a
// double holding the single-precision value of its field:
//   Re(wl) = C·Pr^v, Re(tur) = D·Pr^w, Nu(wl) = A·Re^n, Nu(tur) = B·Re^m·Pr^s,
// with the fixed laminar law Nu(lam) = (3/4·Re)^(-1/3).
struct WallCorrelations {
  double A = 0.0;
  double n = 0.0;
  double B = 0.0;
  double m = 0.0;
  double s = 0.0;
  double C = 0.0;
  double v = 0.0;
  double D = 0.0;
  double w = 0.0;
};

// Flow regime of a film by its local Reynolds number.
enum class FilmRegime { kLaminar, kWavyLaminar, kTurbulent };

// Local Nusselt number h·Lc/KL of a film at Reynolds number Re under the law
// of `regime`: (0.75·Re)^(-0.333333), A·Re^n or B·Re^m·PrL^s. The integrals
// of these laws are the closed forms of the condensing and evaporating walls.
double FilmNusselt(const WallCorrelations& k, double PrL, FilmRegime regime, double Re);

// Length and Reynolds-number scales of a liquid film, the same for a
// condensing and an evaporating wall.
struct FilmScales {
  double nu = 0.0;     // kinematic viscosity MuL/RhoL [m²/s]
  double Lc = 0.0;     // viscous length (nu²/g)^(1/3) [m]
  double ReWl = 0.0;   // laminar to wavy-laminar transition C·PrL^v
  double ReTur = 0.0;  // wavy-laminar to turbulent transition D·PrL^w
};

FilmScales ComputeFilmScales(double RhoL, double MuL, double PrL, double Grav,
                             const WallCorrelations& k);

// The coefficient and transition checks both wall problems make before
// solving: A and B nonzero, both transition Reynolds numbers positive.
SolveFault CheckWallFilm(const WallCorrelations& k, const FilmScales& scales);

}  // namespace dorix
