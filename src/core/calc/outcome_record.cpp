// SPDX-License-Identifier: MIT
#include "core/calc/outcome_record.h"

namespace dorix {

void RecordLiquidProperties(CalculationOutcome& outcome, double CpL) {
  const PropertySlots& g = outcome.propertySlots;
  outcome.properties.insert(outcome.properties.end(), {{kLiquidDensityName, g.RhoL, g.TlRef},
                                                       {kLiquidViscosityName, g.MuL, g.TlRef},
                                                       {kLiquidConductivityName, g.KL, g.TlRef},
                                                       {kLiquidSpecificHeatName, CpL, g.TlRef},
                                                       {kLiquidPrandtlName, g.PrL, g.TlRef}});
}

void RecordEnthalpyOfVaporization(CalculationOutcome& outcome) {
  outcome.properties.push_back(
      {kEnthalpyOfVaporizationName, outcome.propertySlots.Hfg, outcome.propertySlots.Tsat});
}

void RecordCondensationProperties(CalculationOutcome& outcome, double P, double CpL) {
  const PropertySlots& g = outcome.propertySlots;
  outcome.properties.push_back({kSaturationTemperatureName, g.Tsat, P});
  RecordLiquidProperties(outcome, CpL);
  outcome.properties.push_back({kVaporSpecificHeatName, g.CpV, g.TvRef});
  RecordEnthalpyOfVaporization(outcome);
}

void RecordVaporDensity(CalculationOutcome& outcome, double rhoV) {
  if (!(rhoV > 0)) return;
  outcome.properties.push_back({kVaporDensityName, rhoV, outcome.propertySlots.Tsat});
  outcome.vaporDensity = VaporDensity::kIncluded;
}

}  // namespace dorix
