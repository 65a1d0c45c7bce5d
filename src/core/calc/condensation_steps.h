#pragma once

#include <string>

#include "core/calc/field_reader.h"
#include "core/state/message_sink.h"
#include "core/state/module1.h"

namespace dorix {

// Steps the two condensation windows share.

// The vapour temperature by the selector: typed (read from its field), the
// saturation temperature at pressure P (looked up into the shared Tsat), or
// zero with no entry selected, which the later checks refuse. False when the
// typed text is not a number.
bool ReadVaporTemperature(FieldReader& read, int tempTypeIndex, const std::string& text, double P,
                          double& Tv);

// Looks up the saturation temperature at pressure P into the shared Tsat,
// with OutOfRange cleared first; false, with the pressure message shown, when
// P lies outside the saturation curve.
bool LookUpSaturationTemperature(double P, MessageSink& messages);

// Sets the reference temperatures TlRef and TvRef and looks up the film
// properties at them; false, with the property library's message shown, when
// a temperature lies outside a curve.
bool LookUpFilmProperties(double Tw, double Tv, MessageSink& messages);

// Copies the fluid, Tsat, Grav and the film properties of the shared slots
// into a condensation input record, with CpL derived as PrL·KL/MuL.
template <typename Input>
void TakeSharedProperties(Input& in) {
  const auto& g = Module1;
  in.FluidNo = g.FluidNo;
  in.Tsat = g.Tsat;
  in.RhoL = g.RhoL;
  in.MuL = g.MuL;
  in.KL = g.KL;
  in.PrL = g.PrL;
  in.CpL = g.PrL * g.KL / g.MuL;
  in.CpV = g.CpV;
  in.Hfg = g.Hfg;
  in.Grav = g.Grav;
}

}  // namespace dorix
