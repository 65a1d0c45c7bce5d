// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "property_file_build.h"
#include "verification.h"

namespace dorix::tools {

// The Markdown section of data/README.md that describes the delivered file:
// ranges per fluid and column in the reference tables and in the file, the
// curves that end short of their tables, the curves that take neighbouring
// rows as points, and per curve its points, range, scale factor and largest
// error.
std::string ReportSection(const PropertyFileBuild& build, const std::vector<CurveCheck>& checks);

}  // namespace dorix::tools
