// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>

#include "core/calc/problems.h"

namespace CLI {
class App;
}

namespace dorix::cli {

// --profile COUNT: the film along the wall at COUNT evenly spaced points
// from the top edge to the end (both included), or a row of tubes tube by
// tube, as CSV. Zero while the option is not given.
inline constexpr long kMostProfilePoints = 1'000'000;

void AddProfileOption(CLI::App& command, long& count);

// Why --profile cannot go with the other output options; empty when it can.
std::string ProfileConflict(bool sweep, const std::string& format);

// Runs the problem's checks as Calculate does, then writes the profile to
// `out`: exit status 0, or 1 with the message on `err` when refused. A film
// that dries out is a profile, with the same note as the report.
int PrintProfile(const ProblemFields& fields, const CalculationSetup& setup, long count,
                 std::ostream& out, std::ostream& err);

}  // namespace dorix::cli
