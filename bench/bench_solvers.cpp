#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "cli/run_calc.h"
#include "core/calc/calculation.h"
#include "core/props/property_file.h"
#include "core/state/module1.h"
#include "core/state/shared_calculation.h"

namespace {

using namespace dorix;

// Messages are not expected; a refused run would show in the figures.
class NoMessages : public MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

void LoadDeliveredData() {
  SetStartupState();
  LoadPropertyFile(DORIX_PROPERTY_FILE, Module1.Store);
}

// One press of Calculate with the window's default fields, report included.
template <typename Fields, CalculationOutcome (*Calculate)(const Fields&, MessageSink&)>
void BM_Calculate(benchmark::State& state) {
  LoadDeliveredData();
  const Fields fields;
  NoMessages messages;
  for (auto _ : state) {
    CalculationOutcome outcome = Calculate(fields, messages);
    benchmark::DoNotOptimize(outcome);
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

// dorix-calc cvw --sweep length=0.1:10:100000, property file loading included.
void BM_Sweep100000Points(benchmark::State& state) {
  Discard discard;
  std::ostream out(&discard);
  for (auto _ : state) {
    const int status = cli::RunCalc(
        {"cvw", "--sweep", "length=0.1:10:100000", "--data", DORIX_PROPERTY_FILE}, out, out);
    benchmark::DoNotOptimize(status);
  }
}
BENCHMARK(BM_Sweep100000Points)->Unit(benchmark::kMillisecond);

}  // namespace
