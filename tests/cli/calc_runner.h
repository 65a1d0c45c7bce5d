// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace dorix::test {

// One run of dorix-calc, in process.
struct CalcRun {
  int status = 0;
  std::string out;
  std::string err;
};

// dorix-calc with exactly these arguments.
CalcRun RunCalcRaw(const std::vector<std::string>& args);
// dorix-calc with these arguments and the delivered property file.
CalcRun RunCalc(std::vector<std::string> args);

// The same run's JSON (--format json); a run that fails fails the test.
nlohmann::json Json(std::vector<std::string> args);

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// The rows of a CSV text below its header, by column name. Cells end at
// commas outside quotes; quotes stay.
std::vector<std::map<std::string, std::string>> CsvRows(const std::string& csv);
// A cell's number; a cell that is not wholly a number fails the test.
double Number(const std::string& cell);

}  // namespace dorix::test
