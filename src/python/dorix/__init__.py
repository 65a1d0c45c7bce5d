# SPDX-License-Identifier: MIT
"""DORIX film heat transfer with a change of phase, from Python.

The three problems of the desktop program and dorix-calc, computed by the same
core and giving the same numbers:

    >>> import dorix
    >>> r = dorix.wall_condensation(pressure="1 atm", wall_temp="25 degC")
    >>> r.results["heat_transfer_coefficient"]

Field keywords are dorix-calc's options with underscores for dashes
(pressure, vapor_temp, wall_temp, length, tube_diameter, tubes, sat_temp,
flow_rate, and the coefficients A, n, B, m, s, C, v, D, w); a field left out
keeps the window's default. Each takes a number in the field's SI unit (K, Pa,
m, kg/m s), a text as typed into the window ("40 degC", "1.2 bar", "250 mm"),
or an array of either. Arrays, and arrays of fluids or saturated flags,
broadcast as NumPy broadcasts them; the points are computed on all cores.

preset= sets the nine coefficients of the vertical walls to a published set
(dorix-calc's --preset: "default", "kutateladze-labuntsov", "nusselt-laminar");
coefficient keywords given as well override its texts. row_factor= chooses the
tube row's factor (--row-factor: "nusselt", the default, or "kern").
"""

import math
import numbers
from functools import cached_property
from typing import NamedTuple

import numpy as np

from dorix import _dorix

__all__ = [
    "Property",
    "Refused",
    "Result",
    "property_file",
    "tube_condensation",
    "wall_condensation",
    "wall_evaporation",
]


class Refused(Exception):
    """A single calculation refused its input.

    The text, also in `message`, is the window's own: "*** ERROR: ...".
    """

    def __init__(self, message):
        super().__init__(message)
        self.message = message


class Property(NamedTuple):
    """A fluid property and where it was evaluated: the temperature [K], or
    for the saturation temperature the pressure [Pa]."""

    value: object
    at: object


class Result:
    """The outcome of a call: numbers for a single calculation, arrays of the
    broadcast shape for a vectorised one.

    problem     "wall-condensation", "tube-condensation" or "wall-evaporation"
    shape       the broadcast shape of the arguments, () for a single calculation
    fluid       the fluid's name (an array of names where the fluid varies)
    preset      the preset whose texts the coefficients are, or "custom" (an
                array of names where a coefficient varies); None for the tube row
    row_factor  the tube row's factor, "nusselt" or "kern"; None for the walls
    inputs      field values as read, in SI units, rounded to single precision
    properties  name -> Property(value, at)
    results     name -> value; a single film that dries out has none
    dry_out     the evaporating film dries out before the end of the wall
    messages    per point, the "*** ERROR: " text of a refused point, else ""
    report      the window's report (LF line ends); "" for a refused point

    In arrays, a refused point is NaN in inputs it did not read, in the
    properties and in the results; a point that dries out is NaN in the results.
    """

    def __init__(self, problem, batch, shape):
        raw = batch.calculate()
        self.problem = problem
        self.shape = shape
        self._batch = batch
        scalar = shape == ()
        messages = raw["messages"]
        if scalar and messages[0]:
            raise Refused(messages[0])

        def shaped(values):
            return float(values[0]) if scalar else values.reshape(shape)

        fluid = batch.fluid_names()
        self.fluid = fluid if isinstance(fluid, str) else _objects(fluid, shape)
        preset = batch.preset_names()
        self.preset = preset if not isinstance(preset, list) else _objects(preset, shape)
        self.row_factor = batch.row_factor_name()
        self.inputs = {name: shaped(values) for name, values in raw["inputs"].items()}
        self.properties = {
            name: Property(shaped(value), shaped(at))
            for name, (value, at) in raw["properties"].items()
        }
        self.dry_out = bool(raw["dry_out"][0]) if scalar else raw["dry_out"].reshape(shape)
        self.results = {name: shaped(values) for name, values in raw["results"].items()}
        if scalar and self.dry_out:
            self.results = {}
        self.messages = "" if scalar else _objects(messages, shape)

    @cached_property
    def report(self):
        reports = self._batch.reports()
        return reports[0] if self.shape == () else _objects(reports, self.shape)

    def __repr__(self):
        if self.shape == ():
            shown = ", ".join(f"{name}={value:.6g}" for name, value in self.results.items())
            return f"<dorix.Result {self.problem} {self.fluid}: {shown or 'dry out'}>"
        refused = int(np.count_nonzero(self.messages != ""))
        return f"<dorix.Result {self.problem}, shape {self.shape}, {refused} refused>"


def wall_condensation(*, fluid="water", saturated=False, preset=None, data=None, **fields):
    """Film condensation of a saturated or superheated vapour on an isothermal
    vertical wall. Fields: pressure, vapor_temp, wall_temp, length and the
    coefficients A, n, B, m, s, C, v, D, w. saturated=True takes the vapour
    temperature as the saturation temperature at the pressure. preset= names
    a published set of the coefficients ("default", "kutateladze-labuntsov",
    "nusselt-laminar"); coefficient keywords override its texts."""
    preset = _name("wall_condensation", "preset", preset)
    return _calculate(
        "wall-condensation", "wall_condensation", fields, fluid, saturated, data, preset=preset
    )


def tube_condensation(
    *, fluid="water", saturated=False, row_factor="nusselt", data=None, **fields
):
    """Laminar film condensation on a vertical row of horizontal tubes.
    Fields: pressure, vapor_temp, wall_temp, tube_diameter, tubes.
    saturated=True as for wall_condensation. row_factor= is the row's factor:
    "nusselt" (the single tube's coefficient times N^-1/4) or "kern" (N^-1/6)."""
    factor = _name("tube_condensation", "row_factor", row_factor)
    return _calculate(
        "tube-condensation", "tube_condensation", fields, fluid, saturated, data, row_factor=factor
    )


def wall_evaporation(*, fluid="water", preset=None, data=None, **fields):
    """Evaporation of a liquid film falling down a heated vertical wall.
    Fields: sat_temp, wall_temp, length, flow_rate and the coefficients.
    preset= as for wall_condensation."""
    preset = _name("wall_evaporation", "preset", preset)
    return _calculate(
        "wall-evaporation", "wall_evaporation", fields, fluid, False, data, preset=preset
    )


def property_file():
    """The property file the calculations read when no data= is given (found
    as dorix-calc finds it), or None."""
    return _dorix.property_file()


# The fields start from the window's defaults, or the preset's coefficients;
# the keywords replace them.
def _calculate(problem, function, fields, fluid, saturated, data, preset=None, row_factor=None):
    known = _dorix.field_names(problem)
    for name in fields:
        if name not in known:
            raise TypeError(f"{function}() got an unexpected keyword argument '{name}'")
    values = {name: _field_values(function, name, value) for name, value in fields.items()}
    fluids = _fluid_values(function, fluid)
    flags = _flag_values(function, saturated)
    arrays = [v for v in (*values.values(), fluids, flags) if isinstance(v, np.ndarray)]
    shape = np.broadcast_shapes(*(a.shape for a in arrays))

    def flat(value):
        return np.broadcast_to(value, shape).ravel() if isinstance(value, np.ndarray) else value

    if data is not None and not isinstance(data, str):
        data = str(data)  # a pathlib.Path
    batch = _dorix.Batch(
        problem,
        {name: flat(value) for name, value in values.items()},
        flat(fluids),
        flat(flags),
        data or "",
        math.prod(shape),
        preset,
        row_factor,
    )
    return Result(problem, batch, shape)


def _name(function, keyword, value):
    """A preset or row factor: one name (None: no preset)."""
    if (value is None and keyword == "preset") or isinstance(value, str):
        return value
    raise TypeError(f"{function}(): {keyword} takes a name, not {value!r}")


def _field_values(function, name, value):
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


def _fluid_values(function, fluid):
    if isinstance(fluid, str) or (
        isinstance(fluid, numbers.Integral) and not isinstance(fluid, (bool, np.bool_))
    ):
        return fluid if isinstance(fluid, str) else int(fluid)
    array = np.asarray(fluid)
    if array.dtype.kind in "iuUO":
        return array.astype(object)
    raise TypeError(f"{function}(): fluid takes a name or a number 1 to 6, not {fluid!r}")


def _flag_values(function, saturated):
    if isinstance(saturated, (bool, np.bool_)):
        return bool(saturated)
    array = np.asarray(saturated)
    if array.dtype.kind == "b":
        return array
    raise TypeError(f"{function}(): saturated takes True or False, not {saturated!r}")


def _objects(values, shape):
    array = np.empty(len(values), dtype=object)
    array[:] = values
    return array.reshape(shape)
