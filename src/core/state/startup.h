// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace dorix {

// The start-up sequence: shared constants, then the property file. Returns
// the message that explains why the program cannot run, or an empty text.
std::string StartUp();

}  // namespace dorix
