// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/calc/calculation.h"
#include "core/calc/field_reader.h"
#include "core/calc/problems.h"
#include "core/sweep/parallel_chunks.h"
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

// The readings of every field of `fields` but the swept one (`name`): the
// texts a sweep keeps.
FieldReadings FixedFieldReadings(const ProblemFields& fields, std::string_view name);

// A thread's own copy of a sweep's field texts, made once, with the swept
// field retyped for each point: no copy of all the texts per point. Stays
// where it was made, as it points into itself.
class SweptTexts {
 public:
  SweptTexts(const ProblemFields& fields, std::size_t swept)
      : fields_(fields), text_(BindFields(fields_)[swept].text) {}
  SweptTexts(const SweptTexts&) = delete;
  SweptTexts& operator=(const SweptTexts&) = delete;

  // The texts with the swept field typed as the shortest text of `value`.
  const ProblemFields& With(double value) {
    text_->clear();
    AppendRoundTripText(*text_, value);
    return fields_;
  }

 private:
  ProblemFields fields_;
  std::string* text_;
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
  // The other fields read the same at every point: read them once.
  const FieldReadings readings = FixedFieldReadings(fields, name);
  CalculationSetup prepared = setup;
  prepared.readings = &readings;
  ParallelChunksOf(
      count, jobs,
      [&] {
        return [&, texts = SweptTexts(fields, swept)](long i) mutable {
          const ProblemFields& point = texts.With(valueOf(i));
          return map(i, point, Calculate(point, prepared));
        };
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
