// SPDX-License-Identifier: MIT
#include "core/solvers/condensing_wall.h"

#include <cmath>

#include "core/solvers/film_reference.h"

namespace dorix {

namespace {

WallCondensationResult Refused(SolveFault fault) {
  WallCondensationResult result;
  result.fault = fault;
  return result;
}

}  // namespace

CondensingFilm::CondensingFilm(const WallCorrelations& k, const FilmScales& scales, double PrL,
                               double Ja)
    : k_(k), scales_(scales), PrL_(PrL), Ja_(Ja) {
  const double Lc = scales_.Lc;
  K_ = (4 * Ja_ / PrL_) / Lc;
  // Inverse of the laminar law.
  // Deliberately 1.333333, not 4/3: the reports are defined with this rounded value.
  xWl_ = std::pow(scales_.ReWl / (1.333333 * std::pow(K_, 0.75)), 1.333333);
  if (k_.n != 1) {
    xTur_ = xWl_ + PrL_ * Lc / (4 * Ja_ * k_.A * (1 - k_.n)) *
                       (std::pow(scales_.ReTur, 1 - k_.n) - std::pow(scales_.ReWl, 1 - k_.n));
  } else {
    xTur_ = xWl_ + PrL_ * Lc / (4 * Ja_ * k_.A) * std::log(scales_.ReTur / scales_.ReWl);
  }
}

FilmRegime CondensingFilm::RegimeAt(double x) const {
  if (x < xWl_) return FilmRegime::kLaminar;
  if (x < xTur_) return FilmRegime::kWavyLaminar;
  // Also every x ≥ x_wl when Re(tur) lies below Re(wl).
  return FilmRegime::kTurbulent;
}

std::optional<double> CondensingFilm::ReynoldsAt(double x) const {
  switch (RegimeAt(x)) {
    case FilmRegime::kLaminar:
      return Laminar(x);
    case FilmRegime::kWavyLaminar:
      return Wavy(x);
    case FilmRegime::kTurbulent:
      return Turbulent(x);
  }
  return std::nullopt;
}

double CondensingFilm::Laminar(double x) const {
  return 1.333333 * std::pow(K_ * x, 0.75);
}

double CondensingFilm::Wavy(double x) const {
  const double Lc = scales_.Lc;
  if (k_.n == 1) return scales_.ReWl * std::exp(4 * Ja_ * k_.A * (x - xWl_) / (PrL_ * Lc));
  return std::pow(
      std::pow(scales_.ReWl, 1 - k_.n) + 4 * Ja_ * k_.A * (1 - k_.n) * (x - xWl_) / (PrL_ * Lc),
      1 / (1 - k_.n));
}

std::optional<double> CondensingFilm::Turbulent(double x) const {
  const double Lc = scales_.Lc;
  if (k_.m == 1) {
    return scales_.ReTur * std::exp(4 * Ja_ * k_.B * (x - xTur_) / (std::pow(PrL_, 1 - k_.s) * Lc));
  }
  const double base = std::pow(scales_.ReTur, 1 - k_.m) +
                      4 * Ja_ * k_.B * (1 - k_.m) * (x - xTur_) / (std::pow(PrL_, 1 - k_.s) * Lc);
  if (base < 0) return std::nullopt;
  return std::pow(base, 1 / (1 - k_.m));
}

CondensingWall SetUpCondensingWall(const WallCondensationInput& in) {
  const FilmScales scales =
      ComputeFilmScales(in.film.RhoL, in.film.MuL, in.film.PrL, in.film.Grav, in.coefficients);
  const double hfgStar = CondensationEnthalpy(in.film.FluidNo, in.film.Hfg, in.film.CpL,
                                              in.film.PrL, in.CpV, in.film.Tsat, in.Tw, in.Tv);
  const double Ja = in.film.CpL * (in.film.Tsat - in.Tw) / hfgStar;
  return {scales, hfgStar, Ja, CondensingFilm(in.coefficients, scales, in.film.PrL, Ja)};
}

WallCondensationResult SolveWallCondensation(const WallCondensationInput& in) {
  if (!(in.L > 0)) return Refused(SolveFault::kLengthNotPositive);
  const CondensingWall wall = SetUpCondensingWall(in);
  const FilmScales& scales = wall.scales;
  if (const SolveFault fault = CheckWallFilm(in.coefficients, scales); fault != SolveFault::kNone) {
    return Refused(fault);
  }
  if (!(wall.hfgStar > 0)) return Refused(SolveFault::kModifiedEnthalpyNotPositive);

  const double Ja = wall.Ja;
  const CondensingFilm& film = wall.film;
  if (!AllFinite({scales.Lc, Ja, film.K(), film.xWl(), film.xTur()})) {
    return Refused(SolveFault::kNotFinite);
  }

  WallCondensationResult result;
  result.regime = film.RegimeAt(in.L);
  const std::optional<double> ReL = film.ReynoldsAt(in.L);
  if (!ReL) return Refused(SolveFault::kNoTurbulentSolution);
  result.ReL = *ReL;
  result.Gamma = in.film.MuL * result.ReL / 4;
  const double Nu = result.ReL * scales.Lc * in.film.PrL / (4 * Ja * in.L);
  result.h = in.film.KL * Nu / scales.Lc;
  result.hfgStar = wall.hfgStar;
  if (!AllFinite({result.ReL, result.Gamma, result.h})) return Refused(SolveFault::kNotFinite);
  return result;
}

}  // namespace dorix
