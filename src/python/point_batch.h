// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/problems.h"

namespace dorix::python {

// A field whose text differs from point to point: a text per point, or a
// number per point typed as the shortest text that reads back as it, the
// text dorix-calc gets for the same number.
struct VaryingField {
  std::size_t field = 0;            // its place in BindFields order
  std::vector<std::string> texts;   // a text per point, or none when
  const double* numbers = nullptr;  // a number per point, owned by the caller

  std::string Text(long point) const;
};

// The points of one vectorised call, flattened: what they share and what
// differs. Computing a point touches nothing shared: safe on many threads.
struct PointBatch {
  const Problem* problem = nullptr;
  ProblemFields fields;  // the texts every point starts from
  std::vector<VaryingField> varying;
  std::vector<int> fluids;      // one per point, or one for all
  std::vector<char> saturated;  // one per point, or one for all
  std::shared_ptr<const PropertyStore> store;
  long count = 1;

  // The texts of one point: the shared ones with its own in place.
  ProblemFields Fields(long point) const;
  CalculationOutcome Calculate(long point) const;
};

// One number of the outcomes over the points, NaN where a point has none.
struct NamedColumn {
  std::string_view name;
  std::vector<double> values;
  std::vector<double> at;  // properties only: where each was evaluated
};

// Every point's outcome, column by column.
struct BatchColumns {
  std::vector<NamedColumn> inputs;      // in field order
  std::vector<NamedColumn> properties;  // in report order
  std::vector<NamedColumn> results;     // in report order
  std::vector<char> dryOut;
  std::vector<std::string> messages;  // "" where the point was not refused
  std::vector<std::vector<ValidityNote>> notes;
};

// Computes every point on `jobs` threads.
BatchColumns CalculateColumns(const PointBatch& batch, unsigned jobs);

// Every point's report as dorix-calc prints it (LF line ends), "" where the
// point was refused.
std::vector<std::string> CalculateReports(const PointBatch& batch, unsigned jobs);

}  // namespace dorix::python
