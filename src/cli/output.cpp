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

const NamedValue* Find(const std::vector<NamedValue>& values, std::string_view name) {
  for (const auto& value : values) {
    if (value.name == name) return &value;
  }
  return nullptr;
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string NumberText(double value) {
  return RoundTripText(value);
}

std::string ReportText(const CalculationOutcome& outcome, bool crlf) {
  std::string report = dorix::ReportText(outcome);
  if (!crlf) std::erase(report, '\r');
  return report;
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
  return json.dump(2) + "\n";
}

CsvTable::CsvTable(const Problem& problem, const std::vector<FieldOption>& fields)
    : results_(problem.results.begin(), problem.results.end()), dryOutColumn_(problem.canDryOut) {
  for (const auto& option : fields) inputs_.emplace_back(option.field.name);
}

std::string CsvTable::Header() const {
  std::string line;
  for (const auto& name : inputs_) line += name + ",";
  for (const auto& name : results_) line += name + ",";
  if (dryOutColumn_) line += "dry_out,";
  return line + "message\n";
}

std::string CsvTable::Row(const CalculationOutcome& outcome, std::string_view message) const {
  std::string line;
  for (const auto& name : inputs_) {
    if (const NamedValue* input = Find(outcome.inputs, name)) line += NumberText(input->value);
    line += ',';
  }
  for (const auto& name : results_) {
    if (const NamedValue* result = Find(outcome.results, name)) line += NumberText(result->value);
    line += ',';
  }
  if (dryOutColumn_) {
    if (outcome.status != Status::kRefused) {
      line += outcome.status == Status::kDryOut ? "true" : "false";
    }
    line += ',';
  }
  return line + CsvField(message) + "\n";
}

}  // namespace dorix::cli
