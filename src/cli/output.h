// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/calc/calculation.h"
#include "core/calc/problems.h"

namespace dorix::cli {

// The shortest text that reads back as exactly this double.
std::string NumberText(double value);

// The report as the window shows it, with LF line ends unless `crlf`.
std::string ReportText(const CalculationOutcome& outcome, bool crlf);

// One JSON object: problem, fluid, the preset of the coefficients (or
// "custom") or the row factor, inputs as read, properties with the
// temperature they were evaluated at, results (and dry_out where the film can
// dry out), every number at full double precision.
// A run's validity notes as JSON: [{"code": ..., "text": ...}, ...].
nlohmann::ordered_json NotesJson(const std::vector<ValidityNote>& notes);

std::string OutcomeJson(const Problem& problem, int fluid, const ProblemFields& fields,
                        const CalculationOutcome& outcome);

}  // namespace dorix::cli
