// SPDX-License-Identifier: MIT
#include "core/solvers/evaporating_wall.h"

#include <cmath>

#include "core/solvers/film_reference.h"

namespace dorix {

namespace {

EvaporationResult Refused(SolveFault fault) {
  EvaporationResult result;
  result.fault = fault;
  return result;
}

}  // namespace

EvaporatingFilm::EvaporatingFilm(const WallCorrelations& k, const FilmScales& scales, double PrL,
                                 double Ja, double Re0)
    : k_(k), scales_(scales), PrL_(PrL), Ja_(Ja), Re0_(Re0) {
  Kw_ = PrL_ * scales_.Lc / (4 * Ja_ * k_.A);
  Kt_ = std::pow(PrL_, 1 - k_.s) * scales_.Lc / (4 * Ja_ * k_.B);
  if (Re0_ < scales_.ReWl) {
    top_ = FilmRegime::kLaminar;
  } else if (Re0_ < scales_.ReTur) {
    top_ = FilmRegime::kWavyLaminar;
    xWl_ = WavyLength(Re0_, scales_.ReWl);
  } else {
    top_ = FilmRegime::kTurbulent;
    xTur_ = TurbulentLength(Re0_, scales_.ReTur);
    xWl_ = xTur_ + WavyLength(scales_.ReTur, scales_.ReWl);
  }
}

FilmRegime EvaporatingFilm::RegimeAt(double x) const {
  switch (top_) {
    case FilmRegime::kLaminar:
      return FilmRegime::kLaminar;
    case FilmRegime::kWavyLaminar:
      return x < xWl_ ? FilmRegime::kWavyLaminar : FilmRegime::kLaminar;
    case FilmRegime::kTurbulent:
      break;
  }
  if (x >= xWl_) return FilmRegime::kLaminar;
  return x < xTur_ ? FilmRegime::kTurbulent : FilmRegime::kWavyLaminar;
}

std::optional<double> EvaporatingFilm::ReynoldsAt(double x) const {
  switch (top_) {
    case FilmRegime::kLaminar:
      // Deliberately 1.333333 here and 1.33333 below, not 4/3: the reports are defined with them.
      return Laminar(std::pow(Re0_, 1.333333), x);
    case FilmRegime::kWavyLaminar:
      if (x < xWl_) return Wavy(Re0_, x);
      return Laminar(std::pow(scales_.ReWl, 1.33333), x - xWl_);
    case FilmRegime::kTurbulent:
      break;
  }
  // The two turbulent-side tests are made in turn; a dry-out in either ends
  // the film. From x_wl on the laminar law overrides both.
  std::optional<double> Re;
  if (x < xTur_) {
    Re = Turbulent(x);
    if (!Re) return std::nullopt;
  }
  if (x < xWl_ && x >= xTur_) {
    Re = Wavy(scales_.ReTur, x - xTur_);
    if (!Re) return std::nullopt;
  }
  if (x < xWl_) return Re;
  return Laminar(std::pow(scales_.ReWl, 1.33333), x - xWl_);
}

std::optional<double> EvaporatingFilm::Laminar(double X1, double dx) const {
  // Deliberately the rounded 5.8701: the reports are defined with it.
  const double X2 = 5.8701 * Ja_ * dx / (PrL_ * scales_.Lc);
  if (X1 < X2) return std::nullopt;
  return std::pow(X1 - X2, 0.75);
}

std::optional<double> EvaporatingFilm::Wavy(double start, double dx) const {
  const double Lc = scales_.Lc;
  if (k_.n == 1) return start * std::exp(-4 * dx * Ja_ * k_.A / (Lc * PrL_));
  const double X1 = std::pow(start, 1 - k_.n);
  const double X2 = 4 * k_.A * (1 - k_.n) * Ja_ * dx / (Lc * PrL_);
  if (X1 < X2) return std::nullopt;
  return std::pow(X1 - X2, 1 / (1 - k_.n));
}

std::optional<double> EvaporatingFilm::Turbulent(double dx) const {
  const double Lc = scales_.Lc;
  const double PrS = std::pow(PrL_, 1 - k_.s);
  if (k_.m == 1) return Re0_ * std::exp(-4 * Ja_ * dx * k_.B / (Lc * PrS));
  const double X1 = std::pow(Re0_, 1 - k_.m);
  const double X2 = 4 * k_.B * (1 - k_.m) * Ja_ * dx / (Lc * PrS);
  if (X1 < X2) return std::nullopt;
  return std::pow(X1 - X2, 1 / (1 - k_.m));
}

double EvaporatingFilm::WavyLength(double from, double to) const {
  if (k_.n == 1) return Kw_ * std::log(from / to);
  return Kw_ * (std::pow(from, 1 - k_.n) - std::pow(to, 1 - k_.n)) / (1 - k_.n);
}

double EvaporatingFilm::TurbulentLength(double from, double to) const {
  if (k_.m == 1) return Kt_ * std::log(from / to);
  return Kt_ * (std::pow(from, 1 - k_.m) - std::pow(to, 1 - k_.m)) / (1 - k_.m);
}

std::optional<double> EvaporatingFilm::DryOutPoint() const {
  if (top_ == FilmRegime::kLaminar) return LaminarDryLength(std::pow(Re0_, 1.333333));
  // Below x_wl the laminar law starts again from Re(wl).
  std::optional<double> dry;
  if (const auto dx = LaminarDryLength(std::pow(scales_.ReWl, 1.33333))) dry = xWl_ + *dx;
  const auto earlier = [&dry](std::optional<double> x, double before) {
    if (x && *x < before && (!dry || *x < *dry)) dry = x;
  };
  if (top_ == FilmRegime::kWavyLaminar) {
    earlier(WavyDryLength(Re0_), xWl_);
    return dry;
  }
  // The turbulent law holds down to x_tur, the wavy law from there to x_wl.
  earlier(TurbulentDryLength(), xTur_);
  if (const auto dx = WavyDryLength(scales_.ReTur)) earlier(xTur_ + *dx, xWl_);
  return dry;
}

std::optional<double> EvaporatingFilm::LaminarDryLength(double X1) const {
  const double slope = 5.8701 * Ja_ / (PrL_ * scales_.Lc);
  if (!(slope > 0)) return std::nullopt;
  return X1 / slope;
}

std::optional<double> EvaporatingFilm::WavyDryLength(double start) const {
  if (k_.n == 1) return std::nullopt;
  const double slope = 4 * k_.A * (1 - k_.n) * Ja_ / (scales_.Lc * PrL_);
  if (!(slope > 0)) return std::nullopt;
  return std::pow(start, 1 - k_.n) / slope;
}

std::optional<double> EvaporatingFilm::TurbulentDryLength() const {
  if (k_.m == 1) return std::nullopt;
  const double slope = 4 * k_.B * (1 - k_.m) * Ja_ / (scales_.Lc * std::pow(PrL_, 1 - k_.s));
  if (!(slope > 0)) return std::nullopt;
  return std::pow(Re0_, 1 - k_.m) / slope;
}

EvaporatingWall SetUpEvaporatingWall(const EvaporationInput& in) {
  const FilmScales scales =
      ComputeFilmScales(in.film.RhoL, in.film.MuL, in.film.PrL, in.film.Grav, in.coefficients);
  const double hfgStar = EvaporationEnthalpy(in.film.FluidNo, in.film.Hfg, in.film.CpL, in.film.PrL,
                                             in.film.Tsat, in.Tw);
  const double Re0 = 4 * in.Gamma0 / in.film.MuL;
  const double Ja = in.film.CpL * (in.Tw - in.film.Tsat) / hfgStar;
  return {scales, hfgStar, Re0, Ja, EvaporatingFilm(in.coefficients, scales, in.film.PrL, Ja, Re0)};
}

EvaporationResult SolveEvaporation(const EvaporationInput& in) {
  const EvaporatingWall wall = SetUpEvaporatingWall(in);
  const FilmScales& scales = wall.scales;
  if (const SolveFault fault = CheckWallFilm(in.coefficients, scales); fault != SolveFault::kNone) {
    return Refused(fault);
  }
  if (!(wall.hfgStar > 0)) return Refused(SolveFault::kModifiedEnthalpyNotPositive);

  const double Re0 = wall.Re0;
  const double Ja = wall.Ja;
  if (!AllFinite({scales.Lc, Re0, Ja})) return Refused(SolveFault::kNotFinite);
  const EvaporatingFilm& film = wall.film;
  if (!AllFinite({film.xWl(), film.xTur()})) return Refused(SolveFault::kNotFinite);
  const std::optional<double> ReL = film.ReynoldsAt(in.L);
  EvaporationResult result;
  result.Re0 = Re0;
  result.hfgStar = wall.hfgStar;
  if (!ReL) {
    result.dryOut = true;
    return result;
  }
  result.ReL = *ReL;
  result.GammaL = in.film.MuL * result.ReL / 4;
  result.E = in.Gamma0 - result.GammaL;
  const double NuAvg = (Re0 - result.ReL) * in.film.PrL * scales.Lc / (4 * Ja * in.L);
  result.hAvg = NuAvg * in.film.KL / scales.Lc;
  if (!AllFinite({result.ReL, result.GammaL, result.E, result.hAvg})) {
    return Refused(SolveFault::kNotFinite);
  }
  return result;
}

}  // namespace dorix
