// SPDX-License-Identifier: MIT
// Condensation on horizontal tubes fed arbitrary input: fluid number,
// selector index, then pressure, vapour temperature, wall temperature,
// tube diameter and number of tubes, one a line, and the options number.
#include "calculation_fuzzing.h"

using namespace dorix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::DeliveredStore();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::InputLines input(data, size);
  const CalculationSetup setup = fuzzing::SetupFor(input.NextNumber(1));
  TubeCondensationFields fields;
  fields.tempTypeIndex = input.NextNumber(kTypedVaporTemperature);
  for (std::string* text : {&fields.pressure, &fields.vaporTemp, &fields.wallTemp,
                            &fields.tubeDiameter, &fields.numberOfTubes}) {
    input.NextText(*text);
  }
  const fuzzing::Options options = fuzzing::ReadOptions(input);
  fields.rowFactor = options.rowFactor;
  fields.vaporDensity = options.vaporDensity;

  fuzzing::CheckOutcome(fuzzing::Problem::kTubeCondensation,
                        CalculateTubeCondensation(fields, setup));
  return 0;
}
