// SPDX-License-Identifier: MIT
#include "core/sweep/study_range.h"

#include <charconv>
#include <cmath>

#include "core/sweep/saturation_states.h"
#include "core/text/decimal_text.h"
#include "core/text/round_trip_text.h"

namespace dorix {

namespace {

std::optional<long> ReadCount(std::string_view text) {
  text = TrimBlanks(text);
  long count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (count < 2 || count > kMostStudyPoints) return std::nullopt;
  return count;
}

// Two significant digits, as the nearest double to the decimal number.
double RoundToTwoDigits(double value) {
  const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value)))) - 1;
  const double scale = std::pow(10.0, std::abs(exponent));
  return exponent < 0 ? std::round(value * scale) / scale : std::round(value / scale) * scale;
}

}  // namespace

std::optional<double> ReadRangeEnd(const InputField& field, std::string_view label,
                                   std::string_view text, std::string& message) {
  // A plain number keeps every digit typed, as the command line keeps it.
  const std::string_view trimmed = TrimBlanks(text);
  const std::optional<double> plain = ParseDouble(trimmed);
  if (plain && ParseSingle(trimmed)) return plain;
  FieldReading reading = ReadQuantityText(text, field.quantity, label);
  if (!reading.value) {
    message = std::move(reading.message);
    return std::nullopt;
  }
  return *reading.value;
}

std::optional<SweepRange> ReadStudyRange(const StudyRangeText& text, const Problem& problem,
                                         std::string& message) {
  ProblemFields fields = problem.defaults;
  const std::vector<FieldOption> options = BindFields(fields);
  const FieldOption* option = FindOption(options, text.field);
  const InputField* field = option != nullptr ? &option->field : nullptr;
  if (text.field == kSaturationDifferenceField.name) field = &kSaturationDifferenceField;
  if (field == nullptr) {
    message = "*** ERROR: " + std::string(problem.name) + " has no field \"" + text.field + "\".";
    return std::nullopt;
  }
  const std::optional<double> from = ReadRangeEnd(*field, "From", text.from, message);
  if (!from) return std::nullopt;
  const std::optional<double> to = ReadRangeEnd(*field, "To", text.to, message);
  if (!to) return std::nullopt;
  if (*from == *to) {
    message = "*** ERROR: From and To are the same value; please enter two different ends.";
    return std::nullopt;
  }
  const std::optional<long> count = ReadCount(text.count);
  if (!count) {
    message = "*** ERROR: Number of points must be a whole number from 2 to " +
              std::to_string(kMostStudyPoints) + ".";
    return std::nullopt;
  }
  SweepRange range{text.field, *from, *to, *count, text.logarithmic};
  // Ends that single precision holds are never too far apart to step between.
  if (range.Check() == SweepRange::Fault::kLogarithmicSigns) {
    message = "*** ERROR: Logarithmic steps need From and To of one sign, neither zero.";
    return std::nullopt;
  }
  return range;
}

SuggestedRange SuggestRange(const InputField& field, std::string_view fieldText) {
  const std::optional<float> value = ReadField(field, fieldText).value;
  if (!value) return {"0", "1"};
  if (*value == 0.0F) return {"-1", "1"};
  const double low = RoundToTwoDigits(0.75 * *value);
  const double high = RoundToTwoDigits(1.25 * *value);
  return {RoundTripText(std::min(low, high)), RoundTripText(std::max(low, high))};
}

}  // namespace dorix
