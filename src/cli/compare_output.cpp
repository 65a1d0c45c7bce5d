// SPDX-License-Identifier: MIT
#include "cli/compare_output.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/output.h"
#include "cli/run_calc.h"
#include "core/calc/validity_notes.h"
#include "core/fluids/fluid.h"
#include "core/sweep/sweep_table.h"

namespace dorix::cli {

namespace {

using Status = CalculationOutcome::Status;

std::string_view StatusName(Status status) {
  switch (status) {
    case Status::kReport:
      return "report";
    case Status::kDryOut:
      return "dry_out";
    case Status::kRefused:
      break;
  }
  return "refused";
}

}  // namespace

std::string ComparisonCsv(const Comparison& comparison) {
  std::string table = std::string(comparison.choice) + ",source,current,status";
  for (const std::string_view quantity : comparison.quantities) {
    table += "," + std::string(quantity);
  }
  table += ",message,notes\n";
  for (const ComparisonRow& row : comparison.rows) {
    table += std::string(row.name) + "," + CsvField(row.source) + "," +
             (row.current ? "true" : "false") + "," + std::string(StatusName(row.status));
    for (const double value : row.values) {
      table += ",";
      if (row.status == Status::kReport) table += NumberText(value);
    }
    table += "," + CsvField(row.message) + "," + CsvField(JoinedNoteTexts(row.notes)) + "\n";
  }
  table += "max/min,,,";
  for (const std::optional<double>& spread : comparison.spread) {
    table += ",";
    if (spread) table += NumberText(*spread);
  }
  return table + ",,\n";
}

std::string ComparisonJson(const Problem& problem, int fluid, const Comparison& comparison) {
  nlohmann::ordered_json json;
  json["problem"] = problem.name;
  json["fluid"] = FindFluid(fluid)->name;
  json["compare"] = comparison.choice;
  json["rows"] = nlohmann::ordered_json::array();
  for (const ComparisonRow& row : comparison.rows) {
    nlohmann::ordered_json entry;
    entry[std::string(comparison.choice)] = row.name;
    entry["source"] = row.source;
    entry["current"] = row.current;
    entry["status"] = StatusName(row.status);
    entry["results"] = nlohmann::ordered_json::object();
    if (row.status == Status::kReport) {
      for (std::size_t i = 0; i < row.values.size(); ++i) {
        entry["results"][std::string(comparison.quantities[i])] = row.values[i];
      }
    }
    entry["message"] = row.message;
    entry["notes"] = NotesJson(row.notes);
    json["rows"].push_back(entry);
  }
  json["spread"] = nlohmann::ordered_json::object();
  for (std::size_t i = 0; i < comparison.spread.size(); ++i) {
    const std::optional<double>& spread = comparison.spread[i];
    json["spread"][std::string(comparison.quantities[i])] =
        spread ? nlohmann::ordered_json(*spread) : nlohmann::ordered_json();
  }
  return json.dump(2) + "\n";
}

int PrintComparison(const Problem& problem, const ProblemFields& fields,
                    const CalculationSetup& setup, const std::string& format, std::ostream& out) {
  const Comparison comparison = Compare(fields, setup);
  out << (format == "json" ? ComparisonJson(problem, setup.fluid, comparison)
                           : ComparisonCsv(comparison));
  const bool allRefused =
      std::all_of(comparison.rows.begin(), comparison.rows.end(),
                  [](const ComparisonRow& row) { return row.status == Status::kRefused; });
  return allRefused ? kExitRefused : kExitSuccess;
}

}  // namespace dorix::cli
