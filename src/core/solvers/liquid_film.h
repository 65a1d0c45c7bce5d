// SPDX-License-Identifier: MIT
#pragma once

namespace dorix {

// The saturated liquid film every solver starts from: the fluid, its
// saturation temperature, the film's properties as looked up and gravity.
// Temperatures in K, properties in SI units.
struct LiquidFilm {
  int FluidNo = 1;
  double Tsat = 0.0;
  double RhoL = 0.0;
  double MuL = 0.0;
  double KL = 0.0;
  double PrL = 0.0;
  double CpL = 0.0;
  double Hfg = 0.0;
  double Grav = 0.0;
};

}  // namespace dorix
