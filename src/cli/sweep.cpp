#include "cli/sweep.h"

#include <charconv>
#include <cmath>

#include "cli/output.h"

namespace dorix::cli {

namespace {

std::optional<double> ParseFinite(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<SweepRange> ParseSweep(std::string_view text, std::string& error) {
  const auto equals = text.find('=');
  const auto colon1 = text.find(':', equals == std::string_view::npos ? 0 : equals);
  const auto colon2 =
      colon1 == std::string_view::npos ? std::string_view::npos : text.find(':', colon1 + 1);
  if (equals == std::string_view::npos || equals == 0 || colon2 == std::string_view::npos) {
    error = "--sweep takes NAME=START:STOP:COUNT, such as length=0.5:2:16, not \"" +
            std::string(text) + "\".";
    return std::nullopt;
  }
  SweepRange sweep;
  sweep.name = text.substr(0, equals);
  const auto start = ParseFinite(text.substr(equals + 1, colon1 - equals - 1));
  const auto stop = ParseFinite(text.substr(colon1 + 1, colon2 - colon1 - 1));
  if (!start || !stop) {
    error = "--sweep: START and STOP must be decimal numbers, as in length=0.5:2:16.";
    return std::nullopt;
  }
  sweep.start = *start;
  sweep.stop = *stop;
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
  ProblemFields names = fields;
  const CsvTable table(problem, BindFields(names));
  out << table.Header();
  RunSweep(
      fields, sweep, setup, jobs,
      [&](long, const CalculationOutcome& outcome) { return table.Row(outcome, outcome.message); },
      [&](long, const std::vector<std::string>& rows) {
        for (const std::string& row : rows) out << row;
      });
}

}  // namespace dorix::cli
