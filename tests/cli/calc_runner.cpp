// SPDX-License-Identifier: MIT
#include "calc_runner.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

#include "cli/run_calc.h"

namespace dorix::test {

CalcRun RunCalcRaw(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCalc(args, out, err);
  return {status, out.str(), err.str()};
}

CalcRun RunCalc(std::vector<std::string> args) {
  args.insert(args.end(), {"--data", DORIX_PROPERTY_FILE});
  return RunCalcRaw(args);
}

nlohmann::json Json(std::vector<std::string> args) {
  args.insert(args.end(), {"--format", "json"});
  const CalcRun run = RunCalc(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::vector<std::map<std::string, std::string>> CsvRows(const std::string& csv) {
  auto split = [](const std::string& line) {
    std::vector<std::string> cells{""};
    bool quoted = false;
    for (const char c : line) {
      if (c == '"') quoted = !quoted;
      if (c == ',' && !quoted) {
        cells.emplace_back();
      } else {
        cells.back() += c;
      }
    }
    return cells;
  };
  const std::vector<std::string> lines = Lines(csv);
  const std::vector<std::string> header = split(lines.at(0));
  std::vector<std::map<std::string, std::string>> rows;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> cells = split(lines[i]);
    EXPECT_EQ(cells.size(), header.size()) << lines[i];
    auto& row = rows.emplace_back();
    for (std::size_t j = 0; j < header.size() && j < cells.size(); ++j) row[header[j]] = cells[j];
  }
  return rows;
}

double Number(const std::string& cell) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  EXPECT_TRUE(error == std::errc() && end == cell.data() + cell.size()) << cell;
  return value;
}

}  // namespace dorix::test
