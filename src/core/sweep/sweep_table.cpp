// SPDX-License-Identifier: MIT
#include "core/sweep/sweep_table.h"

#include <bit>
#include <cstdint>

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

// Appends the cells of the columns `names` from `values`, which hold some of
// them in the same order (a run notes its inputs in the order it reads them
// and stops at a refusal): each value is the next column's or a later one's.
void AppendCells(std::string& line, const std::string_view* names, std::size_t count,
                 const std::vector<NamedValue>& values, const FixedInputCells* fixed) {
  auto value = values.begin();
  for (std::size_t column = 0; column < count; ++column) {
    if (value != values.end() && SameName(value->name, names[column])) {
      const std::optional<FixedCell>* cell = fixed != nullptr ? &(*fixed)[column] : nullptr;
      // Bits, not ==: -0 and 0 are written differently.
      if (cell != nullptr && *cell &&
          std::bit_cast<std::uint64_t>((*cell)->value) ==
              std::bit_cast<std::uint64_t>(value->value)) {
        line += (*cell)->text;
      } else {
        AppendRoundTripText(line, value->value);
      }
      ++value;
    }
    line += ',';
  }
}

std::string_view DryOutCell(Status status) {
  if (status == Status::kRefused) return {};
  return status == Status::kDryOut ? "true" : "false";
}

// The coefficients' preset ("custom" for others) or the tube row's factor.
std::string_view SettingOf(const ProblemFields& fields) {
  const CoefficientTexts* coefficients = CoefficientsOf(fields);
  return coefficients != nullptr
             ? PresetName(*coefficients)
             : ChoiceOf(std::get<TubeCondensationFields>(fields).rowFactor).name;
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
  point.setting = SettingOf(fields);
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
  return std::string(DryOutCell(point.status));
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
  AppendLastCells(line, point.status, point.message, point.setting, point.notes);
  return line;
}

FixedInputCells SweepTable::FixedCells(const FieldReadings& readings) const {
  FixedInputCells cells(inputCount_);
  for (std::size_t column = 0; column < inputCount_; ++column) {
    const FieldReading* reading = readings.Find(names_[column]);
    if (reading != nullptr && reading->value) {
      cells[column] = FixedCell{*reading->value, RoundTripText(*reading->value)};
    }
  }
  return cells;
}

std::string SweepTable::CsvRow(const ProblemFields& fields, const CalculationOutcome& outcome,
                               const FixedInputCells& fixed) const {
  std::string line;
  line.reserve(512);
  AppendCells(line, names_.data(), inputCount_, outcome.inputs, &fixed);
  AppendCells(line, names_.data() + inputCount_, resultCount_, outcome.results, nullptr);
  AppendLastCells(line, outcome.status, outcome.message, SettingOf(fields),
                  outcome.notes.empty() ? std::string() : JoinedNoteTexts(outcome.notes));
  return line;
}

void SweepTable::AppendLastCells(std::string& line, Status status, std::string_view message,
                                 std::string_view setting, std::string_view notes) const {
  if (dryOutColumn_) {
    line += DryOutCell(status);
    line += ',';
  }
  AppendCsvField(line, message);
  line += ',';
  line += setting;
  line += ',';
  AppendCsvField(line, notes);
  line += '\n';
}

std::string CsvField(std::string_view text) {
  std::string field;
  AppendCsvField(field, text);
  return field;
}

void AppendCsvField(std::string& line, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    line += text;
    return;
  }
  line += '"';
  for (const char c : text) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

}  // namespace dorix
