// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/solvers/liquid_film.h"
#include "core/solvers/solve_fault.h"
#include "core/solvers/wall_film.h"

namespace dorix {

// A liquid film falling down a heated vertical wall: its Reynolds number falls
// from Re_0 at the top, dRe/dx = −4·Ja·Nu/(PrL·Lc), through whichever of the
// turbulent, wavy-laminar and laminar laws it crosses, each integrated in
// closed form. The film dries out where the Reynolds number would reach zero.
class EvaporatingFilm {
 public:
  EvaporatingFilm(const WallCorrelations& k, const FilmScales& scales, double PrL, double Ja,
                  double Re0);

  // The regime at the top of the wall, chosen by Re_0.
  FilmRegime TopRegime() const { return top_; }
  // Distances from the top at which Re has fallen to Re(wl) and Re(tur); zero
  // for a transition the film does not cross from its top regime.
  double xWl() const { return xWl_; }
  double xTur() const { return xTur_; }

  // The law in force at x: from x_wl on the film is laminar, whatever it
  // was above.
  FilmRegime RegimeAt(double x) const;
  // Local film Reynolds number at x > 0 from the top; none once the film has
  // dried out.
  std::optional<double> ReynoldsAt(double x) const;
  // Where the film vanishes: the first position at which the bracket X1 − X2
  // of the law in force reaches zero. None for a film that never dries.
  std::optional<double> DryOutPoint() const;

 private:
  // Each law continues the film from Reynolds number `start` (or its power
  // X1 for the laminar law) over a further distance dx.
  std::optional<double> Laminar(double X1, double dx) const;
  std::optional<double> Wavy(double start, double dx) const;
  std::optional<double> Turbulent(double dx) const;
  // Distances over which the wavy-laminar and turbulent laws take the
  // Reynolds number from `from` down to `to`.
  double WavyLength(double from, double to) const;
  double TurbulentLength(double from, double to) const;
  // Distances over which each law's bracket falls from X1 to zero; none
  // where it never does (an exponential form, or a bracket that grows).
  std::optional<double> LaminarDryLength(double X1) const;
  std::optional<double> WavyDryLength(double start) const;
  std::optional<double> TurbulentDryLength() const;

  WallCorrelations k_;
  FilmScales scales_;
  double PrL_;
  double Ja_;
  double Re0_;
  double Kw_;
  double Kt_;
  FilmRegime top_;
  double xWl_ = 0.0;
  double xTur_ = 0.0;
};

// Everything the falling-film evaporation needs, as the window has read and
// looked it up. Temperatures in K, lengths in m, properties in SI units.
struct EvaporationInput {
  LiquidFilm film;
  double Tw = 0.0;
  double L = 0.0;
  double Gamma0 = 0.0;  // initial mass flow rate per unit width [kg/m s]
  WallCorrelations coefficients;
};

struct EvaporationResult {
  SolveFault fault = SolveFault::kNone;
  bool dryOut = false;  // the film evaporates completely before the end
  // Meaningful without a fault, dry-out included:
  double Re0 = 0.0;      // film Reynolds number at the top of the wall
  double hfgStar = 0.0;  // modified enthalpy of vaporization [J/kg]
  // Meaningful only without a fault or dry-out:
  double ReL = 0.0;     // film Reynolds number at the end of the wall
  double GammaL = 0.0;  // final mass flow rate per unit width [kg/m s]
  double E = 0.0;       // evaporation rate per unit width [kg/m s]
  double hAvg = 0.0;    // average heat-transfer coefficient [W/m² K]
};

// The film of an evaporation input as the solver sets it up, before any
// check: the result at the end of the wall and the profile along it both
// come from this film.
struct EvaporatingWall {
  FilmScales scales;
  double hfgStar = 0.0;
  double Re0 = 0.0;
  double Ja = 0.0;
  EvaporatingFilm film;
};

EvaporatingWall SetUpEvaporatingWall(const EvaporationInput& in);

EvaporationResult SolveEvaporation(const EvaporationInput& in);

}  // namespace dorix
