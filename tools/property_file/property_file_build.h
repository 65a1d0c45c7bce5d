#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "curve_catalog.h"
#include "reference_table.h"

namespace dorix::tools {

// One curve of the delivered file: the reference rows it was chosen from
// (after any repair) and the rows chosen as its points.
struct DeliveredCurve {
  int fluid = 0;
  int code = 0;
  std::string name;
  ScaleFactor factor{};
  double tolerance = 0.0;  // see ToleranceOf
  std::vector<ReferenceRow> rows;
  std::vector<int> nodes;
  std::vector<std::string> notes;  // repairs of reference rows
};

// Where a fluid's range for one column ends short of what was asked of it,
// because the curves turn too steep near the critical point.
struct RangeCut {
  int fluid = 0;
  RangeColumn column{};
  double requested = 0.0;
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
