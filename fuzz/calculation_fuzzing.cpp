// SPDX-License-Identifier: MIT
#include "calculation_fuzzing.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/calc/correlation_presets.h"
#include "core/calc/report.h"
#include "core/props/property_file.h"
#include "core/text/format_value.h"

namespace dorix::fuzzing {

namespace {

// What a complete report of each problem looks like.
struct ReportShape {
  std::string_view header;
  std::size_t lines;        // complete report, the empty line included
  std::size_t results;      // result lines after the empty line
  std::size_t dryOutLines;  // 0 where the problem has no dry-out
};

ReportShape ShapeOf(Problem problem) {
  switch (problem) {
    case Problem::kWallCondensation:
    case Problem::kTubeCondensation:
      return {"Output:\r\n        \r\n", 14, 3, 0};
    case Problem::kEvaporation:
      return {"Output :\r\n", 12, 4, 7};
  }
  std::abort();
}

class Checker {
 public:
  explicit Checker(const CalculationOutcome& outcome)
      : outcome_(outcome), report_(ReportText(outcome)) {}

  void Require(bool holds, const char* what) const {
    if (holds) return;
    std::fprintf(stderr,
                 "\nCalculation outcome breaks its contract: %s\nstatus %d\nreport:\n%s\n"
                 "message: %s\n",
                 what, static_cast<int>(outcome_.status), report_.c_str(),
                 outcome_.message.c_str());
    std::abort();
  }

  // The report's lines, each of which must end with CR LF.
  std::vector<std::string_view> Lines() const {
    std::vector<std::string_view> lines;
    std::string_view rest = report_;
    while (!rest.empty()) {
      const auto end = rest.find("\r\n");
      Require(end != std::string_view::npos, "the report's last line does not end with CR LF");
      const std::string_view line = rest.substr(0, end);
      Require(line.find_first_of("\r\n") == std::string_view::npos,
              "a report line holds a lone CR or LF");
      lines.push_back(line);
      rest.remove_prefix(end + 2);
    }
    return lines;
  }

  // No "nan" or "inf" standing as a word of its own in the text.
  void RequireNoWordFor(std::string_view text, const char* what) const {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const std::string_view word : {"nan", "inf"}) {
      for (auto at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
        const auto letter = [&](std::size_t i) {
          return i < lower.size() && std::isalpha(static_cast<unsigned char>(lower[i]));
        };
        Require((at > 0 && letter(at - 1)) || letter(at + word.size()), what);
      }
    }
  }

  void RequireSoundNotes() const {
    for (const ValidityNote& note : outcome_.notes) {
      Require(!note.code.empty() && !note.text.empty(), "a note without a code or a text");
      RequireNoWordFor(note.text, "a note shows a number that is not finite");
    }
  }

  void RequireFiniteNumbers() const {
    for (const auto* values : {&outcome_.inputs, &outcome_.properties, &outcome_.results}) {
      for (const NamedValue& value : *values) {
        Require(std::isfinite(value.value) && std::isfinite(value.at),
                "a named value is not finite");
      }
    }
    std::string lower = report_;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    Require(lower.find("nan") == std::string::npos && lower.find("inf") == std::string::npos,
            "the report shows a number that is not finite");
  }

 private:
  const CalculationOutcome& outcome_;
  const std::string report_;
};

}  // namespace

bool InputLines::Next(std::string_view& line) {
  if (ended_) return false;
  const auto end = rest_.find('\n');
  line = rest_.substr(0, end);
  if (end == std::string_view::npos) {
    ended_ = true;
  } else {
    rest_.remove_prefix(end + 1);
  }
  return true;
}

int InputLines::NextNumber(int fallback) {
  std::string_view line;
  if (!Next(line)) return fallback;
  int number = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
  return error == std::errc() && end == line.data() + line.size() ? number : fallback;
}

void InputLines::NextText(std::string& text) {
  std::string_view line;
  if (Next(line)) text = line;
}

const PropertyStore& DeliveredStore() {
  static const PropertyStore store = [] {
    PropertyStore loaded;
    const LoadResult result = LoadPropertyFile(DORIX_PROPERTY_FILE, loaded);
    if (!result.ok) {
      std::fprintf(stderr, "%s\n", result.message.c_str());
      std::abort();
    }
    return loaded;
  }();
  return store;
}

CalculationSetup SetupFor(int fluid) {
  return {&DeliveredStore(), fluid, kGrav, {}};
}

Options ReadOptions(InputLines& input) {
  const int bits = input.NextNumber(0);
  Options options;
  if ((bits & 1) != 0) options.vaporDensity = VaporDensity::kIncluded;
  options.preset = (bits >> 1) & 3;
  if ((bits & 2) != 0) options.rowFactor = RowFactor::kKern;
  return options;
}

void ApplyPreset(const Options& options, CoefficientTexts& coefficients) {
  const auto& presets = CorrelationPresets();
  if (options.preset > 0 && options.preset <= static_cast<int>(presets.size())) {
    coefficients = presets[static_cast<std::size_t>(options.preset - 1)].texts;
  }
}

void CheckOutcome(Problem problem, const CalculationOutcome& outcome) {
  const Checker check(outcome);
  ReportShape shape = ShapeOf(problem);
  // The vapour density included adds a property line, a factor other than
  // Nusselt's a line after the results.
  const std::size_t vaporLine = outcome.vaporDensity == VaporDensity::kIncluded ? 1 : 0;
  const std::size_t factorLine =
      problem == Problem::kTubeCondensation && outcome.rowFactor != RowFactor::kNusselt ? 1 : 0;
  shape.lines += vaporLine + factorLine;
  if (shape.dryOutLines != 0) shape.dryOutLines += vaporLine;
  check.Require(outcome.status != CalculationOutcome::Status::kRefused || outcome.notes.empty(),
                "a refusal with notes");
  check.RequireSoundNotes();
  switch (outcome.status) {
    case CalculationOutcome::Status::kRefused:
      check.Require(outcome.message.starts_with("*** ERROR: "),
                    "a refusal whose message is not an error");
      check.Require(ReportText(outcome).empty(), "a refusal that brings a report");
      return;

    case CalculationOutcome::Status::kDryOut: {
      check.Require(shape.dryOutLines != 0, "a dry-out in a problem that has none");
      check.Require(outcome.message.empty(), "a dry-out with a message");
      check.Require(ReportText(outcome).starts_with(shape.header), "a dry-out report's header");
      check.Require(check.Lines().size() == shape.dryOutLines,
                    "a dry-out report that is not the property lines alone");
      check.Require(outcome.results.empty(), "a dry-out with results");
      check.RequireFiniteNumbers();
      return;
    }

    case CalculationOutcome::Status::kReport: {
      check.Require(outcome.message.empty(), "a report with a message");
      check.Require(ReportText(outcome).starts_with(shape.header), "a report's header");
      const auto lines = check.Lines();
      check.Require(lines.size() == shape.lines, "a report with the wrong number of lines");
      const std::size_t firstResult = shape.lines - shape.results - factorLine;
      check.Require(
          std::count(lines.begin(), lines.end(), "") == 1 && lines[firstResult - 1].empty(),
          "a report without its one empty line before the results");
      check.Require(outcome.results.size() == shape.results, "a report with missing results");
      check.RequireFiniteNumbers();
      for (std::size_t i = 0; i < shape.results; ++i) {
        check.Require(lines[firstResult + i].find(FormatValue(outcome.results[i].value)) !=
                          std::string_view::npos,
                      "a result line that does not show its result");
      }
      return;
    }
  }
  check.Require(false, "an unknown status");
}

}  // namespace dorix::fuzzing
