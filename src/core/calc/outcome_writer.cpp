#include "core/calc/outcome_writer.h"

#include <string>

#include "core/state/module1.h"

namespace dorix {

void OutcomeWriter::SaturationLine(double Tsat, double P) {
  report_.AppendSaturationLine(Tsat, P);
  outcome_.properties.push_back({"saturation_temperature", Tsat, P});
}

void OutcomeWriter::PropertyLine(std::string_view name, const PropertyLineText& line, double value,
                                 double at) {
  report_.AppendPropertyLine(line, value, at);
  outcome_.properties.push_back({std::string(name), value, at});
}

void OutcomeWriter::ResultLine(std::string_view name, std::string_view label, double value,
                               std::string_view unit) {
  report_.AppendResultLine(label, value, unit);
  outcome_.results.push_back({std::string(name), value, 0.0});
}

void OutcomeWriter::Finish(CalculationOutcome::Status status) {
  outcome_.status = status;
  outcome_.report = report_.text();
}

void WriteLiquidProperties(OutcomeWriter& writer, double CpL) {
  const auto& g = Module1;
  writer.PropertyLine("liquid_density", kLiquidDensityLine, g.RhoL, g.TlRef);
  writer.PropertyLine("liquid_dynamic_viscosity", kLiquidViscosityLine, g.MuL, g.TlRef);
  writer.PropertyLine("liquid_conductivity", kLiquidConductivityLine, g.KL, g.TlRef);
  writer.PropertyLine("liquid_specific_heat", kLiquidSpecificHeatLine, CpL, g.TlRef);
  writer.PropertyLine("liquid_prandtl_number", kLiquidPrandtlLine, g.PrL, g.TlRef);
}

void WriteEnthalpyOfVaporization(OutcomeWriter& writer) {
  writer.PropertyLine("enthalpy_of_vaporization", kEnthalpyOfVaporizationLine, Module1.Hfg,
                      Module1.Tsat);
}

void WriteCondensationProperties(OutcomeWriter& writer, double P, double CpL) {
  const auto& g = Module1;
  writer.SaturationLine(g.Tsat, P);
  WriteLiquidProperties(writer, CpL);
  writer.PropertyLine("vapor_specific_heat", kVaporSpecificHeatLine, g.CpV, g.TvRef);
  WriteEnthalpyOfVaporization(writer);
}

}  // namespace dorix
