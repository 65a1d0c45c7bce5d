#include "solvers/wall_film.h"

#include <cmath>

namespace dorix {

FilmScales ComputeFilmScales(double RhoL, double MuL, double PrL, double Grav,
                             const WallCorrelations& k) {
  FilmScales scales;
  scales.nu = MuL / RhoL;
  scales.Lc = std::pow(std::pow(scales.nu, 2) / Grav, 0.333333);
  scales.ReWl = k.C * std::pow(PrL, k.v);
  scales.ReTur = k.D * std::pow(PrL, k.w);
  return scales;
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
