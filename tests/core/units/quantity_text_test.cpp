// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/text/field_text.h"
#include "core/units/quantity_text.h"

namespace dorix {
namespace {

constexpr Quantity kTemperature = Quantity::kTemperature;
constexpr Quantity kPressure = Quantity::kPressure;
constexpr Quantity kLength = Quantity::kLength;
constexpr Quantity kFlow = Quantity::kMassFlowPerWidth;
constexpr Quantity kPlain = Quantity::kNone;

struct UnitCase {
  const char* text;
  Quantity quantity;
  float value;
};

class UnitTexts : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitTexts, ConvertToTheSiUnitBeforeRoundingToSingle) {
  const FieldReading read = ReadQuantityText(GetParam().text, GetParam().quantity, "Field");
  ASSERT_TRUE(read.value) << read.message;
  EXPECT_EQ(*read.value, GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Temperatures, UnitTexts,
    testing::Values(UnitCase{"300 K", kTemperature, 300.0F},
                    // The SI unit itself rounds the decimal text once, as a plain number does.
                    UnitCase{"300.1 K", kTemperature, 300.1F},
                    UnitCase{"300.1 kelvin", kTemperature, 300.1F},
                    UnitCase{"40 degC", kTemperature, static_cast<float>(40 + 273.15)},
                    UnitCase{"40 °C", kTemperature, static_cast<float>(40 + 273.15)},
                    UnitCase{" -40°C ", kTemperature, static_cast<float>(-40 + 273.15)},
                    UnitCase{"212 degF", kTemperature, 373.15F},
                    UnitCase{"32 °F", kTemperature, 273.15F}));

INSTANTIATE_TEST_SUITE_P(Pressures, UnitTexts,
                         testing::Values(UnitCase{"101325 Pa", kPressure, 101325.0F},
                                         UnitCase{"101.325 kPa", kPressure, 101325.0F},
                                         UnitCase{"0.101325 MPa", kPressure, 101325.0F},
                                         UnitCase{"1.2 bar", kPressure, 120000.0F},
                                         UnitCase{"1.2bar", kPressure, 120000.0F},
                                         UnitCase{"1013.25 mbar", kPressure, 101325.0F},
                                         UnitCase{"1 atm", kPressure, 101325.0F},
                                         UnitCase{"1 psi", kPressure, 6894.7573F}));

INSTANTIATE_TEST_SUITE_P(
    Lengths, UnitTexts,
    testing::Values(UnitCase{"1.0 m", kLength, 1.0F}, UnitCase{"250 mm", kLength, 0.25F},
                    UnitCase{"1e3 mm", kLength, 1.0F}, UnitCase{"+25 cm", kLength, 0.25F},
                    UnitCase{"1 in", kLength, 0.0254F}, UnitCase{"2 ft", kLength, 0.6096F},
                    // Beyond single precision in m, not in mm.
                    UnitCase{"1e39 mm", kLength, 1e36F}));

INSTANTIATE_TEST_SUITE_P(MassFlowPerWidth, UnitTexts,
                         testing::Values(UnitCase{"0.5 kg/m s", kFlow, 0.5F},
                                         UnitCase{"0.5 kg/(m s)", kFlow, 0.5F},
                                         UnitCase{"3600 kg/m h", kFlow, 1.0F},
                                         UnitCase{"36 kg/m/h", kFlow, 0.01F}));

// Plain numbers are read exactly as before units existed, in every field.
class PlainNumbers : public testing::TestWithParam<const char*> {};

TEST_P(PlainNumbers, ReadBitForBitAsBefore) {
  for (const Quantity quantity : {kPlain, kTemperature, kPressure, kLength, kFlow}) {
    const FieldReading read = ReadQuantityText(GetParam(), quantity, "Field");
    ASSERT_TRUE(read.value);
    EXPECT_EQ(*read.value, *ReadFieldText(GetParam()));
    EXPECT_EQ(read.message, "");
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainNumbers,
                         testing::Values("101325", " 1.0 ", "-1.06", "1E-06",
                                         "1.0000000596046447753906251", "3.4028234e38"));

struct RefusedCase {
  const char* text;
  Quantity quantity;
  const char* message;
};

class RefusedTexts : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTexts, NameTheFieldAndTheUnit) {
  const FieldReading read = ReadQuantityText(GetParam().text, GetParam().quantity, "Field [X]");
  EXPECT_FALSE(read.value);
  EXPECT_EQ(read.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RefusedTexts,
    testing::Values(
        RefusedCase{"1.2 barr", kPressure,
                    "*** ERROR: Field [X]: \"barr\" in \"1.2 barr\" is not a known unit; use Pa, "
                    "kPa, MPa, bar, mbar, atm or psi."},
        RefusedCase{" 1.2 m ", kPressure,
                    "*** ERROR: Field [X]: \"m\" in \"1.2 m\" is not a unit of pressure; use Pa, "
                    "kPa, MPa, bar, mbar, atm or psi."},
        RefusedCase{"40 degC", kLength,
                    "*** ERROR: Field [X]: \"degC\" in \"40 degC\" is not a unit of length; use m, "
                    "cm, mm, in or ft."},
        RefusedCase{"1 kg/m", kFlow,
                    "*** ERROR: Field [X]: \"kg/m\" in \"1 kg/m\" is not a unit of mass flow rate "
                    "per unit width; use kg/m s or kg/m h."},
        RefusedCase{"300 bar", kTemperature,
                    "*** ERROR: Field [X]: \"bar\" in \"300 bar\" is not a unit of temperature; "
                    "use K, degC, °C, degF or °F."},
        RefusedCase{"5 m", kPlain,
                    "*** ERROR: Field [X] takes a plain number, without a unit: \"5 m\"."},
        RefusedCase{"1e300 ft", kLength,
                    "*** ERROR: Field [X] is beyond the range of single-precision numbers: "
                    "\"1e300 ft\"."},
        RefusedCase{"1e-50 K", kTemperature,
                    "*** ERROR: Field [X] is beyond the range of single-precision numbers: "
                    "\"1e-50 K\"."},
        RefusedCase{"1e400 degC", kTemperature,
                    "*** ERROR: Field [X] is beyond the range of single-precision numbers: "
                    "\"1e400 degC\"."},
        // Texts that are no number with a unit keep the messages they had.
        RefusedCase{"1,5 bar", kPressure, "*** ERROR: Field [X] is not a number: \"1,5 bar\"."},
        RefusedCase{"bar", kPressure, "*** ERROR: Field [X] is not a number: \"bar\"."},
        RefusedCase{"1 000 Pa", kPressure, "*** ERROR: Field [X] is not a number: \"1 000 Pa\"."},
        RefusedCase{"", kPressure, "*** ERROR: Field [X] is empty; please enter a number."}));

TEST(UnitLibrary, ConvertsTheSameOnManyThreadsAtOnce) {
  const std::vector<std::pair<const char*, Quantity>> texts{
      {"40 degC", kTemperature}, {"1.2 bar", kPressure},  {"250 mm", kLength},
      {"3600 kg/m h", kFlow},    {"1 furlongs", kLength}, {"7 psi", kPressure}};
  std::vector<FieldReading> expected;
  for (const auto& [text, quantity] : texts) {
    expected.push_back(ReadQuantityText(text, quantity, "Field"));
  }
  std::vector<int> mismatches(4, 0);
  {
    std::vector<std::jthread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t) {
      threads.emplace_back([&, t] {
        for (int round = 0; round < 500; ++round) {
          const std::size_t i = (t + static_cast<std::size_t>(round)) % texts.size();
          const FieldReading read = ReadQuantityText(texts[i].first, texts[i].second, "Field");
          if (read.value != expected[i].value || read.message != expected[i].message) {
            ++mismatches[t];
          }
        }
      });
    }
  }
  EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace dorix
