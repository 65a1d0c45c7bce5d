// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calc/field_reader.h"
#include "core/calc/problems.h"
#include "core/sweep/sweep.h"

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

// An end of a range over `field`: a plain decimal number, kept at double
// precision, or a number with one of the units the field takes ("10 degC"),
// in the field's SI unit as the field reads it. Either must be a value the
// field can hold; otherwise none, with `message` the "*** ERROR: " text that
// names the end by `label`.
std::optional<double> ReadRangeEnd(const InputField& field, std::string_view label,
                                   std::string_view text, std::string& message);

// The sweep the texts ask for over one of the problem's fields (or the
// difference from saturation, kSaturationDifferenceField), or none with
// `message` set to the "*** ERROR: " text that says why. From and To are
// read by ReadRangeEnd and must differ.
std::optional<SweepRange> ReadStudyRange(const StudyRangeText& text, const Problem& problem,
                                         std::string& message);

// A first range for a field that holds `fieldText`: from three to five
// quarters of its value in the field's SI unit, rounded to two significant
// digits.
struct SuggestedRange {
  std::string from;
  std::string to;
};
SuggestedRange SuggestRange(const InputField& field, std::string_view fieldText);

}  // namespace dorix
