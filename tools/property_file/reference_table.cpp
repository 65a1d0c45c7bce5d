// SPDX-License-Identifier: MIT
#include "reference_table.h"

#include <charconv>
#include <fstream>

namespace dorix::tools {

namespace {

bool ParseDouble(std::string_view text, double& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

ReferenceTable ReadReferenceTable(const std::filesystem::path& directory, const std::string& name,
                                  std::string& error) {
  const std::filesystem::path path = directory / (name + ".csv");
  std::ifstream file(path);
  if (!file) {
    error = "cannot open " + path.string();
    return {};
  }
  ReferenceTable table{name, {}};
  std::string line;
  int lineNumber = 0;
  while (std::getline(file, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#' || line == "x,y") continue;
    const auto comma = line.find(',');
    ReferenceRow row;
    if (comma == std::string::npos ||
        !ParseDouble(std::string_view(line).substr(0, comma), row.x) ||
        !ParseDouble(std::string_view(line).substr(comma + 1), row.y)) {
      error = path.string() + ", line " + std::to_string(lineNumber) + ": not an x,y row";
      return {};
    }
    if (!table.rows.empty() && !(row.x > table.rows.back().x)) {
      error = path.string() + ", line " + std::to_string(lineNumber) + ": x does not increase";
      return {};
    }
    table.rows.push_back(row);
  }
  if (table.rows.size() < 4) {
    error = path.string() + ": fewer than 4 rows";
    return {};
  }
  return table;
}

}  // namespace dorix::tools
