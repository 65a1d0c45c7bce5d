// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/calc/problems.h"
#include "core/sweep/sweep.h"

namespace dorix::cli {

// --sweep NAME=START:STOP:COUNT: the field NAME (an option name without its
// dashes) takes COUNT evenly spaced values from START to STOP; with ":log"
// after COUNT, values at a constant ratio. START and STOP may carry the units
// the field takes ("10 degC").
inline constexpr long kMaxSweepPoints = 10'000'000;

// The sweep an option's text asks for over one of the problem's fields, or
// none with `error` set to why it is not one.
std::optional<SweepRange> ParseSweep(std::string_view option, const Problem& problem,
                                     std::string& error);

// Runs the problem once per value of the swept field (which must be one of
// the problem's) on `jobs` threads and writes the CSV table to `out`.
void WriteSweep(const Problem& problem, const ProblemFields& fields, const SweepRange& sweep,
                const CalculationSetup& setup, unsigned jobs, std::ostream& out);

}  // namespace dorix::cli
