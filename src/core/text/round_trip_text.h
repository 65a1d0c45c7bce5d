// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace dorix {

// The shortest text that reads back as exactly this double: numbers of a
// data export, which other programs read, not people.
std::string RoundTripText(double value);

// Appends RoundTripText(value) to `out` without a string of its own.
void AppendRoundTripText(std::string& out, double value);

}  // namespace dorix
