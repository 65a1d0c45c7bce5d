#include "core/state/film_properties.h"

#include "core/state/get_property.h"
#include "core/state/module1.h"

namespace dorix {

void FilmProperties(MessageSink& messages) {
  auto& m = Module1;
  m.OutOfRange = 0;
  GetProperty(m.FluidNo, kLiquidDensity, m.TlRef, m.RhoL);
  GetProperty(m.FluidNo, kLiquidViscosity, m.TlRef, m.MuL);
  GetProperty(m.FluidNo, kLiquidConductivity, m.TlRef, m.KL);
  GetProperty(m.FluidNo, kLiquidPrandtl, m.TlRef, m.PrL);
  if (m.OutOfRange == 1) {
    messages.ShowMessage(kLiquidReferenceOutOfRange);
    return;
  }
  GetProperty(m.FluidNo, kVaporSpecificHeat, m.TvRef, m.CpV);
  if (m.OutOfRange == 1) {
    messages.ShowMessage(kVaporReferenceOutOfRange);
    return;
  }
  GetProperty(m.FluidNo, kEnthalpyOfVaporization, m.Tsat, m.Hfg);
  if (m.OutOfRange == 1) messages.ShowMessage(kPressureOutOfRange);
}

}  // namespace dorix
