// SPDX-License-Identifier: MIT
#include "core/calc/sweep_table.h"

#include "core/calc/correlation_presets.h"
#include "core/calc/row_factors.h"
#include "core/calc/validity_notes.h"
#include "core/text/round_trip_text.h"

namespace dorix {

namespace {

using Status = CalculationOutcome::Status;

std::optional<double> Find(const std::vector<NamedValue>& values, std::string_view name) {
  for (const auto& value : values) {
    if (value.name == name) return value.value;
  }
  return std::nullopt;
}

constexpr std::string_view kDryOutName = "dry_out";
constexpr std::string_view kMessageName = "message";
constexpr std::string_view kPresetName = "preset";
constexpr std::string_view kRowFactorName = "row_factor";
constexpr std::string_view kNotesName = "notes";

}  // namespace

SweepTable::SweepTable(const Problem& problem)
    : resultCount_(problem.results.size()), dryOutColumn_(problem.canDryOut) {
  ProblemFields fields = problem.defaults;
  for (const FieldOption& option : BindFields(fields)) names_.push_back(option.field.name);
  inputCount_ = names_.size();
  names_.insert(names_.end(), problem.results.begin(), problem.results.end());
  if (dryOutColumn_) names_.push_back(kDryOutName);
  names_.push_back(kMessageName);
  names_.push_back(CoefficientsOf(problem.defaults) != nullptr ? kPresetName : kRowFactorName);
  names_.push_back(kNotesName);
}

std::optional<std::size_t> SweepTable::ColumnOf(std::string_view name) const {
  for (std::size_t column = 0; column < inputCount_ + resultCount_; ++column) {
    if (names_[column] == name) return column;
  }
  return std::nullopt;
}

SweepPoint SweepTable::Point(const ProblemFields& fields, const CalculationOutcome& outcome) const {
  SweepPoint point;
  point.inputs.reserve(inputCount_);
  for (std::size_t column = 0; column < inputCount_; ++column) {
    point.inputs.push_back(Find(outcome.inputs, names_[column]));
  }
  point.results.reserve(resultCount_);
  for (std::size_t column = inputCount_; column < inputCount_ + resultCount_; ++column) {
    point.results.push_back(Find(outcome.results, names_[column]));
  }
  point.status = outcome.status;
  point.message = outcome.message;
  if (!outcome.notes.empty()) point.notes = JoinedNoteTexts(outcome.notes);
  const CoefficientTexts* coefficients = CoefficientsOf(fields);
  point.setting = coefficients != nullptr
                      ? PresetName(*coefficients)
                      : ChoiceOf(std::get<TubeCondensationFields>(fields).rowFactor).name;
  return point;
}

std::optional<double> SweepTable::Value(const SweepPoint& point, std::size_t column) const {
  if (column < inputCount_) return point.inputs[column];
  if (column < inputCount_ + resultCount_) return point.results[column - inputCount_];
  return std::nullopt;
}

std::string SweepTable::Cell(const SweepPoint& point, std::size_t column) const {
  if (column < inputCount_ + resultCount_) {
    const std::optional<double> value = Value(point, column);
    return value ? RoundTripText(*value) : std::string();
  }
  if (column == MessageColumn()) return point.message;
  if (column == SettingColumn()) return std::string(point.setting);
  if (column == NotesColumn()) return point.notes;
  if (point.status == Status::kRefused) return {};
  return point.status == Status::kDryOut ? "true" : "false";
}

std::string SweepTable::CsvHeader() const {
  std::string line;
  for (std::size_t column = 0; column < names_.size(); ++column) {
    if (column > 0) line += ',';
    line += names_[column];
  }
  return line + '\n';
}

std::string SweepTable::CsvRow(const SweepPoint& point) const {
  std::string line;
  line.reserve(512);
  // Numbers go straight into the line: a sweep writes millions of them.
  for (const auto* values : {&point.inputs, &point.results}) {
    for (const std::optional<double>& value : *values) {
      if (value) AppendRoundTripText(line, *value);
      line += ',';
    }
  }
  for (std::size_t column = inputCount_ + resultCount_; column < MessageColumn(); ++column) {
    line += Cell(point, column);
    line += ',';
  }
  line += CsvField(point.message);
  line += ',';
  line += point.setting;
  line += ',';
  line += CsvField(point.notes);
  line += '\n';
  return line;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace dorix
