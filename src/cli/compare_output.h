// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>

#include "core/calc/problems.h"
#include "core/sweep/comparison.h"

namespace dorix::cli {

// CSV: a header, one row per preset or row factor with its status, values
// and message, then the max/min row.
std::string ComparisonCsv(const Comparison& comparison);

// One JSON object: problem, fluid, what the rows vary, the rows with their
// results or messages, and the spread of each quantity (null without one).
std::string ComparisonJson(const Problem& problem, int fluid, const Comparison& comparison);

// Runs the comparison and writes it to `out` as CSV, or JSON for the "json"
// format. Exit status 0, or 1 when every row was refused.
int PrintComparison(const Problem& problem, const ProblemFields& fields,
                    const CalculationSetup& setup, const std::string& format, std::ostream& out);

}  // namespace dorix::cli
