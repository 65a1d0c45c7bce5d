// SPDX-License-Identifier: MIT
#pragma once

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

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace dorix::test
