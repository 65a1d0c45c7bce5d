// SPDX-License-Identifier: MIT
// Field-text conversion fed arbitrary bytes, checked against the C library's
// correctly rounded strtof on every text of the accepted decimal form; the
// same text read with units in every quantity reads a plain number alike.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/field_text.h"
#include "core/units/quantity_text.h"

namespace {

void Require(bool holds, const char* what, std::string_view text) {
  if (holds) return;
  std::fprintf(stderr, "\nField text \"%.*s\": %s\n", static_cast<int>(text.size()), text.data(),
               what);
  std::abort();
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  return at;
}

// [+-] digits [. digits] [(e|E) [+-] digits], with a digit before or after the point.
bool IsDecimal(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t whole = SkipDigits(text, at);
  std::size_t digits = whole - at;
  at = whole;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = SkipDigits(text, at + 1);
    digits += fraction - at - 1;
    at = fraction;
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t exponent = SkipDigits(text, at);
    if (exponent == at) return false;
    at = exponent;
  }
  return at == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<float> value = dorix::ReadFieldText(text);
  const std::string_view number = TrimBlanks(text);

  if (!IsDecimal(number)) {
    Require(!value, "accepted though it is not a decimal number", text);
  } else {
    const std::string terminated(number);
    errno = 0;
    const float expected = std::strtof(terminated.c_str(), nullptr);
    const bool underflow = errno == ERANGE && expected == 0.0F;
    if (std::isinf(expected)) {
      Require(!value, "accepted beyond the single-precision range", text);
    } else if (!underflow) {
      Require(value.has_value(), "a decimal number in range was refused", text);
      Require(*value == expected && std::signbit(*value) == std::signbit(expected),
              "not the correctly rounded single-precision value", text);
    }
  }
  if (value) Require(std::isfinite(*value), "a value that is not finite", text);

  if (!value) {
    const std::string message = dorix::NotANumberMessage("Wall temperature [K]", text);
    Require(message.starts_with("*** ERROR: Wall temperature [K] "),
            "a message that does not name its field", text);
  }

  using dorix::Quantity;
  for (const Quantity quantity : {Quantity::kNone, Quantity::kTemperature, Quantity::kPressure,
                                  Quantity::kLength, Quantity::kMassFlowPerWidth}) {
    const dorix::FieldReading reading = dorix::ReadQuantityText(text, quantity, "Field [X]");
    if (value) Require(reading.value == value, "a plain number read otherwise with units", text);
    if (reading.value) {
      Require(std::isfinite(*reading.value), "a value with a unit that is not finite", text);
    } else {
      Require(reading.message.starts_with("*** ERROR: Field [X]"),
              "a unit message that does not name its field", text);
    }
  }
  return 0;
}
