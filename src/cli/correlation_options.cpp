// SPDX-License-Identifier: MIT
#include "cli/correlation_options.h"

#include <CLI/CLI.hpp>

#include "core/calc/correlation_presets.h"
#include "core/calc/row_factors.h"

namespace dorix::cli {

namespace {

constexpr const char* kCompareHelp =
    "--compare runs the same inputs under every preset (and the coefficients as given, when\n"
    "they match none), or for tube-condensation under both row factors, and prints CSV: one\n"
    "row each with reynolds_number, the rate and heat_transfer_coefficient (or the message\n"
    "that refused it), then a max/min row with the spread of each. --format json: the same\n"
    "as one object. Exit status 1 only when every row is refused.";

std::string PresetHelp() {
  std::string help = "Presets (--preset NAME):";
  for (const CorrelationPreset& preset : CorrelationPresets()) {
    help += "\n  " + std::string(preset.name) + ": " + std::string(preset.reference) + "\n    " +
            std::string(preset.validity);
  }
  return help;
}

std::string RowFactorHelp() {
  std::string help = "Row factors (--row-factor NAME):";
  for (const RowFactorChoice& choice : RowFactorChoices()) {
    help += "\n  " + std::string(choice.name) + ": " + std::string(choice.reference);
  }
  return help;
}

template <typename Table>
std::vector<std::string> NamesOf(const Table& table) {
  std::vector<std::string> names;
  for (const auto& entry : table) names.emplace_back(entry.name);
  return names;
}

}  // namespace

void AddCorrelationOptions(CLI::App& command, const ProblemFields& fields,
                           CorrelationOptions& options) {
  if (CoefficientsOf(fields) != nullptr) {
    command
        .add_option("--preset", options.preset,
                    "set the nine coefficients to a published set: default, "
                    "kutateladze-labuntsov, nusselt-laminar; coefficient options given as well "
                    "override it")
        ->type_name("NAME")
        ->check(CLI::IsMember(NamesOf(CorrelationPresets())))
        ->group("Correlation coefficients");
    command.footer(command.get_footer() + "\n" + PresetHelp());
  } else {
    command
        .add_option("--row-factor", options.rowFactor,
                    "the row's coefficient: nusselt (the single tube's times N^-1/4) or kern "
                    "(times N^-1/6)")
        ->type_name("NAME")
        ->check(CLI::IsMember(NamesOf(RowFactorChoices())))
        ->capture_default_str()
        ->group("Fields");
    command.footer(command.get_footer() + "\n" + RowFactorHelp());
  }
  command
      .add_option("--vapor-density", options.vaporDensity,
                  "neglected (the classic film model) or included: the film's buoyancy "
                  "g(1 - rho_v/rho_l), rho_v the saturated vapour at Tsat")
      ->type_name("NAME")
      ->check(CLI::IsMember(std::vector<std::string>{"neglected", "included"}))
      ->capture_default_str()
      ->group("Fields");
  command.add_flag("--compare", options.compare, "a table of every preset or row factor; CSV out")
      ->group("Output");
  command.footer(command.get_footer() + "\n" + kCompareHelp);
}

void ApplyCorrelationOptions(const CLI::App& command, const CorrelationOptions& options,
                             ProblemFields& fields) {
  SetVaporDensity(fields, *ParseVaporDensity(options.vaporDensity));
  if (auto* tubes = std::get_if<TubeCondensationFields>(&fields)) {
    tubes->rowFactor = FindRowFactor(options.rowFactor)->factor;
  }
  const CorrelationPreset* preset = FindPreset(options.preset);
  if (preset == nullptr) return;
  *CoefficientsOf(fields) = preset->texts;
  for (const FieldOption& option : BindFields(fields)) {
    const CLI::Option* given = command.get_option_no_throw("--" + option.OptionName());
    if (given != nullptr && given->count() > 0) *option.text = given->as<std::string>();
  }
}

std::string CompareConflict(bool sweep, bool profile) {
  if (sweep) return "--compare and --sweep cannot go together.";
  if (profile) return "--compare and --profile cannot go together.";
  return {};
}

}  // namespace dorix::cli
