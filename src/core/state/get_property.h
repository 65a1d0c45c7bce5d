// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/props/property_curve.h"

namespace dorix {

// The windows' lookup on the shared state: copies the curve into the working
// curve (SelectTable) and evaluates it there. On an argument beyond the
// curve's 1 % margins, or a curve that is not in the store, sets OutOfRange
// to 1 and leaves `result` untouched.
void GetProperty(int fluid, int code, double x, double& result);

// Copies the first curve of the store with this name into TabX, TabY, TabN.
// Returns false, leaving the working curve as it was, when no curve has it.
bool SelectTable(const std::string& name);

}  // namespace dorix
