// SPDX-License-Identifier: MIT
#include "core/solvers/wall_film.h"

#include <cmath>

namespace dorix {

FilmScales ComputeFilmScales(double RhoL, double MuL, double PrL, double Grav,
                             const WallCorrelations& k) {
  FilmScales scales;
  scales.nu = MuL / RhoL;
  // Deliberately 0.333333, not 1/3: the reports are defined with this rounded value.
  scales.Lc = std::pow(std::pow(scales.nu, 2) / Grav, 0.333333);
  scales.ReWl = k.C * std::pow(PrL, k.v);
  scales.ReTur = k.D * std::pow(PrL, k.w);
  return scales;
}

double FilmNusselt(const WallCorrelations& k, double PrL, FilmRegime regime, double Re) {
  switch (regime) {
    case FilmRegime::kLaminar:
      // Deliberately 0.333333, not 1/3, as above.
      return std::pow(0.75 * Re, -0.333333);
    case FilmRegime::kWavyLaminar:
      return k.A * std::pow(Re, k.n);
    case FilmRegime::kTurbulent:
      return k.B * std::pow(Re, k.m) * std::pow(PrL, k.s);
  }
  return 0.0;
}

SolveFault CheckWallFilm(const WallCorrelations& k, const FilmScales& scales) {
  if (k.A == 0.0) return SolveFault::kCoefficientAZero;
  if (k.B == 0.0) return SolveFault::kCoefficientBZero;
  // Written so that a NaN fails too.
  if (!(scales.ReWl > 0.0)) return SolveFault::kWavyTransitionNotPositive;
  if (!(scales.ReTur > 0.0)) return SolveFault::kTurbulentTransitionNotPositive;
  return SolveFault::kNone;
}

}  // namespace dorix
