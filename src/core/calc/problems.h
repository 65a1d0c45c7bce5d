// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/field_reader.h"

namespace dorix {

// The field texts of one problem window, defaults as the window has them.
using ProblemFields =
    std::variant<WallCondensationFields, TubeCondensationFields, EvaporationFields>;

// A command-line option bound to the text of one field.
struct FieldOption {
  InputField field;
  std::string* text;

  // "wall-temp" for the field "wall_temp".
  std::string OptionName() const;
};

// One problem of the DORIX menu as the command line offers it.
struct Problem {
  std::string_view name;   // "wall-condensation"
  std::string_view alias;  // "cvw", the window's short name
  std::string_view summary;
  std::vector<std::string_view> results;  // result names in report order
  bool hasTemperatureChoice;              // the vapour temperature selector
  bool canDryOut;
  ProblemFields defaults;
};

const std::vector<Problem>& Problems();

// The problem whose fields these are.
const Problem& ProblemOf(const ProblemFields& fields);

// Options for every field of `fields`, in the order the calculation reads them.
std::vector<FieldOption> BindFields(ProblemFields& fields);

// The option of this field name ("wall_temp") or option name ("wall-temp"), or none.
const FieldOption* FindOption(const std::vector<FieldOption>& options, std::string_view name);

// The coefficient panel's texts of a vertical-wall problem; none for the tube row.
CoefficientTexts* CoefficientsOf(ProblemFields& fields);
const CoefficientTexts* CoefficientsOf(const ProblemFields& fields);

// The vapour-density choice as the command line, JSON and Python name it:
// "neglected" or "included"; ParseVaporDensity takes those names only.
std::string_view VaporDensityName(VaporDensity choice);
std::optional<VaporDensity> ParseVaporDensity(std::string_view name);
void SetVaporDensity(ProblemFields& fields, VaporDensity choice);

// Selects "Use saturation temp [K]" in a condensation problem.
void SelectSaturationTemperature(ProblemFields& fields);

// Runs the problem's Calculate on the current field texts.
CalculationOutcome Calculate(const ProblemFields& fields, const CalculationSetup& setup);

}  // namespace dorix
