// SPDX-License-Identifier: MIT
// The compiled half of the Python package `dorix`: prepares the points of a
// call from Python values, computes them without the interpreter lock, and
// hands the columns back as NumPy arrays. dorix/__init__.py is the API.
#include <dlfcn.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>

#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/calc/row_factors.h"
#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/props/saturated_vapor.h"
#include "core/sweep/parallel_chunks.h"
#include "core/text/round_trip_text.h"
#include "core/units/quantity_text.h"
#include "python/point_batch.h"
#include "python/single_call.h"
#include "python/store_cache.h"

namespace py = pybind11;

namespace dorix::python {

namespace {

using NumberArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

// Where this module's file is, with the installation's data folder seen from it.
ProgramPlace ModulePlace() {
  static const char anchor = 0;
  Dl_info info{};
  dladdr(&anchor, &info);
  return {std::filesystem::path(info.dli_fname ? info.dli_fname : "").parent_path(),
          DORIX_PYTHON_RELATIVE_DATA_DIR};
}

[[noreturn]] void RaiseOsError(const std::string& message) {
  PyErr_SetString(PyExc_OSError, message.c_str());
  throw py::error_already_set();
}

py::array_t<double> NumPyArray(const std::vector<double>& values) {
  return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

// A field's text for one Python value: a text as typed, or a number as the
// shortest text that reads back as it.
std::string FieldText(std::string_view field, py::handle value) {
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  if (!py::isinstance<py::bool_>(value) && PyNumber_Check(value.ptr()) &&
      !PyComplex_Check(value.ptr())) {
    return RoundTripText(value.cast<double>());
  }
  throw py::type_error(std::string(field) + " takes numbers or texts, not " +
                       std::string(py::str(value.get_type().attr("__name__"))));
}

int FluidNumber(py::handle value) {
  const Fluid* fluid = nullptr;
  if (py::isinstance<py::str>(value)) {
    fluid = ParseFluid(value.cast<std::string>());
  } else if (py::isinstance<py::int_>(value) && !py::isinstance<py::bool_>(value)) {
    fluid = FindFluid(value.cast<int>());
  } else {
    throw py::type_error("fluid takes a name or a number 1 to " + std::to_string(kFluids.size()) +
                         ", not " + std::string(py::str(value.get_type().attr("__name__"))));
  }
  if (!fluid) {
    throw py::value_error("unknown fluid " + std::string(py::repr(value)) + ": use " +
                          FluidChoices());
  }
  return fluid->number;
}

std::shared_ptr<const PropertyStore> RequireStore(py::handle data) {
  auto store = StoreOf(data, ModulePlace());
  if (store) return store;
  // Loading again says why there is none.
  const std::string path = data.is_none() ? std::string() : data.cast<std::string>();
  RaiseOsError(CachedStore(path, ModulePlace()).message);
}

// What a field measures, as the Python side names it for unit conversion.
const char* QuantityName(Quantity quantity) {
  switch (quantity) {
    case Quantity::kTemperature:
      return "temperature";
    case Quantity::kPressure:
      return "pressure";
    case Quantity::kLength:
      return "length";
    case Quantity::kMassFlowPerWidth:
      return "mass_flow_per_width";
    case Quantity::kNone:
      break;
  }
  return "";
}

Quantity QuantityNamed(const std::string& name) {
  for (const Quantity quantity : {Quantity::kTemperature, Quantity::kPressure, Quantity::kLength,
                                  Quantity::kMassFlowPerWidth}) {
    if (name == QuantityName(quantity)) return quantity;
  }
  return Quantity::kNone;
}

// Each field of a problem in the order the calculation reads it:
// (name, label, quantity, the window's default text).
std::vector<std::tuple<std::string, std::string, std::string, std::string>> FieldTable(
    const std::string& problem) {
  ProblemFields fields = FindProblem(problem).defaults;
  std::vector<std::tuple<std::string, std::string, std::string, std::string>> table;
  for (const FieldOption& option : BindFields(fields)) {
    table.emplace_back(option.field.name, option.field.label, QuantityName(option.field.quantity),
                       *option.text);
  }
  return table;
}

// The properties a report shows at one temperature, by the same lookups, and
// the saturated vapour's density with that temperature as Tsat: name ->
// values, NaN where the file has none at that temperature.
py::dict LookUpProperties(py::handle fluidValue, const NumberArray& temperatures, py::handle data) {
  const int fluid = FluidNumber(fluidValue);
  const auto store = RequireStore(data);
  const auto count = static_cast<std::size_t>(temperatures.size());
  const double none = std::numeric_limits<double>::quiet_NaN();
  // The slots a calculation fills, each looked up at the one temperature.
  struct Column {
    std::string_view name;
    double PropertySlots::*slot;
    int code;  // 0: the liquid specific heat, derived from the others
    std::vector<double> values;
  };
  std::vector<Column> columns{
      {kLiquidDensityName, &PropertySlots::RhoL, kLiquidDensity, {}},
      {kLiquidViscosityName, &PropertySlots::MuL, kLiquidViscosity, {}},
      {kLiquidConductivityName, &PropertySlots::KL, kLiquidConductivity, {}},
      {kLiquidSpecificHeatName, nullptr, 0, {}},
      {kLiquidPrandtlName, &PropertySlots::PrL, kLiquidPrandtl, {}},
      {kVaporSpecificHeatName, &PropertySlots::CpV, kVaporSpecificHeat, {}},
      {kEnthalpyOfVaporizationName, &PropertySlots::Hfg, kEnthalpyOfVaporization, {}}};
  std::vector<double> vaporDensities;
  {
    py::gil_scoped_release unlocked;
    for (std::size_t i = 0; i < count; ++i) {
      const double temperature = temperatures.data()[i];
      PropertySlots slots;
      for (Column& column : columns) {
        if (column.code == 0) continue;
        slots.*column.slot = none;
        LookUpInto(*store, fluid, column.code, temperature, slots.*column.slot, slots.OutOfRange);
      }
      for (Column& column : columns) {
        column.values.push_back(column.code == 0 ? LiquidSpecificHeat(slots) : slots.*column.slot);
      }
      vaporDensities.push_back(SaturatedVaporDensity(*store, fluid, temperature).value_or(none));
    }
  }
  py::dict properties;
  for (const Column& column : columns) properties[py::str(column.name)] = NumPyArray(column.values);
  properties[py::str(kVaporDensityName)] = NumPyArray(vaporDensities);
  return properties;
}

py::array_t<double> LookUpSaturationTemperatures(py::handle fluidValue,
                                                 const NumberArray& pressures, py::handle data) {
  const int fluid = FluidNumber(fluidValue);
  const auto store = RequireStore(data);
  std::vector<double> values(static_cast<std::size_t>(pressures.size()),
                             std::numeric_limits<double>::quiet_NaN());
  {
    py::gil_scoped_release unlocked;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (const auto value =
              LookUpProperty(*store, fluid, kSaturationTemperature, pressures.data()[i])) {
        values[i] = *value;
      }
    }
  }
  return NumPyArray(values);
}

// A text read as a field of this quantity reads it: (value, "") or (None, message).
py::tuple ReadQuantity(const std::string& text, const std::string& quantity,
                       const std::string& label) {
  const FieldReading reading = ReadQuantityText(text, QuantityNamed(quantity), label);
  if (reading.value) return py::make_tuple(static_cast<double>(*reading.value), "");
  return py::make_tuple(py::none(), reading.message);
}

// The names of a table of the core, as a message lists them: "a, b or c".
template <typename Table>
std::string Choices(const Table& table) {
  std::string text;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (i > 0) text += i + 1 == table.size() ? " or " : ", ";
    text += table[i].name;
  }
  return text;
}

std::string Quoted(const std::string& name) {
  return py::repr(py::str(name));
}

py::str Name(std::string_view name) {
  return {name.data(), name.size()};
}

py::dict ColumnDict(const std::vector<NamedColumn>& columns) {
  py::dict dict;
  for (const NamedColumn& column : columns) dict[py::str(column.name)] = NumPyArray(column.values);
  return dict;
}

// The points of one call. Field values, the fluid and the saturation flag
// come flat from Python: one value for all points, or an array with one per
// point. A preset sets the coefficients the field values do not give; a row
// factor is the tube row's.
class Batch {
 public:
  Batch(const std::string& problem, const py::dict& fields, const py::object& fluid,
        const py::object& saturated, const std::string& data, long count,
        const std::optional<std::string>& preset, const std::optional<std::string>& rowFactor,
        const std::string& vaporDensity) {
    batch_.problem = &FindProblem(problem);
    // The window's defaults, which every field left out keeps.
    batch_.fields = batch_.problem->defaults;
    batch_.count = count;
    if (preset) SetPreset(*preset);
    if (rowFactor) SetRowFactor(*rowFactor);
    SetVaporDensityNamed(vaporDensity);
    const std::vector<FieldOption> options = BindFields(batch_.fields);
    for (const auto& [key, value] : fields) {
      const auto name = key.cast<std::string>();
      const FieldOption* option = FindOption(options, name);
      if (!option) throw py::type_error("unexpected field \"" + name + "\"");
      if (!py::isinstance<py::array>(value)) {
        *option->text = FieldText(name, value);
      } else {
        AddVarying(static_cast<std::size_t>(option - options.data()), name,
                   py::reinterpret_borrow<py::array>(value));
        coefficientsVary_ |= OnPanel(*option, CoefficientsOf(batch_.fields));
      }
    }
    for (const py::handle value : Values(fluid)) batch_.fluids.push_back(FluidNumber(value));
    for (const py::handle value : Values(saturated)) {
      batch_.saturated.push_back(value.cast<bool>());
    }
    RequireValues(batch_.fluids.size(), "fluid", true);
    RequireValues(batch_.saturated.size(), "saturated", true);
    batch_.store = RequireStore(py::str(data));
  }

  // `noteType` makes a note of its code and text.
  py::dict Calculate(py::handle noteType) {
    BatchColumns columns;
    {
      py::gil_scoped_release unlocked;
      columns = CalculateColumns(batch_, AllCores());
    }
    py::dict properties;
    for (const NamedColumn& column : columns.properties) {
      properties[py::str(column.name)] =
          py::make_tuple(NumPyArray(column.values), NumPyArray(column.at));
    }
    py::array_t<bool> dryOut(static_cast<py::ssize_t>(columns.dryOut.size()));
    std::copy(columns.dryOut.begin(), columns.dryOut.end(), dryOut.mutable_data());
    py::dict raw;
    raw["inputs"] = ColumnDict(columns.inputs);
    raw["properties"] = properties;
    raw["results"] = ColumnDict(columns.results);
    raw["dry_out"] = dryOut;
    raw["messages"] = columns.messages;
    raw["notes"] = NoteLists(columns.notes, noteType);
    return raw;
  }

  std::vector<std::string> Reports() {
    py::gil_scoped_release unlocked;
    return CalculateReports(batch_, AllCores());
  }

  // The fluid's name, or one name per point.
  py::object FluidNames() const {
    const auto name = [](int number) { return py::str(FindFluid(number)->name); };
    if (batch_.fluids.size() == 1) return name(batch_.fluids.front());
    py::list names;
    for (const int number : batch_.fluids) names.append(name(number));
    return names;
  }

  // The name of the preset whose texts the coefficients are, or "custom";
  // one name per point where a coefficient varies; None for the tube row.
  py::object PresetNames() const {
    const auto name = [](const ProblemFields& fields) {
      return Name(PresetName(*CoefficientsOf(fields)));
    };
    if (CoefficientsOf(batch_.fields) == nullptr) return py::none();
    if (!coefficientsVary_) return name(batch_.fields);
    py::list names;
    for (long point = 0; point < batch_.count; ++point) names.append(name(batch_.Fields(point)));
    return names;
  }

  // The tube row's factor by name; None for the vertical walls.
  py::object RowFactorName() const {
    const auto* tubes = std::get_if<TubeCondensationFields>(&batch_.fields);
    if (tubes == nullptr) return py::none();
    return Name(ChoiceOf(tubes->rowFactor).name);
  }

  py::str VaporDensityName() const { return Name(dorix::VaporDensityName(vaporDensity_)); }

 private:
  void SetPreset(const std::string& name) {
    CoefficientTexts* panel = CoefficientsOf(batch_.fields);
    if (panel == nullptr) {
      throw py::value_error(std::string(batch_.problem->name) + " has no coefficients");
    }
    const CorrelationPreset* preset = FindPreset(name);
    if (preset == nullptr) {
      throw py::value_error("unknown preset " + Quoted(name) + ": use " +
                            Choices(CorrelationPresets()));
    }
    *panel = preset->texts;
  }

  void SetRowFactor(const std::string& name) {
    auto* tubes = std::get_if<TubeCondensationFields>(&batch_.fields);
    if (tubes == nullptr) {
      throw py::value_error(std::string(batch_.problem->name) + " has no tube row");
    }
    const RowFactorChoice* choice = FindRowFactor(name);
    if (choice == nullptr) {
      throw py::value_error("unknown row factor " + Quoted(name) + ": use " +
                            Choices(RowFactorChoices()));
    }
    tubes->rowFactor = choice->factor;
  }

  void SetVaporDensityNamed(const std::string& name) {
    const auto choice = ParseVaporDensity(name);
    if (!choice) {
      throw py::value_error("unknown vapor density " + Quoted(name) + ": use " +
                            std::string(dorix::VaporDensityName(VaporDensity::kNeglected)) +
                            " or " + std::string(dorix::VaporDensityName(VaporDensity::kIncluded)));
    }
    vaporDensity_ = *choice;
    SetVaporDensity(batch_.fields, vaporDensity_);
  }

  // Each point's notes as a list, in an object array: NumPy would read
  // lists of equal length handed over as a list as a second dimension.
  py::array NoteLists(const std::vector<std::vector<ValidityNote>>& notes, py::handle noteType) {
    py::array lists(py::dtype("O"), static_cast<py::ssize_t>(notes.size()));
    auto** slots = static_cast<PyObject**>(lists.mutable_data());
    for (std::size_t i = 0; i < notes.size(); ++i) {
      Py_XDECREF(slots[i]);  // NumPy's None or NULL
      slots[i] = NoteList(notes[i], noteType, codes_).release().ptr();
    }
    return lists;
  }

  // The values of a flat argument: itself, or the elements of its array.
  static py::list Values(const py::object& value) {
    if (py::isinstance<py::array>(value)) return value.attr("tolist")();
    py::list one;
    one.append(value);
    return one;
  }

  // A flat argument has one value per point, or where `oneForAll` one for all.
  void RequireValues(std::size_t size, const std::string& name, bool oneForAll) const {
    if (size == static_cast<std::size_t>(batch_.count) || (oneForAll && size == 1)) return;
    throw py::value_error(name + " has " + std::to_string(size) + " values for " +
                          std::to_string(batch_.count) + " points");
  }

  void AddVarying(std::size_t field, const std::string& name, const py::array& array) {
    RequireValues(static_cast<std::size_t>(array.size()), name, false);
    VaryingField varying;
    varying.field = field;
    if (array.dtype().kind() == 'f') {
      numbers_.push_back(NumberArray::ensure(array));
      varying.numbers = numbers_.back().data();
    } else {
      for (const py::handle element : array.attr("tolist")()) {
        varying.texts.push_back(FieldText(name, element));
      }
    }
    batch_.varying.push_back(std::move(varying));
  }

  PointBatch batch_;
  bool coefficientsVary_ = false;
  VaporDensity vaporDensity_ = VaporDensity::kNeglected;
  NameCache codes_;
  std::vector<NumberArray> numbers_;  // the arrays VaryingField::numbers points into
};

}  // namespace

}  // namespace dorix::python

PYBIND11_MODULE(_dorix, module) {
  using namespace dorix;
  using namespace dorix::python;
  module.doc() = "The compiled core of the dorix package; use the functions of dorix.";
  module.def(
      "property_file",
      []() -> std::optional<std::string> {
        const auto file = FindPropertyFile(ModulePlace());
        if (!file) return std::nullopt;
        return file->string();
      },
      "The property file used when no data= is given, None when there is none.");
  module.attr("__version__") = DORIX_VERSION;
  module.def("fields", &FieldTable,
             "(name, label, quantity, default text) of each field of a problem, in the "
             "order the calculation reads them.");
  module.def("properties", &LookUpProperties, py::arg("fluid"), py::arg("temperatures"),
             py::arg("data"));
  module.def("saturation_temperatures", &LookUpSaturationTemperatures, py::arg("fluid"),
             py::arg("pressures"), py::arg("data"));
  module.def("read_quantity", &ReadQuantity);
  py::class_<SingleCaller>(module, "SingleCaller")
      .def(py::init([](const std::string& problem, const std::vector<std::string>& order,
                       py::tuple defaults, py::object noteType) {
        return SingleCaller(FindProblem(problem), order, std::move(defaults), std::move(noteType),
                            ModulePlace());
      }))
      .def("call", &SingleCaller::Call)
      .def("report", &SingleCaller::Report);
  py::class_<Batch>(module, "Batch")
      .def(py::init<const std::string&, const py::dict&, const py::object&, const py::object&,
                    const std::string&, long, const std::optional<std::string>&,
                    const std::optional<std::string>&, const std::string&>())
      .def("calculate", &Batch::Calculate)
      .def("reports", &Batch::Reports)
      .def("fluid_names", &Batch::FluidNames)
      .def("preset_names", &Batch::PresetNames)
      .def("row_factor_name", &Batch::RowFactorName)
      .def("vapor_density_name", &Batch::VaporDensityName);
}
