// SPDX-License-Identifier: MIT
#include "core/sweep/study_file.h"

#include <nlohmann/json.hpp>

#include "core/calc/row_factors.h"
#include "core/fluids/fluid.h"

namespace dorix {

namespace {

using Json = nlohmann::ordered_json;

// Marks the file and its layout, should it ever change.
constexpr int kFormat = 1;

int* TemperatureChoiceOf(ProblemFields& fields) {
  if (auto* wall = std::get_if<WallCondensationFields>(&fields)) return &wall->tempTypeIndex;
  if (auto* tube = std::get_if<TubeCondensationFields>(&fields)) return &tube->tempTypeIndex;
  return nullptr;
}

const Problem* FindProblem(std::string_view name) {
  for (const Problem& problem : Problems()) {
    if (problem.name == name) return &problem;
  }
  return nullptr;
}

}  // namespace

std::string StudyFileText(const StudySettings& settings) {
  ProblemFields fields = settings.fields;
  Json json;
  json["dorix_study"] = kFormat;
  json["problem"] = ProblemOf(fields).name;
  json["fluid"] = FindFluid(settings.fluid)->name;
  json["all_fluids"] = settings.allFluids;
  Json& texts = json["fields"] = Json::object();
  for (const FieldOption& option : BindFields(fields))
    texts[std::string(option.field.name)] = *option.text;
  if (const int* choice = TemperatureChoiceOf(fields)) {
    json["saturated"] = *choice == kSaturationVaporTemperature;
  }
  if (const auto* tubes = std::get_if<TubeCondensationFields>(&fields)) {
    json["row_factor"] = ChoiceOf(tubes->rowFactor).name;
  }
  json["vapor_density"] =
      VaporDensityName(std::visit([](const auto& f) { return f.vaporDensity; }, fields));
  json["vary"] = settings.range.field;
  json["from"] = settings.range.from;
  json["to"] = settings.range.to;
  json["points"] = settings.range.count;
  json["logarithmic_steps"] = settings.range.logarithmic;
  json["results"] = settings.results;
  json["logarithmic_results"] = settings.logarithmicResults;
  return json.dump(2) + "\n";
}

std::optional<StudySettings> ReadStudyFile(std::string_view text, std::string& message) {
  const Json json = Json::parse(text, nullptr, false);
  const auto refuse = [&message](const std::string& why) {
    message = "*** ERROR: The file is not a DORIX study: " + why + ".";
    return std::nullopt;
  };
  if (!json.is_object() || json.value("dorix_study", 0) != kFormat) {
    return refuse("it has no \"dorix_study\": 1");
  }
  try {
    const Problem* problem = FindProblem(json.at("problem").get<std::string>());
    if (problem == nullptr) return refuse("unknown problem");
    StudySettings settings;
    settings.fields = problem->defaults;
    const Fluid* fluid = ParseFluid(json.at("fluid").get<std::string>());
    if (fluid == nullptr) return refuse("unknown fluid");
    settings.fluid = fluid->number;
    settings.allFluids = json.value("all_fluids", false);
    for (const FieldOption& option : BindFields(settings.fields)) {
      *option.text = json.at("fields").value(std::string(option.field.name), *option.text);
    }
    if (int* choice = TemperatureChoiceOf(settings.fields)) {
      *choice =
          json.value("saturated", false) ? kSaturationVaporTemperature : kTypedVaporTemperature;
    }
    if (auto* tubes = std::get_if<TubeCondensationFields>(&settings.fields)) {
      const RowFactorChoice* factor = FindRowFactor(json.value("row_factor", "nusselt"));
      if (factor == nullptr) return refuse("unknown row factor");
      tubes->rowFactor = factor->factor;
    }
    const auto vaporDensity = ParseVaporDensity(json.value("vapor_density", "neglected"));
    if (!vaporDensity) return refuse("unknown vapor density");
    SetVaporDensity(settings.fields, *vaporDensity);
    settings.range = {json.at("vary").get<std::string>(), json.at("from").get<std::string>(),
                      json.at("to").get<std::string>(), json.at("points").get<std::string>(),
                      json.value("logarithmic_steps", false)};
    settings.results = json.value("results", std::vector<std::string>{});
    settings.logarithmicResults = json.value("logarithmic_results", false);
    return settings;
  } catch (const Json::exception&) {
    // at() and get() throw on a missing value or one of another type.
    return refuse("a value is missing or of the wrong kind");
  }
}

}  // namespace dorix
