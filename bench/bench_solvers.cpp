// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string>

#include "cli/run_calc.h"
#include "core/calc/calculation.h"
#include "core/calc/report.h"
#include "core/props/property_file.h"

namespace {

using namespace dorix;

const PropertyStore& DeliveredStore() {
  static const PropertyStore store = [] {
    PropertyStore loaded;
    LoadPropertyFile(DORIX_PROPERTY_FILE, loaded);
    return loaded;
  }();
  return store;
}

// One press of Calculate with the window's default fields, the report text
// included. A refused run would show in the figures as an error.
template <typename Fields, CalculationOutcome (*Calculate)(const Fields&, const CalculationSetup&)>
void BM_Calculate(benchmark::State& state) {
  CalculationSetup setup;
  setup.store = &DeliveredStore();
  const Fields fields;
  for (auto _ : state) {
    const CalculationOutcome outcome = Calculate(fields, setup);
    std::string report = ReportText(outcome);
    benchmark::DoNotOptimize(report);
    if (outcome.status == CalculationOutcome::Status::kRefused) state.SkipWithError("refused");
  }
}
BENCHMARK_TEMPLATE(BM_Calculate, WallCondensationFields, CalculateWallCondensation)
    ->Name("BM_CalculateWallCondensation");
BENCHMARK_TEMPLATE(BM_Calculate, TubeCondensationFields, CalculateTubeCondensation)
    ->Name("BM_CalculateTubeCondensation");
BENCHMARK_TEMPLATE(BM_Calculate, EvaporationFields, CalculateEvaporation)
    ->Name("BM_CalculateEvaporation");

// Swallows the CSV so that only its making is measured.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// dorix-calc cvw --sweep length=0.1:10:N --jobs J, property file loading
// included; arguments N and J.
void BM_Sweep(benchmark::State& state) {
  Discard discard;
  std::ostream out(&discard);
  const std::string points = std::to_string(state.range(0));
  const std::string jobs = std::to_string(state.range(1));
  for (auto _ : state) {
    const int status = cli::RunCalc({"cvw", "--sweep", "length=0.1:10:" + points, "--jobs", jobs,
                                     "--data", DORIX_PROPERTY_FILE},
                                    out, out);
    benchmark::DoNotOptimize(status);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Sweep)
    ->ArgNames({"points", "jobs"})
    ->Args({100'000, 1})
    ->Args({1'000'000, 1})
    ->Args({1'000'000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
