// SPDX-License-Identifier: MIT
#pragma once

namespace dorix {

// Weight Alpha of the liquid reference temperature between wall and
// saturation, from the fluid table (0.5 for an unknown fluid).
double ReferenceWeight(int fluid);

// Liquid film reference temperature Tw + Alpha·(Tsat − Tw).
double LiquidReferenceTemperature(int fluid, double Tw, double Tsat);

// Weight of the film's sensible heat in the modified enthalpy of
// vaporization: the fluid table's constant, or 0.683 − 0.228/PrL.
double SubcoolingWeight(int fluid, double PrL);

// Modified enthalpy of vaporization of a condensing film: Hfg plus the
// subcooling of the film plus the superheat of the vapour.
double CondensationEnthalpy(int fluid, double Hfg, double CpL, double PrL, double CpV, double Tsat,
                            double Tw, double Tv);

// Modified enthalpy of vaporization of an evaporating film (Tw above Tsat).
double EvaporationEnthalpy(int fluid, double Hfg, double CpL, double PrL, double Tsat, double Tw);

}  // namespace dorix
