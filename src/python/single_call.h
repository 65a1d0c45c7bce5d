// SPDX-License-Identifier: MIT
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/problems.h"
#include "core/props/property_file_locator.h"

namespace dorix::python {

namespace py = pybind11;

// Python strings for the core's static names (field, property and result
// names), made once each and found again by the name's address.
class NameCache {
 public:
  const py::str& Get(std::string_view name);

 private:
  std::vector<std::pair<const char*, py::str>> names_;
};

// The notes of an outcome as a list of `noteType(code, text)`, each code's
// Python text made once in `codes`.
py::list NoteList(const std::vector<ValidityNote>& notes, py::handle noteType, NameCache& codes);

// The problem of this name ("wall-condensation"); a ValueError for none.
const Problem& FindProblem(const std::string& name);

// Whether an option holds one of the coefficient panel's texts.
bool OnPanel(const FieldOption& option, const CoefficientTexts* panel);

// The store of the property file at `data` (None or "": the one dorix-calc
// would find from `module` at the first call), loaded once; null when there
// is none. Kept between calls so that a call with the same data= looks for
// nothing again.
std::shared_ptr<const PropertyStore> StoreOf(py::handle data, const ProgramPlace& module);

// One problem's single calls, the common case made cheap: the arguments are
// read straight into the window's field texts, the calculation runs on the
// calling thread, and the outcome comes back as a tuple of plain Python values:
//   (message, dry_out, inputs, properties, results, fluid, preset, row_factor,
//    vapor_density, notes)
// with inputs {field: value, NaN where not read}, properties
// {name: (value, at)}, results {name: value, NaN where there is none},
// notes [noteType(code, text)].
// Anything that is not a single number or text (an array, a pint quantity, a
// wrong type, an unknown name, a data= that is no str) gives None instead:
// the Python side then takes the general path, which converts or explains.
class SingleCaller {
 public:
  // `order` names the fields in the order `values` will hold them;
  // `defaults` holds the Python default of each, kept as the window's text
  // when a call passes that very object; `noteType` makes a note of its
  // code and text.
  SingleCaller(const Problem& problem, const std::vector<std::string>& order, py::tuple defaults,
               py::object noteType, ProgramPlace module);

  py::object Call(py::tuple values, py::handle fluid, py::handle saturated, py::handle preset,
                  py::handle rowFactor, py::handle vaporDensity, py::handle data);
  // The report of the same call, as dorix-calc prints it (LF line ends).
  py::object Report(py::tuple values, py::handle fluid, py::handle saturated, py::handle preset,
                    py::handle rowFactor, py::handle vaporDensity, py::handle data);

 private:
  struct Prepared {
    ProblemFields fields;
    CalculationSetup setup;
    std::shared_ptr<const PropertyStore> store;
  };
  std::optional<Prepared> Prepare(py::tuple values, py::handle fluid, py::handle saturated,
                                  py::handle preset, py::handle rowFactor, py::handle vaporDensity,
                                  py::handle data);

  const Problem* problem_ = nullptr;
  std::vector<std::size_t> fieldOf_;  // BindFields index of each value
  std::vector<bool> isCoefficient_;   // None keeps the preset's text
  py::tuple defaults_;
  py::object noteType_;
  ProgramPlace module_;
  NameCache names_;
  std::vector<std::string_view> inputNames_;  // BindFields order
};

}  // namespace dorix::python
