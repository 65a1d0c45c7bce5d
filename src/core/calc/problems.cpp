// SPDX-License-Identifier: MIT
#include "core/calc/problems.h"

#include <algorithm>

#include "core/calc/outcome_record.h"

namespace dorix {

namespace {

void AddCoefficients(std::vector<FieldOption>& options, CoefficientTexts& c) {
  options.insert(options.end(), {{kCoeffAField, &c.A},
                                 {kCoeffnField, &c.n},
                                 {kCoeffBField, &c.B},
                                 {kCoeffmField, &c.m},
                                 {kCoeffsField, &c.s},
                                 {kCoeffCField, &c.C},
                                 {kCoeffvField, &c.v},
                                 {kCoeffDField, &c.D},
                                 {kCoeffwField, &c.w}});
}

std::vector<FieldOption> Bind(WallCondensationFields& f) {
  std::vector<FieldOption> options{{kPressureField, &f.pressure},
                                   {kVaporTempField, &f.vaporTemp},
                                   {kWallTempField, &f.wallTemp},
                                   {kLengthField, &f.length}};
  AddCoefficients(options, f.coefficients);
  return options;
}

std::vector<FieldOption> Bind(TubeCondensationFields& f) {
  return {{kPressureField, &f.pressure},
          {kVaporTempField, &f.vaporTemp},
          {kWallTempField, &f.wallTemp},
          {kTubeDiameterField, &f.tubeDiameter},
          {kTubesField, &f.numberOfTubes}};
}

std::vector<FieldOption> Bind(EvaporationFields& f) {
  std::vector<FieldOption> options{{kSatTempField, &f.satTemp},
                                   {kWallTempField, &f.wallTemp},
                                   {kLengthField, &f.length},
                                   {kFlowRateField, &f.flowRate}};
  AddCoefficients(options, f.coefficients);
  return options;
}

// Fields const or not: the coefficients alike.
template <typename Fields>
auto CoefficientsIn(Fields& fields) -> decltype(&std::get<EvaporationFields>(fields).coefficients) {
  if (auto* wall = std::get_if<WallCondensationFields>(&fields)) return &wall->coefficients;
  if (auto* film = std::get_if<EvaporationFields>(&fields)) return &film->coefficients;
  return nullptr;
}

}  // namespace

std::string FieldOption::OptionName() const {
  std::string name(field.name);
  std::replace(name.begin(), name.end(), '_', '-');
  return name;
}

const std::vector<Problem>& Problems() {
  static const std::vector<Problem> problems{
      {"wall-condensation",
       "cvw",
       "film condensation on an isothermal vertical wall",
       {kReynoldsNumber, kCondensationRate, kHeatTransferCoefficient},
       true,
       false,
       WallCondensationFields{}},
      {"tube-condensation",
       "ht",
       "film condensation on a vertical row of horizontal tubes",
       {kReynoldsNumber, kHeatTransferCoefficient, kCondensationRate},
       true,
       false,
       TubeCondensationFields{}},
      {"wall-evaporation",
       "evw",
       "evaporation of a liquid film falling down a heated vertical wall",
       {kReynoldsNumber, kFinalMassFlowRate, kEvaporationRate, kHeatTransferCoefficient},
       false,
       true,
       EvaporationFields{}},
  };
  return problems;
}

const Problem& ProblemOf(const ProblemFields& fields) {
  for (const Problem& problem : Problems()) {
    if (problem.defaults.index() == fields.index()) return problem;
  }
  return Problems().front();  // every kind of fields has its problem
}

std::vector<FieldOption> BindFields(ProblemFields& fields) {
  return std::visit([](auto& f) { return Bind(f); }, fields);
}

const FieldOption* FindOption(const std::vector<FieldOption>& options, std::string_view name) {
  for (const auto& option : options) {
    if (option.field.name == name || option.OptionName() == name) return &option;
  }
  return nullptr;
}

CoefficientTexts* CoefficientsOf(ProblemFields& fields) {
  return CoefficientsIn(fields);
}

const CoefficientTexts* CoefficientsOf(const ProblemFields& fields) {
  return CoefficientsIn(fields);
}

void SelectSaturationTemperature(ProblemFields& fields) {
  if (auto* wall = std::get_if<WallCondensationFields>(&fields)) {
    wall->tempTypeIndex = kSaturationVaporTemperature;
  } else if (auto* tube = std::get_if<TubeCondensationFields>(&fields)) {
    tube->tempTypeIndex = kSaturationVaporTemperature;
  }
}

CalculationOutcome Calculate(const ProblemFields& fields, const CalculationSetup& setup) {
  return std::visit(
      [&](const auto& f) {
        using Fields = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<Fields, WallCondensationFields>) {
          return CalculateWallCondensation(f, setup);
        } else if constexpr (std::is_same_v<Fields, TubeCondensationFields>) {
          return CalculateTubeCondensation(f, setup);
        } else {
          return CalculateEvaporation(f, setup);
        }
      },
      fields);
}

std::string_view VaporDensityName(VaporDensity choice) {
  return choice == VaporDensity::kIncluded ? "included" : "neglected";
}

std::optional<VaporDensity> ParseVaporDensity(std::string_view name) {
  for (const VaporDensity choice : {VaporDensity::kNeglected, VaporDensity::kIncluded}) {
    if (name == VaporDensityName(choice)) return choice;
  }
  return std::nullopt;
}

void SetVaporDensity(ProblemFields& fields, VaporDensity choice) {
  std::visit([choice](auto& problem) { problem.vaporDensity = choice; }, fields);
}

}  // namespace dorix
