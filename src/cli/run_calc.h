// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dorix::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;  // the calculation showed a message
inline constexpr int kExitUsage = 2;    // bad command line or property file

// dorix-calc with these arguments (the program name left out): writes the
// report, JSON or CSV to `out`, messages and notes to `err`, and returns the
// exit status.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dorix::cli
