// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>

#include "core/text/field_text.h"

namespace dorix {
namespace {

TEST(FieldText, ReadsTheNumberOrRefuses) {
  for (const auto& [text, value] : {std::pair{"101325", 101325.0F},
                                    {"1.0", 1.0F},
                                    {"  -1.06 ", -1.06F},
                                    {"\t0.0038\t", 0.0038F},
                                    {"+5", 5.0F},
                                    {".5", 0.5F},
                                    {"5.", 5.0F},
                                    {"1E-06", 1E-06F},
                                    {"6.12e+6", 6.12e6F},
                                    {"-0", -0.0F},
                                    {"3.4028234e38", 3.4028234e38F},
                                    {"0.1", 0.1F},
                                    // Just above the half-way point between 1 and the next
                                    // float: through a double first it would round to 1.
                                    {"1.0000000596046447753906251", 0x1.000002p0F}}) {
    EXPECT_EQ(ReadFieldText(text), value) << '"' << text << '"';
  }
  for (const char* text : {"", "   ", "abc", "12abc", "inf", "-infinity", "nan", "0x1A", "1,5",
                           "1e39", "1e-50", "+-1", "1 000", "1e", ".", "--1"}) {
    EXPECT_FALSE(ReadFieldText(text)) << '"' << text << '"';
  }
}

// Empty, not-a-number and overflow messages are pinned by the command line's
// refusal table (tests/cli/run_calc_test.cpp); here underflow and a number
// with trailing text.
TEST(FieldText, NamesTheFieldInItsMessage) {
  EXPECT_EQ(
      NotANumberMessage("Pressure [Pa]", "+1e-50"),
      "*** ERROR: Pressure [Pa] is beyond the range of single-precision numbers: \"+1e-50\".");
  EXPECT_EQ(NotANumberMessage("Pressure [Pa]", "1e39x"),
            "*** ERROR: Pressure [Pa] is not a number: \"1e39x\".");
}

}  // namespace
}  // namespace dorix
