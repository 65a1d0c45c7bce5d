// SPDX-License-Identifier: MIT
#include "core/text/round_trip_text.h"

#include <charconv>

namespace dorix {

std::string RoundTripText(double value) {
  std::string text;
  AppendRoundTripText(text, value);
  return text;
}

void AppendRoundTripText(std::string& out, double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  out.append(buffer, end);
}

}  // namespace dorix
