// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "core/text/format_value.h"

namespace dorix {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

class FormatValueTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTable, GivesTheReportText) {
  EXPECT_EQ(FormatValue(GetParam().value), GetParam().text) << "value " << GetParam().value;
}

// The worked examples of the report format, one per band and carry.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FormatValueTable,
    testing::Values(FormatCase{0.0123456, "0.01235"}, FormatCase{0.099999, "0.10000"},
                    FormatCase{0.54321, "0.5432"}, FormatCase{4.56789, "4.568"},
                    FormatCase{54.321, "54.32"}, FormatCase{373.124, "373.1"},
                    FormatCase{999.96, "1000.0"}, FormatCase{5432.1, "5432."},
                    FormatCase{9999.7, "10000."}, FormatCase{101325, "1.01E+05"},
                    FormatCase{102500, "1.03E+05"}, FormatCase{12345.678, "1.23E+04"},
                    FormatCase{0.00123, "1.23E-03"}, FormatCase{99960, "1.00E+05"},
                    FormatCase{0, "0.00E+00"}, FormatCase{-5, "-5.00E+00"},
                    FormatCase{-0.5, "-5.00E-01"}, FormatCase{1, "1.00E+00"},
                    FormatCase{1000, "1.00E+03"}, FormatCase{1E+100, "1.00E+100"}));

// Both bounds of every band are exclusive: the exact powers of ten fall to
// scientific notation.
INSTANTIATE_TEST_SUITE_P(BandBounds, FormatValueTable,
                         testing::Values(FormatCase{0.01, "1.00E-02"}, FormatCase{0.1, "1.00E-01"},
                                         FormatCase{10, "1.00E+01"}, FormatCase{100, "1.00E+02"},
                                         FormatCase{10000, "1.00E+04"},
                                         FormatCase{-12345.678, "-1.23E+04"},
                                         FormatCase{-1E-300, "-1.00E-300"}));

// Halves round away from zero as the value reads in decimal, although the
// binary value lies just below the half (1.0005 is held as 1.000499999…).
INSTANTIATE_TEST_SUITE_P(DecimalHalves, FormatValueTable,
                         testing::Values(FormatCase{1.0005, "1.001"}, FormatCase{1.0125, "1.013"},
                                         FormatCase{10.045, "10.05"}, FormatCase{267.45, "267.5"},
                                         FormatCase{1234.5, "1235."},
                                         FormatCase{0.012345, "0.01235"},
                                         FormatCase{9.995E-7, "1.00E-06"},
                                         FormatCase{-102500, "-1.03E+05"}));

TEST(FormatValue, WidensSinglePrecisionBeforeChoosingTheBand) {
  EXPECT_EQ(FormatValue(0.1F), "0.1000");  // 0.100000001490116… lies above 0.1
  EXPECT_EQ(FormatValue(0.1), "1.00E-01");
}

TEST(FormatValue, KeepsExtremeMagnitudesReadable) {
  EXPECT_EQ(FormatValue(std::numeric_limits<double>::max()), "1.80E+308");
  EXPECT_EQ(FormatValue(std::numeric_limits<double>::denorm_min()), "4.94E-324");
  EXPECT_EQ(FormatValue(-0.0), "0.00E+00");
}

}  // namespace
}  // namespace dorix
