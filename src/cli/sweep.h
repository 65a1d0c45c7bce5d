#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/problems.h"

namespace dorix::cli {

// --sweep NAME=START:STOP:COUNT: the field NAME (an option name without its
// dashes) takes COUNT evenly spaced values from START to STOP.
struct SweepRange {
  std::string name;
  double start = 0.0;
  double stop = 0.0;
  long count = 0;

  // Value number i, 0 ≤ i < count; the last is STOP exactly.
  double Value(long i) const;
};

inline constexpr long kMaxSweepPoints = 10'000'000;

// The sweep a text asks for, or none with `error` set to why it is not one.
std::optional<SweepRange> ParseSweep(std::string_view text, std::string& error);

// Runs the problem once per value of the swept field (which must be one of
// the problem's), typing each value into the field as text, and writes the
// CSV table to `out`.
void RunSweep(const Problem& problem, ProblemFields& fields, const SweepRange& sweep,
              std::ostream& out);

}  // namespace dorix::cli
