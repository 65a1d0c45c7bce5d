// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc/calculation.h"

namespace dorix::fuzzing {

// A fuzz input for a calculation, read one line at a time: whole numbers
// for the fluid and the selector, then the field texts in the window's
// order. Lines the input does not have leave the window's defaults.
class InputLines {
 public:
  InputLines(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  // The next line as a whole number; `fallback` when it is not one.
  int NextNumber(int fallback);
  // Replaces `text` by the next line, when there is one.
  void NextText(std::string& text);

 private:
  bool Next(std::string_view& line);

  std::string_view rest_;
  bool ended_ = false;
};

// Loads the delivered property file once; aborts when it cannot.
const PropertyStore& DeliveredStore();

// A calculation's setup on the delivered store with the given fluid and
// slots of its own, so that every input runs alone and a finding replays
// exactly.
CalculationSetup SetupFor(int fluid);

// The number that ends a calculation's input: bit 0 includes the vapour
// density; for the vertical walls bits 1 and 2 choose a preset (1 to 3),
// whose texts replace the coefficients read; for the tube row bit 1 takes
// Kern's factor.
struct Options {
  VaporDensity vaporDensity = VaporDensity::kNeglected;
  int preset = 0;  // 0: the coefficients as read
  RowFactor rowFactor = RowFactor::kNusselt;
};
Options ReadOptions(InputLines& input);
void ApplyPreset(const Options& options, CoefficientTexts& coefficients);

enum class Problem { kWallCondensation, kTubeCondensation, kEvaporation };

// Aborts, describing the breach, unless the outcome is one of: a complete
// report with only finite numbers and no message; an evaporation dry-out
// report (property lines only) and no message; a refusal with a
// "*** ERROR: " message and no report. Notes come with reports only, each
// with a code and a text that shows no number that is not finite.
void CheckOutcome(Problem problem, const CalculationOutcome& outcome);

}  // namespace dorix::fuzzing
