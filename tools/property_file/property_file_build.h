// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "curve_catalog.h"
#include "reference_table.h"

namespace dorix::tools {

// One curve of the delivered file: the reference rows it was chosen from and
// the rows chosen as its points.
struct DeliveredCurve {
  int fluid = 0;
  int code = 0;
  std::string name;
  ScaleFactor factor{};
  double tolerance = 0.0;  // see ToleranceOf
  std::vector<ReferenceRow> rows;
  std::vector<int> nodes;
};

// Where a curve ends short of its reference table: at the critical point,
// where not even every row as a point meets the tolerance (see ChooseNodes),
// or, for the saturation temperature, where the enthalpy of vaporization
// ends.
struct RangeCut {
  int fluid = 0;
  int code = 0;
  double tableEnd = 0.0;
  double delivered = 0.0;
};

struct PropertyFileBuild {
  std::string text;
  std::vector<DeliveredCurve> curves;  // in file order
  std::vector<RangeCut> cuts;
};

// Builds the property file from the reference tables <name>.csv in
// `referenceFolder`. On failure sets `error`.
PropertyFileBuild BuildPropertyFile(const std::filesystem::path& referenceFolder,
                                    std::string& error);

}  // namespace dorix::tools
