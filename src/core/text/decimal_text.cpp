// SPDX-License-Identifier: MIT
#include "core/text/decimal_text.h"

#include <charconv>
#include <system_error>

namespace dorix {

namespace {

bool IsDecimalCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

// Strips an explicit plus sign; false when the text cannot be a decimal number
// at all. std::from_chars alone would also take "inf", "nan" and hexadecimal.
bool StripSign(std::string_view& text) {
  for (const char c : text) {
    if (!IsDecimalCharacter(c)) return false;
  }
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return false;
  }
  return true;
}

template <typename Number>
std::optional<Number> ParseDecimal(std::string_view text) {
  if (!StripSign(text)) return std::nullopt;
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<float> ParseSingle(std::string_view text) {
  return ParseDecimal<float>(text);
}

std::optional<double> ParseDouble(std::string_view text) {
  return ParseDecimal<double>(text);
}

bool IsBeyondSingleRange(std::string_view text) {
  if (!StripSign(text)) return false;
  float value = 0.0F;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc::result_out_of_range && end == text.data() + text.size();
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace dorix
