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

double SweepRange::Value(long i) const {
  if (i == count - 1) return stop;
  if (i == 0) return start;
  return start + (stop - start) * (static_cast<double>(i) / static_cast<double>(count - 1));
}

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

void RunSweep(const Problem& problem, ProblemFields& fields, const SweepRange& sweep,
              std::ostream& out) {
  const std::vector<FieldOption> options = BindFields(fields);
  std::string* swept = FindOption(options, sweep.name)->text;
  const CsvTable table(problem, options);
  out << table.Header();
  for (long i = 0; i < sweep.count; ++i) {
    *swept = NumberText(sweep.Value(i));
    MessageRecorder messages;
    const CalculationOutcome outcome = Calculate(fields, messages);
    std::string message;
    for (const auto& text : messages.messages) message += (message.empty() ? "" : " ") + text;
    out << table.Row(outcome, message);
  }
}

}  // namespace dorix::cli
