// SPDX-License-Identifier: MIT
#include "core/units/quantity_text.h"

#include <cmath>
#include <limits>

#include "core/text/decimal_text.h"
#include "core/text/field_text.h"
#include "core/units/unit_conversion.h"

namespace dorix {

namespace {

// A text split into a leading decimal number and the unit after it.
struct NumberWithUnit {
  std::string_view number;  // "-1.5e3"
  std::string_view unit;    // "degC", blanks around it removed
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The length of the decimal number at the start of `text`, 0 when there is none.
std::size_t NumberLength(std::string_view text) {
  std::size_t end = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  const std::size_t integerEnd = SkipDigits(text, end);
  bool hasDigits = integerEnd > end;
  end = integerEnd;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, end + 1);
    hasDigits = hasDigits || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!hasDigits) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  return end;
}

// A unit begins with a letter or a non-ASCII sign such as "°" or "µ"; "1,5"
// or "1 000" stay texts that are not numbers.
bool BeginsUnit(std::string_view text) {
  if (text.empty()) return false;
  const auto first = static_cast<unsigned char>(text.front());
  return (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || first >= 0x80;
}

std::optional<NumberWithUnit> SplitUnit(std::string_view text) {
  const std::size_t length = NumberLength(text);
  if (length == 0) return std::nullopt;
  const std::string_view unit = TrimBlanks(text.substr(length));
  if (!BeginsUnit(unit)) return std::nullopt;
  return NumberWithUnit{text.substr(0, length), unit};
}

// The converted value in single precision, none where it does not fit.
std::optional<float> ToSingle(double value) {
  if (!(std::abs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
  const auto single = static_cast<float>(value);
  if (single == 0.0F && value != 0.0) return std::nullopt;
  return single;
}

FieldReading Refused(std::string message) {
  return {std::nullopt, std::move(message)};
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

FieldReading ReadWithUnit(const NumberWithUnit& split, std::string_view shown, Quantity quantity,
                          std::string_view label) {
  const std::string field = "*** ERROR: " + std::string(label);
  if (quantity == Quantity::kNone) {
    return Refused(field + " takes a plain number, without a unit: " + Quoted(shown) + ".");
  }
  const QuantityUnits& units = UnitsOf(quantity);
  const std::string unitIn = Quoted(split.unit) + " in " + Quoted(shown);
  const std::string suggestion = "; use " + std::string(units.examples) + ".";
  const UnitConversion conversion = ConvertToSi(
      ParseDouble(split.number).value_or(std::numeric_limits<double>::infinity()), split.unit,
      quantity);  // a number beyond double precision converts to a value out of range
  std::optional<float> value;
  switch (conversion.fit) {
    case UnitFit::kIsSiUnit:
      value = ParseSingle(split.number);  // rounded once, as a plain number is
      break;
    case UnitFit::kConverts:
      value = ToSingle(conversion.value);
      break;
    case UnitFit::kUnknown:
      return Refused(field + ": " + unitIn + " is not a known unit" + suggestion);
    case UnitFit::kUnfitting:
      return Refused(field + ": " + unitIn + " is not a unit of " + std::string(units.noun) +
                     suggestion);
    case UnitFit::kNoDatabase:
      return Refused(field + ": " + unitIn + " cannot be read, the units database is missing" +
                     "; type the number in " + std::string(units.siUnit) + ".");
  }
  if (!value) return Refused(BeyondSingleRangeMessage(label, shown));
  return {value, {}};
}

}  // namespace

FieldReading ReadQuantityText(std::string_view text, Quantity quantity, std::string_view label) {
  if (const std::optional<float> plain = ReadFieldText(text)) return {plain, {}};
  const std::string_view shown = TrimBlanks(text);
  const std::optional<NumberWithUnit> split = SplitUnit(shown);
  if (!split) return Refused(NotANumberMessage(label, text));
  return ReadWithUnit(*split, shown, quantity, label);
}

}  // namespace dorix
