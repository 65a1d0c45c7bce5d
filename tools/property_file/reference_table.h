// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace dorix::tools {

// One row of a reference table, in SI units.
struct ReferenceRow {
  double x = 0.0;
  double y = 0.0;
};

// A dense reference table of one curve: `#` comment lines, an "x,y" header,
// then rows with strictly increasing x.
struct ReferenceTable {
  std::string name;
  std::vector<ReferenceRow> rows;
};

// Reads data/reference/<name>.csv. On failure returns an empty table and sets
// `error` to a message naming the file.
ReferenceTable ReadReferenceTable(const std::filesystem::path& directory, const std::string& name,
                                  std::string& error);

}  // namespace dorix::tools
