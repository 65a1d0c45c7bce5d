# SPDX-License-Identifier: MIT
"""DORIX film heat transfer with a change of phase, from Python.

The three problems of the desktop program and dorix-calc, computed by the same
core and giving the same numbers:

    >>> import dorix
    >>> r = dorix.wall_condensation(pressure="1 atm", wall_temp="25 degC")
    >>> r.results["heat_transfer_coefficient"]

Every field is a keyword of its function with the window's default. A field
takes a number in its SI unit (K, Pa, m, kg/(m s)), a text as typed into the
window ("40 degC", "1.2 bar", "250 mm"), a pint Quantity (converted through
its units to the field's unit), or an array of any of these. Arrays, and
arrays of fluids or saturated flags, broadcast as NumPy broadcasts them; the
points are computed on all cores.

preset= sets the nine coefficients of the vertical walls to a published set
(dorix-calc's --preset: "default", "kutateladze-labuntsov", "nusselt-laminar");
coefficient keywords given as well override its texts. row_factor= chooses the
tube row's factor (--row-factor: "nusselt", the default, or "kern").
vapor_density= (--vapor-density) neglects the vapour's density in the film's
buoyancy, as the classic film model does ("neglected", the default), or
counts it ("included": g·(1 − ρv/ρl), ρv the saturated vapour at Tsat).

Result.notes says where a finished calculation stretches the model behind
its numbers (a wall below the triple point, a Reynolds number outside the
correlations' data, ...): Note(code, text) tuples, as dorix-calc prints them.

A single calculation that its window would refuse raises Refused (a
ValueError) with the window's message; in arrays a refused point is NaN with
its message in Result.messages.

properties() and saturation_temperature() read the property file directly.
"""

from __future__ import annotations

import math
import numbers
import os
from typing import TYPE_CHECKING, Any, NamedTuple, Optional, Sequence, Union

import numpy as np

from dorix import _dorix

if TYPE_CHECKING:
    import numpy.typing as npt
    import pandas
    import pint

__version__: str = _dorix.__version__

__all__ = [
    "Note",
    "Property",
    "Refused",
    "Result",
    "__version__",
    "properties",
    "property_file",
    "saturation_temperature",
    "tube_condensation",
    "wall_condensation",
    "wall_evaporation",
]

#: What a field takes: a number in the field's SI unit, a text with or
#: without a unit, a pint Quantity, or an array (or sequence) of these.
FieldValue = Union[float, str, "npt.ArrayLike", "pint.Quantity"]
#: A fluid by name ("water", "R134a") or number, or an array of them.
FluidValue = Union[str, int, "npt.ArrayLike"]
#: True or False, or an array of flags.
FlagValue = Union[bool, "npt.ArrayLike"]
#: A property file; None for the one found as dorix-calc finds it.
DataPath = Optional[Union[str, "os.PathLike[str]"]]
#: A number, or an array of the call's broadcast shape.
Values = Union[float, "npt.NDArray[np.float64]"]


class Refused(ValueError):
    """A single calculation (or property lookup) refused its input.

    The text, also in `message`, is the window's own: "*** ERROR: ...".
    `field` names the keyword the refusal is about and `value` is what the
    call gave it, where the refusal is about one field; both are None
    otherwise (a vapour colder than the wall is about two).
    """

    def __init__(self, message: str, field: Optional[str] = None, value: Any = None):
        super().__init__(message)
        self.message = message
        self.field = field
        self.value = value


class Property(NamedTuple):
    """A fluid property and where it was evaluated: the temperature [K], or
    for the saturation temperature the pressure [Pa]."""

    value: Values
    at: Values


class Note(NamedTuple):
    """Where a finished calculation stretches its model: a stable code
    ("wall-below-triple-point", "vapor-density", "correlation-range", ...)
    and a one-line text with the numbers involved."""

    code: str
    text: str


# The results' units, as the reports give them.
_RESULT_UNITS = {
    "reynolds_number": "",
    "condensation_rate": "kg/m s",
    "heat_transfer_coefficient": "W/m² K",
    "final_mass_flow_rate": "kg/m s",
    "evaporation_rate": "kg/m s",
}


class Result:
    """The outcome of a call: numbers for a single calculation, arrays of the
    broadcast shape for a vectorised one.

    problem     "wall-condensation", "tube-condensation" or "wall-evaporation"
    shape       the broadcast shape of the arguments, () for a single calculation
    fluid       the fluid's name (an array of names where the fluid varies)
    preset      the preset whose texts the coefficients are, or "custom" (an
                array of names where a coefficient varies); None for the tube row
    row_factor  the tube row's factor, "nusselt" or "kern"; None for the walls
    vapor_density  "neglected" or "included": whether the film's buoyancy
                counts the saturated vapour's density
    inputs      field -> value as read, in SI units, rounded to single
                precision; NaN for a field a refused run did not read
    properties  name -> Property(value, at): the saturation temperature [K]
                at the pressure [Pa]; liquid density [kg/m³], dynamic
                viscosity [kg/m s], conductivity [W/m K], specific heat
                [J/kg K] and Prandtl number at the liquid reference
                temperature [K]; vapour specific heat [J/kg K]; enthalpy of
                vaporization [J/kg] at the saturation temperature [K];
                with vapor_density "included" also saturated_vapor_density
                [kg/m³] at the saturation temperature [K]
    results     name -> value, NaN where there is none (a refused point, a
                film that dries out):
                  reynolds_number            film Reynolds number at the end
                  condensation_rate          kg/m s, per unit width of the
                                             wall; for the tube row per unit
                                             length of the row's tubes
                  heat_transfer_coefficient  average, W/m² K
                  final_mass_flow_rate       evaporation: kg/m s at the end
                  evaporation_rate           evaporation: kg/m s per unit width
    dry_out     the evaporating film dries out before the end of the wall
    messages    the "*** ERROR: " text of a refused point, else ""
    notes       a list of Note(code, text) where the calculation stretches its
                model, [] where it does not (and for a refused point); an
                object array of such lists for a vectorised call
    report      the window's report (LF line ends); "" for a refused point

    to_frame() gives a pandas DataFrame, one row per point.
    """

    __slots__ = (
        "problem",
        "shape",
        "fluid",
        "preset",
        "row_factor",
        "vapor_density",
        "inputs",
        "results",
        "dry_out",
        "messages",
        "notes",
        "_properties",
        "_report",
        "_reports",
    )

    problem: str
    shape: tuple[int, ...]
    fluid: Any
    preset: Any
    row_factor: Optional[str]
    vapor_density: str
    inputs: dict[str, Values]
    results: dict[str, Values]
    dry_out: Any
    messages: Any
    notes: Any

    @property
    def properties(self) -> dict[str, Property]:
        made = self._properties
        if made and type(next(iter(made.values()))) is not Property:
            made = self._properties = {name: Property(*pair) for name, pair in made.items()}
        return made

    @property
    def report(self) -> Any:
        if self._report is None:
            self._report = self._reports()
        return self._report

    def to_frame(self) -> pandas.DataFrame:
        """The points as a pandas DataFrame, one row per point in C order:
        the fluid (where it varies), the inputs, the results, dry_out (for the
        evaporating film) and the message, columns named as in dorix-calc's
        sweep CSV, then notes: each point's note texts joined by "; ", ""
        for none."""
        try:
            import pandas
        except ImportError as error:
            raise ImportError(
                "Result.to_frame() needs pandas (Debian: python3-pandas; pip: pandas)"
            ) from error
        count = math.prod(self.shape)

        def column(values: Any, dtype: Any) -> Any:
            return np.broadcast_to(np.asarray(values, dtype=dtype), self.shape).reshape(count)

        columns: dict[str, Any] = {}
        if not isinstance(self.fluid, str):
            columns["fluid"] = column(self.fluid, object)
        if self.preset is not None and not isinstance(self.preset, str):
            columns["preset"] = column(self.preset, object)
        for name, values in self.inputs.items():
            columns[name] = column(values, np.float64)
        for name, values in self.results.items():
            columns[name] = column(values, np.float64)
        if self.problem == "wall-evaporation":
            columns["dry_out"] = column(self.dry_out, bool)
        columns["message"] = column(self.messages, object)
        points = [self.notes] if self.shape == () else self.notes.ravel()
        columns["notes"] = ["; ".join(note.text for note in notes) for notes in points]
        return pandas.DataFrame(columns)

    def __repr__(self) -> str:
        head = f"<dorix.Result {self.problem}"
        if self.shape != ():
            refused = int(np.count_nonzero(np.asarray(self.messages) != ""))
            dried = int(np.count_nonzero(self.dry_out))
            tail = f", {dried} dry out" if self.problem == "wall-evaporation" else ""
            noted = sum(1 for notes in self.notes.flat if notes)
            tail += f", {noted} with notes" if noted else ""
            return f"{head}, shape {self.shape}, {refused} refused{tail}>"
        choices = [self.fluid, self.preset or self.row_factor]
        if self.vapor_density == "included":
            choices.append("vapor density included")
        lines = [f"{head}: {', '.join(c for c in choices if c)}"]
        if self.dry_out:
            lines.append("  the film dries out before the end of the wall")
        for name, value in self.results.items():
            unit = _RESULT_UNITS.get(name, "")
            lines.append(f"  {name:26s} = {value:.6g}{' ' + unit if unit else ''}")
        lines.extend(f"  note: {note.text}" for note in self.notes)
        return "\n".join(lines) + ">"


def _from_batch(problem: str, batch: Any, shape: tuple[int, ...], values: dict) -> Result:
    raw = batch.calculate(Note)
    scalar = shape == ()
    messages = raw["messages"]
    if scalar and messages[0]:
        raise _refusal(problem, messages[0], values)

    def shaped(values: Any) -> Any:
        return float(values[0]) if scalar else values.reshape(shape)

    result = Result.__new__(Result)
    result.problem = problem
    result.shape = shape
    fluid = batch.fluid_names()
    result.fluid = fluid if isinstance(fluid, str) else _objects(fluid, shape)
    preset = batch.preset_names()
    result.preset = preset if not isinstance(preset, list) else _objects(preset, shape)
    result.row_factor = batch.row_factor_name()
    result.vapor_density = batch.vapor_density_name()
    result.inputs = {name: shaped(values) for name, values in raw["inputs"].items()}
    result._properties = {
        name: Property(shaped(value), shaped(at)) for name, (value, at) in raw["properties"].items()
    }
    result.dry_out = bool(raw["dry_out"][0]) if scalar else raw["dry_out"].reshape(shape)
    result.results = {name: shaped(values) for name, values in raw["results"].items()}
    result.messages = "" if scalar else _objects(messages, shape)
    result.notes = raw["notes"][0] if scalar else raw["notes"].reshape(shape)
    result._report = None

    def reports() -> Any:
        texts = batch.reports()
        return texts[0] if scalar else _objects(texts, shape)

    result._reports = reports
    return result


# What each problem's fields are: (name, label, quantity, default text).
_FIELDS = {problem: _dorix.fields(problem) for problem in
           ("wall-condensation", "tube-condensation", "wall-evaporation")}
_COEFFICIENTS = ("A", "n", "B", "m", "s", "C", "v", "D", "w")

# Refusals about one field whose message does not begin with its label.
_FIELD_OF_MESSAGE = {
    "*** ERROR: Length must be greater than zero.": "length",
    "*** ERROR: Wall Length should be greater than zero.": "length",
    "*** ERROR: Tube diameter must be greater than zero.": "tube_diameter",
    "*** ERROR: Number of tubes must be greater than zero.": "tubes",
    "*** ERROR: Mass flow rate should be greater than zero.": "flow_rate",
    "*** ERROR: Given pressure is out of range.": "pressure",
    "*** ERROR: Given saturation temperature is out of range.": "sat_temp",
    "*** ERROR: Wall Temp. should be higher than zero.": "wall_temp",
}


def _refusal(problem: str, message: str, values: dict) -> Refused:
    """Refused for a message, with the field it is about and the value the
    call gave that field."""
    field = None
    for name, label, _, _ in _FIELDS[problem]:
        prefix = "*** ERROR: " + label
        if message.startswith(prefix) and message[len(prefix):len(prefix) + 1] in (" ", ":"):
            field = name
            break
    else:
        field = _FIELD_OF_MESSAGE.get(message)
    if field is not None and field not in values:
        field = None
    return Refused(message, field, values.get(field))


# pint units of the quantities the fields measure.
_PINT_UNITS = {
    "temperature": "kelvin",
    "pressure": "pascal",
    "length": "meter",
    "mass_flow_per_width": "kilogram / meter / second",
    "": "dimensionless",
}
_QUANTITY_OF = {name: quantity for fields in _FIELDS.values()
                for name, _, quantity, _ in fields}
_QUANTITY_OF["temperature"] = "temperature"


def _is_quantity(value: Any) -> bool:
    return hasattr(type(value), "_REGISTRY") and hasattr(value, "m_as")


def _magnitude(function: str, name: str, value: Any) -> Any:
    """A pint Quantity's magnitude in the field's SI unit; a TypeError naming
    the field when its units measure something else."""
    unit = _PINT_UNITS[_QUANTITY_OF.get(name, "")]
    try:
        return value.m_as(unit)
    except Exception as error:  # pint.DimensionalityError, or a unit pint cannot convert
        raise TypeError(
            f"{function}(): {name} takes a quantity convertible to {unit}, not {value.units}"
        ) from error


class _Problem:
    """One problem's calls: its fields in the signature's order, the fast
    single-call path, and the general path for arrays and conversions."""

    def __init__(self, problem: str, function: str, order: tuple[str, ...], defaults: tuple):
        self.problem = problem
        self.function = function
        self.order = order
        self.defaults = defaults
        self.caller = _dorix.SingleCaller(problem, list(order), defaults, Note)

    def __call__(self, values: tuple, fluid: Any, saturated: Any, preset: Any, row_factor: Any,
                 vapor_density: Any, data: Any) -> Result:
        arguments = (values, fluid, saturated, preset, row_factor, vapor_density, data)
        raw = self.caller.call(*arguments)
        if raw is None:
            return self.general(*arguments)
        return self.single(raw, values, arguments)

    def single(self, raw: tuple, given: tuple, arguments: tuple) -> Result:
        """The Result of the fast path's tuple, or Refused naming the field
        with the value as `given`."""
        if raw[0]:
            raise _refusal(self.problem, raw[0], dict(zip(self.order, given)))
        result = Result.__new__(Result)
        (_, result.dry_out, result.inputs, result._properties, result.results, result.fluid,
         result.preset, result.row_factor, result.vapor_density, result.notes) = raw
        result.problem = self.problem
        result.shape = ()
        result.messages = ""
        result._report = None
        caller = self.caller
        result._reports = lambda: caller.report(*arguments)
        return result

    def general(self, values: tuple, fluid: Any, saturated: Any, preset: Any, row_factor: Any,
                vapor_density: Any, data: Any) -> Result:
        function = self.function
        given = {}
        for name, value, default in zip(self.order, values, self.defaults):
            if value is default or (value is None and name in _COEFFICIENTS):
                continue
            given[name] = _field_values(function, name, value)
        fluids = _fluid_values(function, fluid)
        flags = _flag_values(function, saturated)
        preset = _name(function, "preset", preset)
        if row_factor is not None:
            row_factor = _name(function, "row_factor", row_factor)
        vapor_density = _name(function, "vapor_density", vapor_density)
        if data is not None and not isinstance(data, str):
            data = os.fspath(data)  # a pathlib.Path
        arrays = [v for v in (*given.values(), fluids, flags) if isinstance(v, np.ndarray)]
        shape = np.broadcast_shapes(*(a.shape for a in arrays))
        if shape == ():
            # Single values after all: the fast path where it reads them.
            single = tuple(
                _single_value(given[name]) if name in given else value
                for name, value in zip(self.order, values)
            )
            arguments = (single, _single_value(fluids), _single_value(flags), preset,
                         row_factor, vapor_density, data)
            raw = self.caller.call(*arguments)
            if raw is not None:
                return self.single(raw, values, arguments)

        def flat(value: Any) -> Any:
            return np.broadcast_to(value, shape).ravel() if isinstance(value, np.ndarray) else value

        batch = _dorix.Batch(
            self.problem,
            {name: flat(value) for name, value in given.items()},
            flat(fluids),
            flat(flags),
            data or "",
            math.prod(shape),
            preset,
            row_factor,
            vapor_density,
        )
        return _from_batch(self.problem, batch, shape, dict(zip(self.order, values)))


def _single_value(value: Any) -> Any:
    if isinstance(value, np.ndarray):
        return value.item()
    return value


_WALL_CONDENSATION = _Problem(
    "wall-condensation",
    "wall_condensation",
    ("pressure", "vapor_temp", "wall_temp", "length", *_COEFFICIENTS),
    (101325.0, 400.0, 300.0, 1.0, *(None,) * 9),
)
_TUBE_CONDENSATION = _Problem(
    "tube-condensation",
    "tube_condensation",
    ("pressure", "vapor_temp", "wall_temp", "tube_diameter", "tubes"),
    (101325.0, 400.0, 300.0, 0.1, 5.0),
)
_WALL_EVAPORATION = _Problem(
    "wall-evaporation",
    "wall_evaporation",
    ("sat_temp", "wall_temp", "length", "flow_rate", *_COEFFICIENTS),
    (300.0, 400.0, 1.0, 1.0, *(None,) * 9),
)


def wall_condensation(
    *,
    pressure: FieldValue = 101325.0,
    vapor_temp: FieldValue = 400.0,
    wall_temp: FieldValue = 300.0,
    length: FieldValue = 1.0,
    fluid: FluidValue = "water",
    saturated: FlagValue = False,
    preset: Optional[str] = None,
    vapor_density: str = "neglected",
    A: Optional[FieldValue] = None,
    n: Optional[FieldValue] = None,
    B: Optional[FieldValue] = None,
    m: Optional[FieldValue] = None,
    s: Optional[FieldValue] = None,
    C: Optional[FieldValue] = None,
    v: Optional[FieldValue] = None,
    D: Optional[FieldValue] = None,
    w: Optional[FieldValue] = None,
    data: DataPath = None,
) -> Result:
    """Film condensation of a saturated or superheated vapour on an isothermal
    vertical wall.

    pressure    vapour pressure [Pa], default 101325
    vapor_temp  vapour temperature [K], default 400; ignored when saturated
    wall_temp   wall temperature [K], default 300
    length      length of the wall [m], default 1.0
    fluid       a fluid of the property file by name or number, as
                dorix-calc's --fluid takes it: "water" (the default),
                "ammonia", "r134a", 6, ...
    saturated   True takes the vapour temperature as the saturation
                temperature at the pressure
    preset      a published set of the coefficients: "default",
                "kutateladze-labuntsov", "nusselt-laminar"
    vapor_density  "neglected" (the classic film model, the default) or
                "included": the film's buoyancy g·(1 − ρv/ρl) in every
                regime, ρv the saturated vapour at Tsat
    A, n        wavy-laminar law Nu = A·Re^n [-]: default 0.822, -0.22
    B, m, s     turbulent law Nu = B·Re^m·Pr^s [-]: default 0.0038, 0.4, 0.65
    C, v        laminar to wavy transition at Re = C·Pr^v: default 30, 0
    D, w        wavy to turbulent transition at Re = D·Pr^w: default 5800, -1.06
                (a coefficient left None is the preset's, else the window's)
    data        another property file

    Results: reynolds_number [-], condensation_rate [kg/m s, per unit width],
    heat_transfer_coefficient [W/m² K]; see Result.
    """
    return _WALL_CONDENSATION(
        (pressure, vapor_temp, wall_temp, length, A, n, B, m, s, C, v, D, w),
        fluid, saturated, preset, None, vapor_density, data)


def tube_condensation(
    *,
    pressure: FieldValue = 101325.0,
    vapor_temp: FieldValue = 400.0,
    wall_temp: FieldValue = 300.0,
    tube_diameter: FieldValue = 0.1,
    tubes: FieldValue = 5.0,
    fluid: FluidValue = "water",
    saturated: FlagValue = False,
    row_factor: str = "nusselt",
    vapor_density: str = "neglected",
    data: DataPath = None,
) -> Result:
    """Laminar film condensation on a vertical row of horizontal tubes.

    pressure       vapour pressure [Pa], default 101325
    vapor_temp     vapour temperature [K], default 400; ignored when saturated
    wall_temp      tube wall temperature [K], default 300
    tube_diameter  outer tube diameter [m], default 0.1
    tubes          number of tubes in the row [-], default 5.0
    fluid          as for wall_condensation, default "water"
    saturated      as for wall_condensation
    row_factor     "nusselt" (the single tube's coefficient times N^-1/4,
                   the default) or "kern" (N^-1/6)
    vapor_density  as for wall_condensation, default "neglected"
    data           another property file

    Results: reynolds_number [-], heat_transfer_coefficient [W/m² K],
    condensation_rate [kg/m s, per unit length of the row's tubes]; see Result.
    """
    if row_factor is None:
        raise TypeError("tube_condensation(): row_factor takes a name, not None")
    return _TUBE_CONDENSATION(
        (pressure, vapor_temp, wall_temp, tube_diameter, tubes),
        fluid, saturated, None, row_factor, vapor_density, data)


def wall_evaporation(
    *,
    sat_temp: FieldValue = 300.0,
    wall_temp: FieldValue = 400.0,
    length: FieldValue = 1.0,
    flow_rate: FieldValue = 1.0,
    fluid: FluidValue = "water",
    preset: Optional[str] = None,
    vapor_density: str = "neglected",
    A: Optional[FieldValue] = None,
    n: Optional[FieldValue] = None,
    B: Optional[FieldValue] = None,
    m: Optional[FieldValue] = None,
    s: Optional[FieldValue] = None,
    C: Optional[FieldValue] = None,
    v: Optional[FieldValue] = None,
    D: Optional[FieldValue] = None,
    w: Optional[FieldValue] = None,
    data: DataPath = None,
) -> Result:
    """Evaporation of a liquid film falling down a heated vertical wall.

    sat_temp    saturation temperature [K], default 300
    wall_temp   wall temperature [K], default 400
    length      length of the wall [m], default 1.0
    flow_rate   initial mass flow rate per unit width [kg/m s], default 1.0
    fluid       as for wall_condensation, default "water"
    preset, vapor_density, A, n, B, m, s, C, v, D, w   as for wall_condensation
    data        another property file

    Results: reynolds_number [-], final_mass_flow_rate [kg/m s],
    evaporation_rate [kg/m s, per unit width], heat_transfer_coefficient
    [W/m² K]; a film that dries out before the end of the wall has dry_out
    True and NaN results.
    """
    return _WALL_EVAPORATION(
        (sat_temp, wall_temp, length, flow_rate, A, n, B, m, s, C, v, D, w),
        fluid, False, preset, None, vapor_density, data)


def properties(fluid: FluidValue, temperature: FieldValue,
               data: DataPath = None) -> dict[str, Values]:
    """The liquid and vapour properties of a fluid at a temperature, by the
    lookups the calculations make, named as in a Result's properties:
    liquid_density [kg/m³], liquid_dynamic_viscosity [kg/m s],
    liquid_conductivity [W/m K], liquid_specific_heat [J/kg K],
    liquid_prandtl_number [-], vapor_specific_heat [J/kg K],
    enthalpy_of_vaporization [J/kg], and saturated_vapor_density [kg/m³],
    the saturated vapour's density with the temperature taken as Tsat (by
    Clapeyron's equation from the file's curves, as vapor_density="included"
    has it).

    temperature [K] is a number (looked up as given: a Property's `at` gives
    the report's value bit for bit), a text with a unit ("40 degC", read as a
    field reads it), a pint Quantity, or an array of these. A property the
    file has no value for at that temperature is NaN; a single temperature
    at which it has none at all raises Refused.
    """
    if data is not None and not isinstance(data, str):
        data = os.fspath(data)
    temperatures = _numbers("properties", "temperature", temperature)
    looked_up = _dorix.properties(fluid, temperatures.ravel(), data)
    if temperatures.ndim == 0:
        values = {name: float(column[0]) for name, column in looked_up.items()}
        if all(math.isnan(value) for value in values.values()):
            raise Refused(
                f"*** ERROR: The property file has no values for {fluid} at "
                f"{float(temperatures)} K.", "temperature", temperature)
        return values
    return {name: column.reshape(temperatures.shape) for name, column in looked_up.items()}


def saturation_temperature(fluid: FluidValue, pressure: FieldValue,
                           data: DataPath = None) -> Values:
    """The saturation temperature [K] of a fluid at a pressure [Pa], by the
    lookup the condensation windows make. pressure is taken as
    properties() takes a temperature; a single pressure out of the file's
    range raises Refused, in arrays it is NaN."""
    if data is not None and not isinstance(data, str):
        data = os.fspath(data)
    pressures = _numbers("saturation_temperature", "pressure", pressure)
    looked_up = _dorix.saturation_temperatures(fluid, pressures.ravel(), data)
    if pressures.ndim == 0:
        if math.isnan(looked_up[0]):
            raise Refused("*** ERROR: Given pressure is out of range.", "pressure", pressure)
        return float(looked_up[0])
    return looked_up.reshape(pressures.shape)


def _numbers(function: str, name: str, value: Any) -> np.ndarray:
    """The numbers of a lookup's argument in SI units, as a float array."""
    array = np.asarray(_without_quantities(function, name, value))
    if array.dtype.kind in "iuf":
        return array.astype(np.float64)
    if array.dtype.kind in "UO":
        label = "Temperature [K]" if name == "temperature" else "Pressure [Pa]"
        numbers_read = np.empty(array.shape)
        for index, text in np.ndenumerate(array):
            if not isinstance(text, str):
                raise TypeError(f"{function}(): {name} takes numbers or texts, not "
                                f"{type(text).__name__}")
            read, message = _dorix.read_quantity(text, _QUANTITY_OF[name], label)
            if read is None:
                raise Refused(message, name, text)
            numbers_read[index] = read
        return numbers_read
    raise TypeError(f"{function}(): {name} takes numbers or texts, not {array.dtype} values")


def property_file() -> Optional[str]:
    """The property file the calculations read when no data= is given (found
    as dorix-calc finds it), or None. The calculations load it at their first
    call and keep it."""
    return _dorix.property_file()


def _name(function: str, keyword: str, value: Any) -> Optional[str]:
    """A preset or row factor: one name (None: no preset)."""
    if (value is None and keyword == "preset") or isinstance(value, str):
        return value
    raise TypeError(f"{function}(): {keyword} takes a name, not {value!r}")


def _without_quantities(function: str, name: str, value: Any) -> Any:
    """A value with every pint Quantity in it, in sequences or in an object
    array, replaced by its magnitude in the field's SI unit (NumPy would
    strip the units, or refuse, when it makes an array of quantities)."""
    if _is_quantity(value):
        return _magnitude(function, name, value)
    if isinstance(value, (list, tuple)):
        return [_without_quantities(function, name, element) for element in value]
    if isinstance(value, np.ndarray) and value.dtype.kind == "O":
        convert = np.frompyfunc(lambda element: _without_quantities(function, name, element), 1, 1)
        return np.asarray(convert(value), dtype=object)
    return value


def _field_values(function: str, name: str, value: Any) -> Any:
    value = _without_quantities(function, name, value)
    if isinstance(value, str):
        return value
    if isinstance(value, (bool, np.bool_)):
        raise TypeError(f"{function}(): {name} takes a number or a text, not a bool")
    if isinstance(value, numbers.Real):
        return float(value)
    array = np.asarray(value)
    if array.dtype.kind in "iuf":
        return array.astype(np.float64)
    if array.dtype.kind in "UO":
        return array.astype(object)
    raise TypeError(f"{function}(): {name} takes numbers or texts, not {array.dtype} values")


def _fluid_values(function: str, fluid: Any) -> Any:
    if isinstance(fluid, str) or (
        isinstance(fluid, numbers.Integral) and not isinstance(fluid, (bool, np.bool_))
    ):
        return fluid if isinstance(fluid, str) else int(fluid)
    array = np.asarray(fluid)
    if array.dtype.kind in "iuUO":
        return array.astype(object)
    raise TypeError(f"{function}(): fluid takes a name or a number, not {fluid!r}")


def _flag_values(function: str, saturated: Any) -> Any:
    if isinstance(saturated, (bool, np.bool_)):
        return bool(saturated)
    array = np.asarray(saturated)
    if array.dtype.kind == "b":
        return array
    raise TypeError(f"{function}(): saturated takes True or False, not {saturated!r}")


def _objects(values: Sequence[Any], shape: tuple[int, ...]) -> np.ndarray:
    array = np.empty(len(values), dtype=object)
    array[:] = values
    return array.reshape(shape)
