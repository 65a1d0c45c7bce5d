// SPDX-License-Identifier: MIT
#include "python/single_call.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "core/calc/correlation_presets.h"
#include "core/calc/report.h"
#include "core/calc/row_factors.h"
#include "core/fluids/fluid.h"
#include "core/text/round_trip_text.h"
#include "python/store_cache.h"

namespace dorix::python {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// The value of that name, NaN when the run did not get to it.
double ValueNamed(const std::vector<NamedValue>& values, std::string_view name) {
  const auto found = std::find_if(values.begin(), values.end(),
                                  [name](const NamedValue& v) { return v.name == name; });
  return found == values.end() ? kNone : found->value;
}

// A single value's text: a text as typed, a number (not a bool) as the
// shortest text that reads back as it; none for anything else.
bool ReadText(py::handle value, std::string& text) {
  PyObject* object = value.ptr();
  if (PyUnicode_CheckExact(object)) {
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(object, &size);
    if (data == nullptr) throw py::error_already_set();
    text.assign(data, static_cast<std::size_t>(size));
    return true;
  }
  if (PyFloat_Check(object)) {
    text = RoundTripText(PyFloat_AS_DOUBLE(object));
    return true;
  }
  if (PyLong_CheckExact(object)) {
    const double number = PyLong_AsDouble(object);
    if (number == -1.0 && PyErr_Occurred()) {
      PyErr_Clear();
      return false;
    }
    text = RoundTripText(number);
    return true;
  }
  return false;
}

std::optional<std::string_view> Utf8(py::handle value) {
  if (!PyUnicode_CheckExact(value.ptr())) return std::nullopt;
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(value.ptr(), &size);
  if (data == nullptr) throw py::error_already_set();
  return std::string_view(data, static_cast<std::size_t>(size));
}

const Fluid* SingleFluid(py::handle value) {
  if (const auto name = Utf8(value)) return ParseFluid(*name);
  if (PyLong_CheckExact(value.ptr())) {
    const long number = PyLong_AsLong(value.ptr());
    if (number == -1 && PyErr_Occurred()) {
      PyErr_Clear();
      return nullptr;
    }
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
      return nullptr;
    }
    return FindFluid(static_cast<int>(number));
  }
  return nullptr;
}

}  // namespace

const Problem& FindProblem(const std::string& name) {
  const auto& problems = Problems();
  const auto found = std::find_if(problems.begin(), problems.end(),
                                  [&name](const Problem& p) { return p.name == name; });
  if (found == problems.end()) throw py::value_error("unknown problem \"" + name + "\"");
  return *found;
}

bool OnPanel(const FieldOption& option, const CoefficientTexts* panel) {
  const std::less<const void*> before;
  return panel != nullptr && !before(option.text, panel) && before(option.text, panel + 1);
}

const py::str& NameCache::Get(std::string_view name) {
  for (const auto& [address, text] : names_) {
    if (address == name.data()) return text;
  }
  // The core's names are static texts; a name made on the fly would only
  // miss the cache, never find a wrong entry.
  names_.emplace_back(name.data(), py::str(name.data(), name.size()));
  return names_.back().second;
}

py::list NoteList(const std::vector<ValidityNote>& notes, py::handle noteType, NameCache& codes) {
  py::list list(notes.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    list[i] = noteType(codes.Get(notes[i].code), notes[i].text);
  }
  return list;
}

std::shared_ptr<const PropertyStore> StoreOf(py::handle data, const ProgramPlace& module) {
  static std::shared_ptr<const PropertyStore> found;
  static std::string lastPath;
  static std::shared_ptr<const PropertyStore> last;
  const auto path = data.is_none() ? std::optional<std::string_view>("") : Utf8(data);
  if (!path) return nullptr;
  if (path->empty()) {
    if (!found) found = CachedStore("", module).store;
    return found;
  }
  if (last && *path == lastPath) return last;
  StoreLookup lookup = CachedStore(std::string(*path), module);
  if (!lookup.store) return nullptr;
  lastPath = *path;
  last = std::move(lookup.store);
  return last;
}

SingleCaller::SingleCaller(const Problem& problem, const std::vector<std::string>& order,
                           py::tuple defaults, py::object noteType, ProgramPlace module)
    : problem_(&problem),
      defaults_(std::move(defaults)),
      noteType_(std::move(noteType)),
      module_(std::move(module)) {
  if (order.size() != defaults_.size()) throw py::value_error("one default per field");
  ProblemFields fields = problem_->defaults;
  const std::vector<FieldOption> options = BindFields(fields);
  for (const FieldOption& option : options) inputNames_.push_back(option.field.name);
  if (order.size() != options.size()) throw py::value_error("every field once");
  const CoefficientTexts* panel = CoefficientsOf(fields);
  for (const std::string& name : order) {
    const FieldOption* option = FindOption(options, name);
    if (option == nullptr) throw py::value_error("unknown field \"" + name + "\"");
    fieldOf_.push_back(static_cast<std::size_t>(option - options.data()));
    isCoefficient_.push_back(OnPanel(*option, panel));
  }
}

std::optional<SingleCaller::Prepared> SingleCaller::Prepare(py::tuple values, py::handle fluid,
                                                            py::handle saturated, py::handle preset,
                                                            py::handle rowFactor,
                                                            py::handle vaporDensity,
                                                            py::handle data) {
  if (values.size() != fieldOf_.size()) return std::nullopt;
  Prepared prepared{problem_->defaults, {}, nullptr};
  if (!preset.is_none()) {
    const auto name = Utf8(preset);
    CoefficientTexts* panel = CoefficientsOf(prepared.fields);
    const CorrelationPreset* chosen = name ? FindPreset(*name) : nullptr;
    if (chosen == nullptr || panel == nullptr) return std::nullopt;
    *panel = chosen->texts;
  }
  if (!rowFactor.is_none()) {
    const auto name = Utf8(rowFactor);
    auto* tubes = std::get_if<TubeCondensationFields>(&prepared.fields);
    const RowFactorChoice* chosen = name ? FindRowFactor(*name) : nullptr;
    if (chosen == nullptr || tubes == nullptr) return std::nullopt;
    tubes->rowFactor = chosen->factor;
  }
  const auto densityName = Utf8(vaporDensity);
  const auto density = densityName ? ParseVaporDensity(*densityName) : std::nullopt;
  if (!density) return std::nullopt;
  SetVaporDensity(prepared.fields, *density);
  const std::vector<FieldOption> options = BindFields(prepared.fields);
  for (std::size_t i = 0; i < fieldOf_.size(); ++i) {
    const py::handle value = values[i];
    if (value.ptr() == defaults_[i].ptr()) continue;  // the window's text
    if (value.is_none() && isCoefficient_[i]) continue;
    if (!ReadText(value, *options[fieldOf_[i]].text)) return std::nullopt;
  }
  const Fluid* chosen = SingleFluid(fluid);
  if (chosen == nullptr) return std::nullopt;
  if (saturated.ptr() == Py_True) {
    SelectSaturationTemperature(prepared.fields);
  } else if (saturated.ptr() != Py_False) {
    return std::nullopt;
  }
  prepared.store = StoreOf(data, module_);
  if (!prepared.store) return std::nullopt;
  prepared.setup.store = prepared.store.get();
  prepared.setup.fluid = chosen->number;
  return prepared;
}

py::object SingleCaller::Call(py::tuple values, py::handle fluid, py::handle saturated,
                              py::handle preset, py::handle rowFactor, py::handle vaporDensity,
                              py::handle data) {
  std::optional<Prepared> prepared =
      Prepare(values, fluid, saturated, preset, rowFactor, vaporDensity, data);
  if (!prepared) return py::none();
  const CalculationOutcome outcome = Calculate(prepared->fields, prepared->setup);

  py::dict inputs;
  for (const std::string_view name : inputNames_) {
    inputs[names_.Get(name)] = py::float_(ValueNamed(outcome.inputs, name));
  }
  py::dict properties;
  for (const NamedValue& value : outcome.properties) {
    properties[names_.Get(value.name)] = py::make_tuple(value.value, value.at);
  }
  py::dict results;
  for (const std::string_view name : problem_->results) {
    results[names_.Get(name)] = py::float_(ValueNamed(outcome.results, name));
  }
  const CoefficientTexts* panel = CoefficientsOf(prepared->fields);
  py::object presetName = py::none();
  if (panel != nullptr) presetName = names_.Get(PresetName(*panel));
  py::object rowFactorName = py::none();
  if (const auto* tubes = std::get_if<TubeCondensationFields>(&prepared->fields)) {
    rowFactorName = names_.Get(ChoiceOf(tubes->rowFactor).name);
  }
  return py::make_tuple(outcome.message, outcome.status == CalculationOutcome::Status::kDryOut,
                        inputs, properties, results,
                        names_.Get(FindFluid(prepared->setup.fluid)->name), presetName,
                        rowFactorName, names_.Get(VaporDensityName(outcome.vaporDensity)),
                        NoteList(outcome.notes, noteType_, names_));
}

py::object SingleCaller::Report(py::tuple values, py::handle fluid, py::handle saturated,
                                py::handle preset, py::handle rowFactor, py::handle vaporDensity,
                                py::handle data) {
  std::optional<Prepared> prepared =
      Prepare(values, fluid, saturated, preset, rowFactor, vaporDensity, data);
  if (!prepared) return py::none();
  std::string report = ReportText(Calculate(prepared->fields, prepared->setup));
  std::erase(report, '\r');
  return py::str(report);
}

}  // namespace dorix::python
