// SPDX-License-Identifier: MIT
#include "record_text.h"

#include <algorithm>
#include <charconv>

#include "core/props/property_file.h"
#include "core/text/decimal_text.h"

namespace dorix::tools {

namespace {

template <typename Value>
std::string JoinedTexts(std::span<const ReferenceRow> points, Value value) {
  std::string line;
  for (const ReferenceRow& point : points) {
    if (!line.empty()) line += ',';
    line += ShortestText(value(point));
  }
  return line;
}

}  // namespace

std::string ShortestText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string RecordText(const std::string& name, const char* factorText,
                       std::span<const ReferenceRow> points) {
  const double factor = *ParseSingle(factorText);
  std::string text = name + "," + std::to_string(points.size()) + "," + factorText + "\n";
  text += JoinedTexts(points, [](const ReferenceRow& p) { return static_cast<float>(p.x); });
  text += "\n";
  text += JoinedTexts(points,
                      [factor](const ReferenceRow& p) { return static_cast<float>(p.y / factor); });
  return text + "\n";
}

std::vector<LoadedPoint> LoadedPoints(const std::string& name, const char* factorText,
                                      std::span<const ReferenceRow> rows, std::string& error) {
  std::string text;
  for (std::size_t start = 0; start < rows.size(); start += kMaxPoints) {
    const std::size_t count = std::min<std::size_t>(kMaxPoints, rows.size() - start);
    text += RecordText(name, factorText, rows.subspan(start, count));
  }
  PropertyStore store;
  const LoadResult result = ParsePropertyText(text, name, store);
  if (!result.ok) {
    error = result.message;
    return {};
  }
  std::vector<LoadedPoint> points;
  for (int slot = 1; points.size() < rows.size(); ++slot) {
    for (int j = 1; j <= store.PropCount[slot]; ++j) {
      points.push_back({store.PropData[slot][1][j], store.PropData[slot][2][j]});
    }
  }
  return points;
}

}  // namespace dorix::tools
