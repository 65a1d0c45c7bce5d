// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/solvers/tube_row.h"

namespace dorix {

// A tube-row factor as the windows and the command line name and cite it.
struct RowFactorChoice {
  RowFactor factor;
  std::string_view name;       // "kern": command line and JSON
  std::string_view title;      // "Kern N⁻¹ᐟ⁶": the window's choice and reports
  std::string_view reference;  // the publication, for tooltips and help
};

// Nusselt's factor first: the default.
std::span<const RowFactorChoice> RowFactorChoices();

const RowFactorChoice& ChoiceOf(RowFactor factor);
// The factor of this name, or none.
const RowFactorChoice* FindRowFactor(std::string_view name);

// The report line that names a factor other than Nusselt's; a report with
// the default factor has no such line.
std::string RowFactorReportLine(RowFactor factor);

}  // namespace dorix
