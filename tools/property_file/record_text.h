// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <vector>

#include "reference_table.h"

namespace dorix::tools {

// The shortest decimal text that reads back as exactly this single-precision
// value, so that the file's precision is that of the program, not the text's.
std::string ShortestText(float value);

// One curve record on three lines: "name,N,factor", the abscissae, and the
// ordinates divided by the factor, each written as the nearest float.
std::string RecordText(const std::string& name, const char* factorText,
                       std::span<const ReferenceRow> points);

// A curve point as the program's loader holds it: single precision, the
// ordinate already multiplied by the scale factor.
struct LoadedPoint {
  float x = 0.0F;
  float y = 0.0F;
};

// Every row as the loader would hold it if it were a curve point, found by
// writing the rows as records and reading them back with the program's
// parser. On failure returns nothing and sets `error`.
std::vector<LoadedPoint> LoadedPoints(const std::string& name, const char* factorText,
                                      std::span<const ReferenceRow> rows, std::string& error);

}  // namespace dorix::tools
