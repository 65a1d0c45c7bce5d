// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calc/sweep.h"

namespace dorix {

// The most points a study takes per fluid: enough for any curve, few enough
// to recompute and redraw at once.
inline constexpr long kMostStudyPoints = 10'000;

// The texts of a study's range controls.
struct StudyRangeText {
  std::string field;  // the swept field's name
  std::string from;
  std::string to;
  std::string count;
  bool logarithmic = false;
};

// The sweep the texts ask for, or none with `message` set to the "*** ERROR: "
// text that says why. From and To are read as dorix-calc --sweep reads START
// and STOP, and must be numbers a field can hold.
std::optional<SweepRange> ReadStudyRange(const StudyRangeText& text, std::string& message);

// A first range for a field that holds `fieldText`: from three to five
// quarters of its value, rounded to two significant digits.
struct SuggestedRange {
  std::string from;
  std::string to;
};
SuggestedRange SuggestRange(std::string_view fieldText);

}  // namespace dorix
