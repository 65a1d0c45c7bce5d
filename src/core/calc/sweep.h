// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/calc/calculation.h"
#include "core/calc/parallel_chunks.h"
#include "core/calc/problems.h"
#include "core/text/round_trip_text.h"

namespace dorix {

// One field taking `count` values from `start` to `stop`: evenly spaced, or
// with a constant ratio (logarithmic; both ends then of one sign, not zero).
struct SweepRange {
  std::string name;  // the field's name, "wall_temp" or its option "wall-temp"
  double start = 0.0;
  double stop = 0.0;
  long count = 0;
  bool logarithmic = false;

  // Value number i, 0 ≤ i < count; the first is START and the last STOP exactly.
  double Value(long i) const;

  // What keeps the values from lying between the ends, if anything.
  enum class Fault {
    kNone,
    kLogarithmicSigns,  // logarithmic steps between ends of two signs, or from or to zero
    kTooWide,           // the difference or ratio of the ends overflows
  };
  Fault Check() const;
};

// Runs the problem once per value valueOf(i), 0 ≤ i < count, of the field
// `name` (one of `fields`), typing each value into the field as the shortest
// text that reads back as it, on `jobs` threads. Hands map(i, fields,
// outcome) for each point to consume(first, mapped) chunk after chunk, in
// order: the same numbers for any number of jobs.
template <typename ValueOf, typename Map, typename Consume>
void RunSweepOf(const ProblemFields& fields, std::string_view name, long count, ValueOf valueOf,
                const CalculationSetup& setup, unsigned jobs, Map map, Consume consume) {
  ProblemFields names = fields;
  const std::vector<FieldOption> options = BindFields(names);
  const auto swept = static_cast<std::size_t>(FindOption(options, name) - options.data());
  ParallelChunks(
      count, jobs,
      [&](long i) {
        ProblemFields point = fields;
        *BindFields(point)[swept].text = RoundTripText(valueOf(i));
        return map(i, std::as_const(point), Calculate(point, setup));
      },
      consume);
}

// RunSweepOf over the values of a range.
template <typename Map, typename Consume>
void RunSweep(const ProblemFields& fields, const SweepRange& sweep, const CalculationSetup& setup,
              unsigned jobs, Map map, Consume consume) {
  RunSweepOf(
      fields, sweep.name, sweep.count, [&](long i) { return sweep.Value(i); }, setup, jobs, map,
      consume);
}

}  // namespace dorix
