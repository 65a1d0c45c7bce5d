// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/solvers/liquid_film.h"
#include "core/solvers/solve_fault.h"
#include "core/solvers/wall_film.h"

namespace dorix {

// A film condensing on an isothermal vertical wall: its Reynolds number grows
// from zero at the top edge, dRe/dx = K·Nu with K = 4·Ja/(PrL·Lc), through the
// laminar, wavy-laminar and turbulent laws, each integrated in closed form.
class CondensingFilm {
 public:
  CondensingFilm(const WallCorrelations& k, const FilmScales& scales, double PrL, double Ja);

  double K() const { return K_; }
  // Distances from the top edge at which Re reaches Re(wl) and Re(tur).
  double xWl() const { return xWl_; }
  double xTur() const { return xTur_; }

  // The law that holds at x: a position exactly at a transition belongs to
  // the regime downstream of it.
  FilmRegime RegimeAt(double x) const;
  // Local film Reynolds number at x ≥ 0; none where the turbulent law has no
  // real value: a film whose Nusselt number grows faster than its Reynolds
  // number (m > 1) runs away at a finite distance. The laminar and wavy laws
  // stay real between the top edge and x_tur.
  std::optional<double> ReynoldsAt(double x) const;

 private:
  double Laminar(double x) const;
  double Wavy(double x) const;
  std::optional<double> Turbulent(double x) const;

  WallCorrelations k_;
  FilmScales scales_;
  double PrL_;
  double Ja_;
  double K_;
  double xWl_;
  double xTur_;
};

// Everything the vertical-wall condensation needs, as the window has read and
// looked it up. Temperatures in K, lengths in m, properties in SI units.
struct WallCondensationInput {
  LiquidFilm film;
  double Tv = 0.0;
  double Tw = 0.0;
  double L = 0.0;
  WallCorrelations coefficients;
  double CpV = 0.0;
};

struct WallCondensationResult {
  SolveFault fault = SolveFault::kNone;
  double ReL = 0.0;                          // film Reynolds number at the lower end of the wall
  double Gamma = 0.0;                        // condensation rate per unit width [kg/m s]
  double h = 0.0;                            // mean heat-transfer coefficient [W/m² K]
  double hfgStar = 0.0;                      // modified enthalpy of vaporization [J/kg]
  FilmRegime regime = FilmRegime::kLaminar;  // regime at the lower end
};

// The film of a wall-condensation input as the solver sets it up, before any
// check: the result at the end of the wall and the profile along it both
// come from this film.
struct CondensingWall {
  FilmScales scales;
  double hfgStar = 0.0;
  double Ja = 0.0;
  CondensingFilm film;
};

CondensingWall SetUpCondensingWall(const WallCondensationInput& in);

WallCondensationResult SolveWallCondensation(const WallCondensationInput& in);

}  // namespace dorix
