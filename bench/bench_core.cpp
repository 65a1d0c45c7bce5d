// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <string>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/props/property_file.h"
#include "core/text/format_value.h"

namespace {

using namespace dorix;

// A property file of 65 curves of 60 points each, as text.
std::string SyntheticPropertyText() {
  std::string text;
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    for (int code = 1; code <= kPropertyCodeCount; ++code) {
      if (IsConstantProperty(fluid, code)) continue;
      text += CurveName(fluid, code) + ",60,1E-06\n";
      for (int j = 0; j < 60; ++j) text += (j ? "," : "") + std::to_string(200.0 + 5.0 * j);
      text += '\n';
      for (int j = 0; j < 60; ++j) text += (j ? "," : "") + std::to_string(1000.0 - 3.25 * j);
      text += '\n';
    }
  }
  return text;
}

void BM_LoadPropertyFile(benchmark::State& state) {
  const std::string text = SyntheticPropertyText();
  for (auto _ : state) {
    PropertyStore store;
    benchmark::DoNotOptimize(ParsePropertyText(text, "bench", store));
    benchmark::DoNotOptimize(CheckRequiredCurves(store, "bench"));
  }
}
BENCHMARK(BM_LoadPropertyFile)->Unit(benchmark::kMillisecond);

void BM_LookUpProperty(benchmark::State& state) {
  PropertyStore store;
  ParsePropertyText(SyntheticPropertyText(), "bench", store);
  double x = 201.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LookUpProperty(store, 6, kLiquidDensity, x));
    x = x > 490.0 ? 201.0 : x + 3.7;
  }
}
BENCHMARK(BM_LookUpProperty);

void BM_FormatValue(benchmark::State& state) {
  const double values[] = {0.0123456, 4.56789, 373.124, 5432.1, 101325, 0.00123, -5};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatValue(values[i]));
    i = (i + 1) % std::size(values);
  }
}
BENCHMARK(BM_FormatValue);

}  // namespace
