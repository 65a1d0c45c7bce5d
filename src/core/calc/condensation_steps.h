// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/calc/calculation_run.h"
#include "core/calc/field_reader.h"

namespace dorix {

// Steps the calculations share.

inline constexpr const char* kWallNotBelowSaturation =
    "*** ERROR: Wall temp. should be lower than Saturation temp.";

// The vapour temperature by the selector: typed (read from its field), the
// saturation temperature at pressure P (looked up into the slot Tsat), or
// zero with no entry selected, which the later checks refuse. False when the
// typed text is not a number.
bool ReadVaporTemperature(FieldReader& read, RunContext& context, int tempTypeIndex,
                          const std::string& text, double P, double& Tv);

// The first three fields of both condensation windows, in their order: the
// pressure, the vapour temperature by the selector and the wall temperature.
template <typename Fields, typename Run>
bool ReadCondensationConditions(FieldReader& read, RunContext& context, const Fields& fields,
                                Run& run) {
  return read.Read(kPressureField, fields.pressure, run.P) &&
         ReadVaporTemperature(read, context, fields.tempTypeIndex, fields.vaporTemp, run.P,
                              run.input.Tv) &&
         read.Read(kWallTempField, fields.wallTemp, run.input.Tw);
}

// Looks up the saturation temperature at pressure P into the slot Tsat, with
// OutOfRange cleared first; false, with the pressure message, when P lies
// outside the saturation curve.
bool LookUpSaturationTemperature(RunContext& context, double P);

// Sets the reference temperatures TlRef and TvRef and looks up the film
// properties at them; false, with the property library's message, when a
// temperature lies outside a curve.
bool LookUpCondensationProperties(RunContext& context, double Tw, double Tv);

// Copies the fluid, Tsat, gravity and the film properties of the run's slots
// into a solver's input record, with CpL derived as PrL·KL/MuL.
template <typename Input>
void TakeProperties(const RunContext& context, Input& in) {
  const PropertySlots& g = context.propertySlots;
  in.film = {.FluidNo = context.fluid,
             .Tsat = g.Tsat,
             .RhoL = g.RhoL,
             .MuL = g.MuL,
             .KL = g.KL,
             .PrL = g.PrL,
             .CpL = LiquidSpecificHeat(g),
             .Hfg = g.Hfg,
             .Grav = context.grav};
  if constexpr (requires { in.CpV; }) in.CpV = g.CpV;
}

// With the vapour density included, the film's buoyancy becomes
// g·(1 − ρv/ρl): the film's gravity is scaled and `rhoV` set to the
// saturated vapour's density at its Tsat. False, refused, where that density
// cannot be had. Neglected, both stay as they are.
bool ApplyVaporDensity(RunContext& context, VaporDensity choice, LiquidFilm& film, double& rhoV);

// Solves and refuses a run whose solution has a fault.
template <typename Run, typename Solve>
std::optional<Run> Solved(RunContext& context, Run run, Solve solve) {
  run.result = solve(run.input);
  if (run.result.fault != SolveFault::kNone) {
    return context.Refuse<Run>(FaultMessage(run.result.fault));
  }
  return run;
}

}  // namespace dorix
