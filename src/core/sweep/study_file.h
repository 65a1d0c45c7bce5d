// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/problems.h"
#include "core/sweep/study_range.h"

namespace dorix {

// Everything a study window asks for, as a user saves it to come back to:
// the problem's field texts with the vapour-temperature choice and the row
// factor, the fluid, the range as typed, and what is charted.
struct StudySettings {
  ProblemFields fields;
  int fluid = 1;
  bool allFluids = false;
  StudyRangeText range;
  std::vector<std::string> results;  // result names, in report order
  bool logarithmicResults = false;
};

// The settings as a small JSON document.
std::string StudyFileText(const StudySettings& settings);

// The settings a study file holds, or none with `message` the "*** ERROR: "
// text that says why the text is not a study file. Fields a file leaves out
// keep their default texts.
std::optional<StudySettings> ReadStudyFile(std::string_view text, std::string& message);

}  // namespace dorix
