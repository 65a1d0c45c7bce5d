// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/text/field_text.h"

namespace dorix {
namespace {

struct FieldCase {
  const char* text;
  std::optional<float> value;
};

class FieldTextTable : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldTextTable, ReadsTheNumberOrRefuses) {
  const auto read = ReadFieldText(GetParam().text);
  ASSERT_EQ(read.has_value(), GetParam().value.has_value()) << '"' << GetParam().text << '"';
  if (read) {
    EXPECT_EQ(*read, *GetParam().value) << '"' << GetParam().text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(Numbers, FieldTextTable,
                         testing::Values(FieldCase{"101325", 101325.0F}, FieldCase{"1.0", 1.0F},
                                         FieldCase{"  -1.06 ", -1.06F},
                                         FieldCase{"\t0.0038\t", 0.0038F}, FieldCase{"+5", 5.0F},
                                         FieldCase{".5", 0.5F}, FieldCase{"5.", 5.0F},
                                         FieldCase{"1E-06", 1E-06F}, FieldCase{"6.12e+6", 6.12e6F},
                                         FieldCase{"-0", -0.0F},
                                         FieldCase{"3.4028234e38", 3.4028234e38F}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, FieldTextTable,
    testing::Values(FieldCase{"", std::nullopt}, FieldCase{"   ", std::nullopt},
                    FieldCase{"abc", std::nullopt}, FieldCase{"12abc", std::nullopt},
                    FieldCase{"inf", std::nullopt}, FieldCase{"-infinity", std::nullopt},
                    FieldCase{"nan", std::nullopt}, FieldCase{"0x1A", std::nullopt},
                    FieldCase{"1,5", std::nullopt}, FieldCase{"1e39", std::nullopt},
                    FieldCase{"1e-50", std::nullopt}, FieldCase{"+-1", std::nullopt},
                    FieldCase{"1 000", std::nullopt}, FieldCase{"1e", std::nullopt},
                    FieldCase{".", std::nullopt}, FieldCase{"--1", std::nullopt}));

TEST(FieldText, RoundsOnceFromTheDecimalText) {
  // Just above the half-way point between 1 and the next float. Through a
  // double first it would round to the half-way point, then down to 1.
  EXPECT_EQ(*ReadFieldText("1.0000000596046447753906251"), std::nextafter(1.0F, 2.0F));
  EXPECT_EQ(*ReadFieldText("0.1"), 0.1F);
}

TEST(FieldText, NamesTheFieldInItsMessage) {
  EXPECT_EQ(NotANumberMessage("Wall temperature [K]", " 3OO "),
            "*** ERROR: Wall temperature [K] is not a number: \"3OO\".");
  EXPECT_EQ(NotANumberMessage("Pressure [Pa]", "1e39"),
            "*** ERROR: Pressure [Pa] is beyond the range of single-precision numbers: \"1e39\".");
  EXPECT_EQ(
      NotANumberMessage("Pressure [Pa]", "+1e-50"),
      "*** ERROR: Pressure [Pa] is beyond the range of single-precision numbers: \"+1e-50\".");
  EXPECT_EQ(NotANumberMessage("Pressure [Pa]", "1e39x"),
            "*** ERROR: Pressure [Pa] is not a number: \"1e39x\".");
  EXPECT_EQ(NotANumberMessage("Length of wall [m]", "  "),
            "*** ERROR: Length of wall [m] is empty; please enter a number.");
}

}  // namespace
}  // namespace dorix
