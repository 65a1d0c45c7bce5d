// SPDX-License-Identifier: MIT
#include "cli/output.h"

#include <nlohmann/json.hpp>

#include "core/calc/correlation_presets.h"
#include "core/calc/report.h"
#include "core/calc/row_factors.h"
#include "core/fluids/fluid.h"
#include "core/text/round_trip_text.h"

namespace dorix::cli {

namespace {

using Status = CalculationOutcome::Status;

}  // namespace

std::string NumberText(double value) {
  return RoundTripText(value);
}

std::string ReportText(const CalculationOutcome& outcome, bool crlf) {
  std::string report = dorix::ReportText(outcome);
  if (!crlf) std::erase(report, '\r');
  return report;
}

nlohmann::ordered_json NotesJson(const std::vector<ValidityNote>& notes) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const ValidityNote& note : notes) json.push_back({{"code", note.code}, {"text", note.text}});
  return json;
}

std::string OutcomeJson(const Problem& problem, int fluid, const ProblemFields& fields,
                        const CalculationOutcome& outcome) {
  nlohmann::ordered_json json;
  json["problem"] = problem.name;
  json["fluid"] = FindFluid(fluid)->name;
  if (const CoefficientTexts* coefficients = CoefficientsOf(fields)) {
    json["preset"] = PresetName(*coefficients);
  } else {
    json["row_factor"] = ChoiceOf(outcome.rowFactor).name;
  }
  json["vapor_density"] = VaporDensityName(outcome.vaporDensity);
  json["inputs"] = nlohmann::ordered_json::object();
  for (const auto& input : outcome.inputs) json["inputs"][std::string(input.name)] = input.value;
  json["properties"] = nlohmann::ordered_json::object();
  for (const auto& property : outcome.properties) {
    json["properties"][std::string(property.name)] = {{"value", property.value},
                                                      {"at", property.at}};
  }
  if (problem.canDryOut) json["dry_out"] = outcome.status == Status::kDryOut;
  json["results"] = nlohmann::ordered_json::object();
  for (const auto& result : outcome.results)
    json["results"][std::string(result.name)] = result.value;
  json["notes"] = NotesJson(outcome.notes);
  return json.dump(2) + "\n";
}

}  // namespace dorix::cli
