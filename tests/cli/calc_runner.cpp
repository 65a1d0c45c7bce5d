// SPDX-License-Identifier: MIT
#include "calc_runner.h"

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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

}  // namespace dorix::test
