// SPDX-License-Identifier: MIT
#include "cli/run_calc.h"

#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>

#include "cli/compare_output.h"
#include "cli/correlation_options.h"
#include "cli/output.h"
#include "cli/profile_output.h"
#include "cli/sweep.h"
#include "core/calc/problems.h"
#include "core/fluids/fluid.h"
#include "core/props/property_file_locator.h"

namespace dorix::cli {

namespace {

constexpr const char* kDescription =
    "dorix-calc: the DORIX film heat-transfer calculations without the windows.\n\n"
    "Solves one problem for one fluid and prints the report its window would show, its\n"
    "numbers as JSON, or a parameter sweep as CSV. Each field option takes the text as it\n"
    "would be typed into the window's field; a field left out keeps the window's default.";

constexpr const char* kFooter =
    "Run 'dorix-calc PROBLEM --help' for the fields and options of a problem.\n\n"
    "Examples:\n"
    "  dorix-calc cvw\n"
    "  dorix-calc cvw --fluid ammonia --pressure 500000 --saturated --wall-temp 270\n"
    "  dorix-calc ht --tubes 10 --format json\n"
    "  dorix-calc evw --sweep flow-rate=0.01:1:100 > sweep.csv\n\n"
    "Exit status: 0 success (a film that dries out included), 1 the calculation refused\n"
    "its input (the message is on standard error), 2 a usage error or a property file\n"
    "that cannot be loaded.";

constexpr const char* kProblemFooter =
    "A field's text may end in a unit, converted to the unit of its label: --wall-temp\n"
    "'40 degC', --pressure '1.2 bar', --length '250 mm' (K, degC, degF; Pa, kPa, MPa, bar,\n"
    "mbar, atm, psi; m, cm, mm, in, ft; kg/m s, kg/m h).\n"
    "Output: the report as the window shows it, with LF line ends (--crlf: CR LF).\n"
    "--format json: one object with problem, fluid, preset (the coefficients' preset, or\n"
    "custom) or row_factor, inputs (the field values as read),\n"
    "properties (each with its value and 'at', the temperature it was evaluated at; the\n"
    "pressure for saturation_temperature) and results, at full double precision.\n"
    "--sweep NAME=START:STOP:COUNT types COUNT evenly spaced values from START to STOP\n"
    "into the field NAME (its option without the dashes) and prints CSV: a header, then\n"
    "one row per value with the inputs, the results and, where the point is refused,\n"
    "the message in the 'message' column, and last the coefficients' 'preset' or the\n"
    "tubes' 'row_factor'. Example: --sweep wall-temp=280:360:9\n"
    "START and STOP take the units of the field: --sweep \"wall-temp=10 degC:50 degC:9\"\n"
    "With ':log' after COUNT the values step by a constant ratio: length=0.01:10:31:log\n"
    "A refused input prints the window's message on standard error (exit status 1).\n"
    "An evaporating film that dries out is a result: the properties only, a note on\n"
    "standard error, exit status 0, and in JSON \"dry_out\": true with no results.";

// What the coefficient options mean, for --help.
const std::map<std::string_view, std::string_view> kCoefficientHelp{
    {"A", "factor of the wavy-laminar Nusselt number Nu(wl) = A*Re^n"},
    {"n", "exponent of Re in Nu(wl)"},
    {"B", "factor of the turbulent Nusselt number Nu(tur) = B*Re^m*Pr^s"},
    {"m", "exponent of Re in Nu(tur)"},
    {"s", "exponent of Pr in Nu(tur)"},
    {"C", "factor of the laminar to wavy-laminar transition Re(wl) = C*Pr^v"},
    {"v", "exponent of Pr in Re(wl)"},
    {"D", "factor of the wavy-laminar to turbulent transition Re(tur) = D*Pr^w"},
    {"w", "exponent of Pr in Re(tur)"},
};

// The options every problem shares.
struct CommonOptions {
  std::string fluid = "water";
  std::string data;
  std::string format = "text";
  bool crlf = false;
  bool saturated = false;
  std::string sweep;
  unsigned jobs = 0;  // --jobs; 0: all cores
  long profile = 0;   // --profile COUNT; 0 when not given
  CorrelationOptions correlation;
};

void AddProblemOptions(CLI::App& command, const Problem& problem, ProblemFields& fields,
                       CommonOptions& common) {
  for (const FieldOption& option : BindFields(fields)) {
    const auto coefficient = kCoefficientHelp.find(option.field.name);
    const bool isCoefficient = coefficient != kCoefficientHelp.end();
    const std::string help =
        isCoefficient ? std::string(coefficient->second) : std::string(option.field.label);
    command.add_option("--" + option.OptionName(), *option.text, help)
        ->type_name("TEXT")
        ->capture_default_str()
        ->group(isCoefficient ? "Correlation coefficients" : "Fields");
  }
  if (problem.hasTemperatureChoice) {
    command
        .add_flag("--saturated", common.saturated,
                  "Use saturation temp [K]: Tsat at the pressure, not --vapor-temp")
        ->group("Fields");
  }
  command.add_option("--fluid", common.fluid, FluidChoices())
      ->capture_default_str()
      ->group("Fluid and data");
  command
      .add_option("--data", common.data,
                  "property file (default BoilProp.dat, found as the desktop program finds it)")
      ->type_name("FILE")
      ->group("Fluid and data");
  command.add_option("--format", common.format, "text (the report) or json")
      ->check(CLI::IsMember({"text", "json"}))
      ->capture_default_str()
      ->group("Output");
  command.add_flag("--crlf", common.crlf, "end report lines with CR LF, as the window does")
      ->group("Output");
  command
      .add_option("--sweep", common.sweep,
                  "vary field NAME (length, wall-temp, ...) over COUNT values; CSV out")
      ->type_name("NAME=START:STOP:COUNT[:log]")
      ->group("Output");
  command
      .add_option("--jobs", common.jobs,
                  "threads for --sweep (default: all cores); the rows are the same for any N")
      ->type_name("N")
      ->check(CLI::Range(1U, 1024U))
      ->group("Output");
  command.footer(kProblemFooter);
  AddProfileOption(command, common.profile);
  AddCorrelationOptions(command, fields, common.correlation);
}

int UsageError(std::ostream& err, const std::string& text) {
  err << "dorix-calc: " << text << "\nRun 'dorix-calc --help' to learn more.\n";
  return kExitUsage;
}

// The sweep the options ask for, or why they cannot be swept.
std::optional<SweepRange> CheckSweep(const Problem& problem, const CommonOptions& common,
                                     std::string& error) {
  std::optional<SweepRange> sweep = ParseSweep(common.sweep, problem, error);
  if (!sweep) return std::nullopt;
  if (common.saturated && sweep->name == "vapor-temp") {
    error = "--sweep: with --saturated the vapor temperature is not read.";
  } else if (common.format != "text") {
    error = "--sweep always writes CSV.";
  }
  if (!error.empty()) return std::nullopt;
  return sweep;
}

// One calculation: the report or JSON to `out`, the message or the dry-out
// note to `err`.
int CalculateOnce(const Problem& problem, const ProblemFields& fields,
                  const CalculationSetup& setup, const CommonOptions& common, std::ostream& out,
                  std::ostream& err) {
  const CalculationOutcome outcome = Calculate(fields, setup);
  if (outcome.status == CalculationOutcome::Status::kRefused) {
    err << outcome.message << '\n';
    return kExitRefused;
  }
  if (outcome.status == CalculationOutcome::Status::kDryOut) {
    err << "dorix-calc: note: the film dries out before the end of the wall; there are no "
           "results.\n";
  }
  for (const ValidityNote& note : outcome.notes) err << "note: " << note.text << '\n';
  out << (common.format == "json" ? OutcomeJson(problem, setup.fluid, fields, outcome)
                                  : ReportText(outcome, common.crlf));
  return kExitSuccess;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app(kDescription, "dorix-calc");
  app.footer(kFooter);
  app.require_subcommand(0, 1);
  CommonOptions common;
  const std::vector<Problem>& problems = Problems();
  std::vector<ProblemFields> fieldSets;
  for (const Problem& problem : problems) fieldSets.push_back(problem.defaults);
  std::vector<CLI::App*> commands;
  for (std::size_t i = 0; i < problems.size(); ++i) {
    const Problem& problem = problems[i];
    CLI::App* command = app.add_subcommand(std::string(problem.name), std::string(problem.summary));
    command->alias(std::string(problem.alias));
    AddProblemOptions(*command, problem, fieldSets[i], common);
    commands.push_back(command);
  }

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::CallForHelp& help) {
    app.exit(help, out, err);
    return kExitSuccess;
  } catch (const CLI::ParseError& error) {
    return UsageError(err, error.what());
  }

  std::optional<std::size_t> chosen;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (commands[i]->parsed()) chosen = i;
  }
  if (!chosen) {
    return UsageError(err,
                      "name a problem: wall-condensation (cvw), tube-condensation (ht) or "
                      "wall-evaporation (evw).");
  }
  const Problem& problem = problems[*chosen];
  ProblemFields& fields = fieldSets[*chosen];

  const Fluid* fluid = ParseFluid(common.fluid);
  if (!fluid) {
    return UsageError(err, "unknown fluid \"" + common.fluid + "\": use " + FluidChoices() + ".");
  }
  if (common.saturated) SelectSaturationTemperature(fields);
  ApplyCorrelationOptions(*commands[*chosen], common.correlation, fields);

  std::optional<SweepRange> sweep;
  if (!common.sweep.empty()) {
    std::string error;
    sweep = CheckSweep(problem, common, error);
    if (!sweep) return UsageError(err, error);
  }
  if (common.profile != 0) {
    const std::string conflict = ProfileConflict(sweep.has_value(), common.format);
    if (!conflict.empty()) return UsageError(err, conflict);
  }
  if (common.correlation.compare) {
    const std::string conflict = CompareConflict(sweep.has_value(), common.profile != 0);
    if (!conflict.empty()) return UsageError(err, conflict);
  }

  // Half a megabyte: on the heap, not the stack.
  const auto store = std::make_unique<PropertyStore>();
  const LoadResult loaded =
      common.data.empty() ? LoadFoundPropertyFile(*store) : LoadPropertyFile(common.data, *store);
  if (!loaded.ok) {
    err << "dorix-calc: " << loaded.message << '\n';
    return kExitUsage;
  }
  CalculationSetup setup;
  setup.store = store.get();
  setup.fluid = fluid->number;

  if (sweep) {
    WriteSweep(problem, fields, *sweep, setup, common.jobs == 0 ? AllCores() : common.jobs, out);
    return kExitSuccess;
  }
  if (common.profile != 0) return PrintProfile(fields, setup, common.profile, out, err);
  if (common.correlation.compare) {
    return PrintComparison(problem, fields, setup, common.format, out);
  }
  return CalculateOnce(problem, fields, setup, common, out, err);
}

}  // namespace dorix::cli
