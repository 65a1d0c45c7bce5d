// SPDX-License-Identifier: MIT
#include "cli/sweep.h"

#include <charconv>

#include "core/sweep/study_range.h"
#include "core/sweep/sweep_table.h"

namespace dorix::cli {

namespace {

constexpr std::string_view kLogarithmicSuffix = ":log";

}  // namespace

std::optional<SweepRange> ParseSweep(std::string_view option, const Problem& problem,
                                     std::string& error) {
  const bool logarithmic = option.ends_with(kLogarithmicSuffix);
  const std::string_view text =
      logarithmic ? option.substr(0, option.size() - kLogarithmicSuffix.size()) : option;
  const auto equals = text.find('=');
  const auto colon1 = text.find(':', equals == std::string_view::npos ? 0 : equals);
  const auto colon2 =
      colon1 == std::string_view::npos ? std::string_view::npos : text.find(':', colon1 + 1);
  if (equals == std::string_view::npos || equals == 0 || colon2 == std::string_view::npos) {
    error = "--sweep takes NAME=START:STOP:COUNT[:log], such as length=0.5:2:16, not \"" +
            std::string(option) + "\".";
    return std::nullopt;
  }
  SweepRange sweep;
  sweep.name = text.substr(0, equals);
  ProblemFields fields = problem.defaults;
  const std::vector<FieldOption> options = BindFields(fields);
  const FieldOption* swept = FindOption(options, sweep.name);
  if (swept == nullptr) {
    error = "--sweep: " + std::string(problem.name) + " has no field \"" + sweep.name + "\".";
    return std::nullopt;
  }
  std::string message;
  const auto start =
      ReadRangeEnd(swept->field, "START", text.substr(equals + 1, colon1 - equals - 1), message);
  const auto stop = start ? ReadRangeEnd(swept->field, "STOP",
                                         text.substr(colon1 + 1, colon2 - colon1 - 1), message)
                          : std::nullopt;
  if (!start || !stop) {
    // The field's own message, without the window's "*** ERROR: " lead.
    error = "--sweep: " + message.substr(message.find(": ") + 2);
    return std::nullopt;
  }
  sweep.start = *start;
  sweep.stop = *stop;
  sweep.logarithmic = logarithmic;
  switch (sweep.Check()) {
    case SweepRange::Fault::kLogarithmicSigns:
      error = "--sweep: logarithmic steps need START and STOP of one sign, neither zero.";
      return std::nullopt;
    case SweepRange::Fault::kTooWide:
      error = "--sweep: START and STOP are too far apart to step between.";
      return std::nullopt;
    case SweepRange::Fault::kNone:
      break;
  }
  const std::string_view count = text.substr(colon2 + 1);
  const auto [end, failure] =
      std::from_chars(count.data(), count.data() + count.size(), sweep.count);
  if (failure != std::errc() || end != count.data() + count.size() || sweep.count < 1 ||
      sweep.count > kMaxSweepPoints) {
    error =
        "--sweep: COUNT must be a whole number from 1 to " + std::to_string(kMaxSweepPoints) + ".";
    return std::nullopt;
  }
  return sweep;
}

void WriteSweep(const Problem& problem, const ProblemFields& fields, const SweepRange& sweep,
                const CalculationSetup& setup, unsigned jobs, std::ostream& out) {
  const SweepTable table(problem);
  const FixedInputCells fixed = table.FixedCells(FixedFieldReadings(fields, sweep.name));
  out << table.CsvHeader();
  RunSweep(
      fields, sweep, setup, jobs,
      [&](long, const ProblemFields& point, const CalculationOutcome& outcome) {
        return table.CsvRow(point, outcome, fixed);
      },
      [&](long, const std::vector<std::string>& rows) {
        for (const std::string& row : rows) out << row;
      });
}

}  // namespace dorix::cli
