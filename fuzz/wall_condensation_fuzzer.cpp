// SPDX-License-Identifier: MIT
// Condensation on a vertical wall fed arbitrary input: fluid number,
// selector index, then pressure, vapour temperature, wall temperature,
// length and the coefficients C, v, D, w, A, n, B, m, s, one a line, and
// the options number.
#include "calculation_fuzzing.h"

using namespace dorix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::DeliveredStore();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::InputLines input(data, size);
  const CalculationSetup setup = fuzzing::SetupFor(input.NextNumber(1));
  WallCondensationFields fields;
  fields.tempTypeIndex = input.NextNumber(kTypedVaporTemperature);
  for (std::string* text :
       {&fields.pressure, &fields.vaporTemp, &fields.wallTemp, &fields.length}) {
    input.NextText(*text);
  }
  CoefficientTexts& k = fields.coefficients;
  for (std::string* text : {&k.C, &k.v, &k.D, &k.w, &k.A, &k.n, &k.B, &k.m, &k.s}) {
    input.NextText(*text);
  }
  const fuzzing::Options options = fuzzing::ReadOptions(input);
  fuzzing::ApplyPreset(options, k);
  fields.vaporDensity = options.vaporDensity;

  fuzzing::CheckOutcome(fuzzing::Problem::kWallCondensation,
                        CalculateWallCondensation(fields, setup));
  return 0;
}
