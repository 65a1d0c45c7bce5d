#include "core/calc/condensation_steps.h"

#include "core/solvers/film_reference.h"
#include "core/state/film_properties.h"
#include "core/state/get_property.h"
#include "core/state/module1.h"

namespace dorix {

bool ReadVaporTemperature(FieldReader& read, int tempTypeIndex, const std::string& text, double P,
                          double& Tv) {
  Tv = 0.0;
  if (tempTypeIndex == kTypedVaporTemperature) return read.Read(kVaporTempField, text, Tv);
  if (tempTypeIndex == kSaturationVaporTemperature) {
    // Out of range leaves Tsat as it was; the pressure check refuses the run.
    GetProperty(Module1.FluidNo, kSaturationTemperature, P, Module1.Tsat);
    Tv = Module1.Tsat;
    read.Note(kVaporTempField, Tv);
  }
  return true;
}

bool LookUpSaturationTemperature(double P, MessageSink& messages) {
  Module1.OutOfRange = 0;
  GetProperty(Module1.FluidNo, kSaturationTemperature, P, Module1.Tsat);
  if (Module1.OutOfRange != 1) return true;
  messages.ShowMessage(kPressureOutOfRange);
  return false;
}

bool LookUpFilmProperties(double Tw, double Tv, MessageSink& messages) {
  auto& g = Module1;
  g.TlRef = LiquidReferenceTemperature(g.FluidNo, Tw, g.Tsat);
  g.TvRef = (g.Tsat + Tv) / 2;
  g.OutOfRange = 0;
  FilmProperties(messages);
  return g.OutOfRange != 1;
}

}  // namespace dorix
