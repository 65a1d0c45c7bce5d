// SPDX-License-Identifier: MIT
// Falling-film evaporation fed arbitrary input: fluid number, then
// saturation temperature, wall temperature, length, initial mass flow rate
// and the coefficients C, v, D, w, A, n, B, m, s, one a line, and the
// options number.
#include "calculation_fuzzing.h"

using namespace dorix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::DeliveredStore();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::InputLines input(data, size);
  const CalculationSetup setup = fuzzing::SetupFor(input.NextNumber(1));
  EvaporationFields fields;
  for (std::string* text : {&fields.satTemp, &fields.wallTemp, &fields.length, &fields.flowRate}) {
    input.NextText(*text);
  }
  CoefficientTexts& k = fields.coefficients;
  for (std::string* text : {&k.C, &k.v, &k.D, &k.w, &k.A, &k.n, &k.B, &k.m, &k.s}) {
    input.NextText(*text);
  }
  const fuzzing::Options options = fuzzing::ReadOptions(input);
  fuzzing::ApplyPreset(options, k);
  fields.vaporDensity = options.vaporDensity;

  fuzzing::CheckOutcome(fuzzing::Problem::kEvaporation, CalculateEvaporation(fields, setup));
  return 0;
}
