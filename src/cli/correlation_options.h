// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/calc/problems.h"

namespace CLI {
class App;
}

namespace dorix::cli {

// --preset NAME (the vertical walls), --row-factor NAME (the tube row),
// --vapor-density and --compare: which published correlations a run uses,
// whether the film counts the vapour's density, or a table of all.
struct CorrelationOptions {
  std::string preset;  // empty: the coefficients as given
  std::string rowFactor = "nusselt";
  std::string vaporDensity = "neglected";
  bool compare = false;
};

void AddCorrelationOptions(CLI::App& command, const ProblemFields& fields,
                           CorrelationOptions& options);

// Sets the coefficients to the preset's texts, except those whose options
// were given as well, and the row factor.
void ApplyCorrelationOptions(const CLI::App& command, const CorrelationOptions& options,
                             ProblemFields& fields);

// Why --compare cannot go with the other output options; empty when it can.
std::string CompareConflict(bool sweep, bool profile);

}  // namespace dorix::cli
