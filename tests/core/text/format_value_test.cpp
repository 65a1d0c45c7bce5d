// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cfloat>

#include "core/text/format_value.h"

namespace dorix {
namespace {

// The worked examples of the report format, one per band and carry; both
// bounds of every band are exclusive, so the exact powers of ten fall to
// scientific notation; extreme magnitudes stay readable; halves round away
// from zero as the value reads in decimal, although the binary value lies
// just below the half (1.0005 is held as 1.000499999…).
TEST(FormatValue, GivesTheReportText) {
  const std::pair<double, const char*> kCases[] = {
      {0.0123456, "0.01235"}, {0.099999, "0.10000"},     {0.54321, "0.5432"},
      {4.56789, "4.568"},     {54.321, "54.32"},         {373.124, "373.1"},
      {999.96, "1000.0"},     {5432.1, "5432."},         {9999.7, "10000."},
      {101325, "1.01E+05"},   {102500, "1.03E+05"},      {12345.678, "1.23E+04"},
      {0.00123, "1.23E-03"},  {99960, "1.00E+05"},       {0, "0.00E+00"},
      {-5, "-5.00E+00"},      {-0.5, "-5.00E-01"},       {1, "1.00E+00"},
      {1000, "1.00E+03"},     {1E+100, "1.00E+100"},     {0.01, "1.00E-02"},
      {0.1, "1.00E-01"},      {10, "1.00E+01"},          {100, "1.00E+02"},
      {10000, "1.00E+04"},    {-12345.678, "-1.23E+04"}, {9.99E+9, "9.99E+09"},
      {1E+10, "1.00E+10"},    {-2.5E-10, "-2.50E-10"},   {-1E-300, "-1.00E-300"},
      {-0.0, "0.00E+00"},     {DBL_MAX, "1.80E+308"},    {DBL_TRUE_MIN, "4.94E-324"},
      {1.0005, "1.001"},      {1.0125, "1.013"},         {10.045, "10.05"},
      {267.45, "267.5"},      {1234.5, "1235."},         {0.012345, "0.01235"},
      {9.995E-7, "1.00E-06"}, {-102500, "-1.03E+05"}};
  for (const auto& [value, text] : kCases) EXPECT_EQ(FormatValue(value), text) << value;
}

TEST(FormatValue, WidensSinglePrecisionBeforeChoosingTheBand) {
  EXPECT_EQ(FormatValue(0.1F), "0.1000");  // 0.100000001490116… lies above 0.1
  EXPECT_EQ(FormatValue(0.1), "1.00E-01");
}

}  // namespace
}  // namespace dorix
