// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <string_view>
#include <vector>

#include "core/calc/calculation.h"

namespace dorix {

// The films a set of coefficients was fitted to, as film Reynolds and liquid
// Prandtl numbers; an open side is infinite.
struct FittedRange {
  double reynoldsLow = 0.0;
  double reynoldsHigh = INFINITY;
  double prandtlLow = 0.0;
  double prandtlHigh = INFINITY;
};

// A published set of the nine film-correlation coefficients of the
// vertical-wall problems, with where it comes from and where it holds.
struct CorrelationPreset {
  std::string_view name;       // "kutateladze-labuntsov": command line, JSON, the window's list
  std::string_view source;     // "Chun & Seban (1971)": beside the list and in comparisons
  std::string_view reference;  // the full publications
  std::string_view validity;   // the films the set was made for
  CoefficientTexts texts;
  FittedRange fitted;  // the same, in numbers, for the validity notes
};

// What coefficients that match no preset are called.
inline constexpr std::string_view kCustomPresetName = "custom";

// The default texts' set first.
const std::vector<CorrelationPreset>& CorrelationPresets();

// The preset of this name, or none.
const CorrelationPreset* FindPreset(std::string_view name);

// The preset whose texts these are, character for character, or none.
const CorrelationPreset* PresetOf(const CoefficientTexts& texts);

// The name of that preset, or "custom".
std::string_view PresetName(const CoefficientTexts& texts);

// A preset's name as the windows show it: the name, or "Custom" for
// coefficients of no preset.
std::string_view PresetTitle(std::string_view name);

}  // namespace dorix
