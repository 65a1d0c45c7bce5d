// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/props/property_store.h"

namespace dorix::testing_support {

// The delivered property file as the program loads it, read once per run.
const PropertyStore& DeliveredStore();

struct ReferenceRow {
  double x = 0.0;
  double y = 0.0;
};

// The rows of data/reference/<curve>.csv.
std::vector<ReferenceRow> ReferenceRows(const std::string& curve);

// A curve the file must hold: its name and how LookUpProperty asks for it.
struct CurveId {
  std::string name;
  int fluid = 0;
  int code = 0;
};

// Names the curve in test output.
void PrintTo(const CurveId& curve, std::ostream* out);

// The 131 curves in the order the file holds them: fluids 1..12, each with
// property codes 1..11, mercury without its vapour cp (a constant).
std::vector<CurveId> DeliveredCurves();

// For TEST_P names.
std::string CurveParamName(const ::testing::TestParamInfo<CurveId>& info);

// Abscissa and ordinate of point j (from 1) of a delivered curve.
float PointX(const std::string& curve, int j);
float PointY(const std::string& curve, int j);
int PointCount(const std::string& curve);

}  // namespace dorix::testing_support
