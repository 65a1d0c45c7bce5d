// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/field_reader.h"
#include "core/calc/problems.h"

namespace dorix {

// An input cell a sweep formats once: the value its field reads as at every
// point, and its text.
struct FixedCell {
  double value = 0.0;
  std::string text;
};
// One per input column; none for a field whose value changes.
using FixedInputCells = std::vector<std::optional<FixedCell>>;

// One point of a sweep as its row of the table holds it.
struct SweepPoint {
  // One per input column: the value as read, none where the run stopped
  // before reading the field.
  std::vector<std::optional<double>> inputs;
  // One per result column; none for a refused point or a film that dried out.
  std::vector<std::optional<double>> results;
  CalculationOutcome::Status status = CalculationOutcome::Status::kRefused;
  std::string message;  // why the point was refused
  // The coefficients' preset ("custom" for others) or the tube row's factor.
  std::string_view setting;
  std::string notes;  // the run's validity notes, "; " between them
};

// The table of a sweep: one column per field in the order the calculation
// reads them, one per result, dry_out where the film can dry out, and the
// message that refused a point, the preset of a vertical wall's
// coefficients or the factor of a row of tubes, and last the point's
// validity notes. Numbers are written as the shortest text that reads back
// as the same double, so other programs get every bit.
class SweepTable {
 public:
  explicit SweepTable(const Problem& problem);

  std::size_t ColumnCount() const { return names_.size(); }
  std::string_view ColumnName(std::size_t column) const { return names_[column]; }
  std::size_t InputCount() const { return inputCount_; }
  std::size_t ResultCount() const { return resultCount_; }
  std::size_t FirstResultColumn() const { return inputCount_; }
  std::size_t MessageColumn() const { return names_.size() - 3; }
  std::size_t SettingColumn() const { return names_.size() - 2; }
  std::size_t NotesColumn() const { return names_.size() - 1; }
  // The column of an input or result, or none.
  std::optional<std::size_t> ColumnOf(std::string_view name) const;

  // The row of a run of these field texts.
  SweepPoint Point(const ProblemFields& fields, const CalculationOutcome& outcome) const;
  // The number in an input or result cell, if any.
  std::optional<double> Value(const SweepPoint& point, std::size_t column) const;
  // A cell as the CSV holds it, unquoted; empty where there is no value.
  std::string Cell(const SweepPoint& point, std::size_t column) const;

  std::string CsvHeader() const;
  std::string CsvRow(const SweepPoint& point) const;

  // The cells of the inputs with prepared readings, formatted once.
  FixedInputCells FixedCells(const FieldReadings& readings) const;
  // CsvRow(Point(fields, outcome)) straight from the outcome, without the
  // point's copies: an input that reads as its fixed cell takes the cell's
  // text, so a sweep formats only the swept field and the results.
  std::string CsvRow(const ProblemFields& fields, const CalculationOutcome& outcome,
                     const FixedInputCells& fixed) const;

 private:
  // The dry_out, message, setting and notes cells and the line end.
  void AppendLastCells(std::string& line, CalculationOutcome::Status status,
                       std::string_view message, std::string_view setting,
                       std::string_view notes) const;

  std::vector<std::string_view> names_;
  std::size_t inputCount_ = 0;
  std::size_t resultCount_ = 0;
  bool dryOutColumn_ = false;
};

// A CSV field, quoted when it holds a separator, a quote or a line end.
std::string CsvField(std::string_view text);
void AppendCsvField(std::string& line, std::string_view text);

}  // namespace dorix
