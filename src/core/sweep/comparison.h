// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/problems.h"

namespace dorix {

// One problem run under each correlation choice: every preset for the
// vertical walls (and the window's own coefficients when they match none),
// both row factors for the tube row, all else as typed.
struct ComparisonRow {
  std::string_view name;    // the preset or row factor, or "custom"
  std::string_view source;  // its short citation; empty for custom coefficients
  bool current = false;     // the choice the fields hold now
  CalculationOutcome::Status status = CalculationOutcome::Status::kRefused;
  std::string message;              // why it was refused, or the dry-out note
  std::array<double, 3> values{};   // the quantities, with a report
  std::vector<ValidityNote> notes;  // where the row's run stretches its model
};

struct Comparison {
  std::string_view choice;                     // "preset" or "row_factor"
  std::array<std::string_view, 3> quantities;  // reynolds_number, the rate, the coefficient
  std::vector<ComparisonRow> rows;
  // Largest over smallest of each quantity among the rows with results:
  // none unless at least two rows have them, all positive.
  std::array<std::optional<double>, 3> spread;
};

// The note of a row whose evaporating film dries out: no results.
inline constexpr std::string_view kDryOutNote = "the film dries out before the end of the wall";

Comparison Compare(const ProblemFields& fields, const CalculationSetup& setup);

}  // namespace dorix
