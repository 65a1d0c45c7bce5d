// SPDX-License-Identifier: MIT
#include "core/calc/correlation_presets.h"

namespace dorix {

namespace {

// Kutateladze's average wavy-laminar law Nu = Re/(1.08·Re^1.22 − 5.2) and
// Labuntsov's turbulent Nu = Re/(8750 + 58·Pr^-0.5·(Re^0.75 − 253)) are
// integrals of local laws; the panel takes the local ones:
// A = 1/(1.08·1.22), n = -0.22; B = 1/(58·0.75), m = 0.25, s = 0.5.
CoefficientTexts KutateladzeLabuntsov() {
  return {.C = "30",
          .v = "0",
          .D = "1600",
          .w = "0",
          .A = "0.759",
          .n = "-0.22",
          .B = "0.023",
          .m = "0.25",
          .s = "0.5"};
}

// Transitions no wall reaches keep the film on the laminar law; the other
// coefficients stay valid numbers, so no formula is undefined on the way.
CoefficientTexts NusseltLaminar() {
  CoefficientTexts texts;
  texts.C = "1E+30";
  texts.v = "0";
  texts.D = "1E+30";
  texts.w = "0";
  return texts;
}

}  // namespace

const std::vector<CorrelationPreset>& CorrelationPresets() {
  static const std::vector<CorrelationPreset> presets{
      {"default",
       "Chun & Seban (1971)",
       "Chun, K. R. and Seban, R. A. (1971), Heat transfer to evaporating liquid films, Journal "
       "of Heat Transfer 93(4), 391-396.",
       "Measured on water films falling down a heated vertical tube, Pr 1.77 to 5.7: "
       "wavy-laminar Nu = 0.822 Re^-0.22 from Re 30, turbulent Nu = 0.0038 Re^0.4 Pr^0.65 "
       "above Re 5800 Pr^-1.06.",
       CoefficientTexts{},
       // Their films ran to Re 21 000.
       {.reynoldsHigh = 21000, .prandtlLow = 1.77, .prandtlHigh = 5.7}},
      {"kutateladze-labuntsov",
       "Kutateladze (1963), Labuntsov (1957)",
       "Kutateladze, S. S. (1963), Fundamentals of Heat Transfer, Academic Press, New York "
       "(wavy-laminar film); Labuntsov, D. A. (1957), Heat transfer in film condensation of "
       "pure steam on vertical surfaces and horizontal tubes, Teploenergetika 4(7), 72-80 "
       "(turbulent film).",
       "The textbook laws of film condensation for ordinary (not metallic) liquids: laminar "
       "below Re 30, wavy-laminar to Re 1600, turbulent above; the local forms of the average "
       "laws Re/(1.08 Re^1.22 - 5.2) and Re/(8750 + 58 Pr^-0.5 (Re^0.75 - 253)).",
       KutateladzeLabuntsov(),
       // Ordinary liquids: Prandtl numbers of one and more.
       {.prandtlLow = 1.0}},
      {"nusselt-laminar",
       "Nusselt (1916)",
       "Nusselt, W. (1916), Die Oberfl\u00E4chenkondensation des Wasserdampfes, Zeitschrift des "
       "VDI 60, 541-546 and 569-575.",
       "A smooth laminar film along the whole wall (transitions at Re 1E+30, which no wall "
       "reaches). Close to measurements below Re 30; beyond, waves and turbulence raise h "
       "above it.",
       NusseltLaminar(),
       {.reynoldsHigh = 30}},
  };
  return presets;
}

const CorrelationPreset* FindPreset(std::string_view name) {
  for (const CorrelationPreset& preset : CorrelationPresets()) {
    if (preset.name == name) return &preset;
  }
  return nullptr;
}

const CorrelationPreset* PresetOf(const CoefficientTexts& texts) {
  for (const CorrelationPreset& preset : CorrelationPresets()) {
    if (preset.texts == texts) return &preset;
  }
  return nullptr;
}

std::string_view PresetName(const CoefficientTexts& texts) {
  const CorrelationPreset* preset = PresetOf(texts);
  return preset ? preset->name : kCustomPresetName;
}

std::string_view PresetTitle(std::string_view name) {
  return name == kCustomPresetName ? "Custom" : name;
}

}  // namespace dorix
