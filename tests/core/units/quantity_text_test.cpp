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

// Converted to the SI unit before rounding to single precision; the SI unit
// itself rounds the decimal text once, as a plain number does; 1e39 mm is
// beyond single precision in m, not in mm.
TEST(UnitTexts, ConvertToTheSiUnitBeforeRoundingToSingle) {
  const struct {
    const char* text;
    Quantity quantity;
    float value;
  } kCases[] = {{"300 K", kTemperature, 300.0F},
                {"300.1 K", kTemperature, 300.1F},
                {"300.1 kelvin", kTemperature, 300.1F},
                {"40 degC", kTemperature, static_cast<float>(40 + 273.15)},
                {"40 °C", kTemperature, static_cast<float>(40 + 273.15)},
                {" -40°C ", kTemperature, static_cast<float>(-40 + 273.15)},
                {"212 degF", kTemperature, 373.15F},
                {"32 °F", kTemperature, 273.15F},
                {"101325 Pa", kPressure, 101325.0F},
                {"101.325 kPa", kPressure, 101325.0F},
                {"0.101325 MPa", kPressure, 101325.0F},
                {"1.2 bar", kPressure, 120000.0F},
                {"1.2bar", kPressure, 120000.0F},
                {"1013.25 mbar", kPressure, 101325.0F},
                {"1 atm", kPressure, 101325.0F},
                {"1 psi", kPressure, 6894.7573F},
                {"1.0 m", kLength, 1.0F},
                {"250 mm", kLength, 0.25F},
                {"1e3 mm", kLength, 1.0F},
                {"+25 cm", kLength, 0.25F},
                {"25. cm", kLength, 0.25F},
                {".5 m", kLength, 0.5F},
                {"1 in", kLength, 0.0254F},
                {"2 ft", kLength, 0.6096F},
                {"1e39 mm", kLength, 1e36F},
                {"0.5 kg/m s", kFlow, 0.5F},
                {"0.5 kg/(m s)", kFlow, 0.5F},
                {"3600 kg/m h", kFlow, 1.0F},
                {"36 kg/m/h", kFlow, 0.01F}};
  for (const auto& c : kCases) {
    const FieldReading read = ReadQuantityText(c.text, c.quantity, "Field");
    ASSERT_TRUE(read.value) << read.message;
    EXPECT_EQ(*read.value, c.value) << '"' << c.text << '"';
  }
}

// Plain numbers are read exactly as before units existed, in every field.
TEST(UnitTexts, PlainNumbersReadBitForBitAsBefore) {
  for (const char* text :
       {"101325", " 1.0 ", "-1.06", "1E-06", "1.0000000596046447753906251", "3.4028234e38"}) {
    for (const Quantity quantity : {kPlain, kTemperature, kPressure, kLength, kFlow}) {
      const FieldReading read = ReadQuantityText(text, quantity, "Field");
      ASSERT_TRUE(read.value);
      EXPECT_EQ(*read.value, *ReadFieldText(text)) << text;
      EXPECT_EQ(read.message, "");
    }
  }
}

TEST(UnitTexts, RefusedOnesNameTheFieldAndTheUnit) {
  const std::string e = "*** ERROR: Field [X]";
  const std::string pressures = " is not a known unit; use Pa, kPa, MPa, bar, mbar, atm or psi.";
  const std::string beyond = " is beyond the range of single-precision numbers: ";
  const struct {
    const char* text;
    Quantity quantity;
    std::string message;
  } kCases[] = {
      {"1.2 barr", kPressure, e + ": \"barr\" in \"1.2 barr\"" + pressures},
      {" 1.2 m ", kPressure,
       e + ": \"m\" in \"1.2 m\" is not a unit of pressure; use Pa, kPa, MPa, bar, mbar, atm or "
           "psi."},
      {"40 degC", kLength,
       e + ": \"degC\" in \"40 degC\" is not a unit of length; use m, cm, mm, in or ft."},
      {"1 kg/m", kFlow,
       e + ": \"kg/m\" in \"1 kg/m\" is not a unit of mass flow rate per unit width; use kg/m s or "
           "kg/m h."},
      {"300 bar", kTemperature,
       e + ": \"bar\" in \"300 bar\" is not a unit of temperature; use K, degC, °C, degF or °F."},
      {"5 m", kPlain, e + " takes a plain number, without a unit: \"5 m\"."},
      {"1e300 ft", kLength, e + beyond + "\"1e300 ft\"."},
      {"1e-50 K", kTemperature, e + beyond + "\"1e-50 K\"."},
      {"1e400 degC", kTemperature, e + beyond + "\"1e400 degC\"."},
      // Texts that are no number with a unit keep the messages they had.
      {"1,5 bar", kPressure, e + " is not a number: \"1,5 bar\"."},
      {"bar", kPressure, e + " is not a number: \"bar\"."},
      {"1 000 Pa", kPressure, e + " is not a number: \"1 000 Pa\"."},
      {"", kPressure, e + " is empty; please enter a number."},
  };
  for (const auto& c : kCases) {
    const FieldReading read = ReadQuantityText(c.text, c.quantity, "Field [X]");
    EXPECT_FALSE(read.value) << c.text;
    EXPECT_EQ(read.message, c.message);
  }
}

TEST(UnitTexts, ConvertTheSameOnManyThreadsAtOnce) {
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
        for (std::size_t round = 0; round < 500; ++round) {
          const std::size_t i = (t + round) % texts.size();
          const FieldReading read = ReadQuantityText(texts[i].first, texts[i].second, "Field");
          mismatches[t] += read.value != expected[i].value || read.message != expected[i].message;
        }
      });
    }
  }
  EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace dorix
