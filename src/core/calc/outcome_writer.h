#pragma once

#include <string_view>

#include "core/calc/calculation.h"
#include "core/calc/report.h"

namespace dorix {

// Names of the results, the same in every output of the command-line tool.
inline constexpr std::string_view kReynoldsNumber = "reynolds_number";
inline constexpr std::string_view kCondensationRate = "condensation_rate";
inline constexpr std::string_view kHeatTransferCoefficient = "heat_transfer_coefficient";
inline constexpr std::string_view kFinalMassFlowRate = "final_mass_flow_rate";
inline constexpr std::string_view kEvaporationRate = "evaporation_rate";

// Builds an outcome's report and its named values side by side, so that a
// number in the report and the same number in the named values always
// come from one line of code.
class OutcomeWriter {
 public:
  // Room for eight properties and four results, made
  // once: a sweep writes hundreds of thousands of them.
  OutcomeWriter(CalculationOutcome& outcome, ReportWriter report)
      : outcome_(outcome), report_(std::move(report)) {
    outcome_.properties.reserve(8);
    outcome_.results.reserve(4);
  }

  // "Saturation temperature = ..." with the pressure it was looked up at.
  void SaturationLine(double Tsat, double P);
  void PropertyLine(std::string_view name, const PropertyLineText& line, double value, double at);
  void EmptyLine() { report_.AppendEmptyLine(); }
  void ResultLine(std::string_view name, std::string_view label, double value,
                  std::string_view unit);
  // Hands the finished report to the outcome.
  void Finish(CalculationOutcome::Status status);

 private:
  CalculationOutcome& outcome_;
  ReportWriter report_;
};

// The five liquid-film lines every report shows, from the shared slots at
// TlRef, with the liquid specific heat CpL derived from them.
void WriteLiquidProperties(OutcomeWriter& writer, double CpL);
// The enthalpy of vaporization as looked up at Tsat.
void WriteEnthalpyOfVaporization(OutcomeWriter& writer);
// The property block of the two condensation windows: the saturation line at
// pressure P, the liquid film, the vapour and the enthalpy of vaporization.
void WriteCondensationProperties(OutcomeWriter& writer, double P, double CpL);

}  // namespace dorix
