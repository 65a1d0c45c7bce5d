// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "property_file_build.h"

namespace dorix::tools {

// How well one delivered curve reproduces its reference rows.
struct CurveCheck {
  std::string name;
  int points = 0;
  float from = 0.0F;
  float to = 0.0F;
  int rowsChecked = 0;
  double largestError = 0.0;  // relative, as RelativeError measures it
  double largestErrorAt = 0.0;
};

// Reads the built text back with the program's loader and evaluates every
// reference row inside each curve's range with LookUpProperty. Fails when the
// text does not load as a complete property file or a row misses its
// curve's tolerance.
bool VerifyPropertyFile(const PropertyFileBuild& build, std::vector<CurveCheck>& checks,
                        std::string& error);

}  // namespace dorix::tools
