# SPDX-License-Identifier: MIT
"""A pint quantity converts to the field's SI unit before the single-precision
rounding. Texts with units are the core's (quantity_text_test) and reach the
module as they reach dorix-calc (test_command_line_agreement)."""

import os

import numpy as np
import pint
import pytest

import dorix
from conftest import run_calc

Q_ = pint.UnitRegistry().Quantity
W, T, E = dorix.wall_condensation, dorix.tube_condensation, dorix.wall_evaporation


def column(*values):
    """An object array of one column, made without NumPy looking into a quantity."""
    array = np.empty((len(values), 1), dtype=object)
    for row, value in enumerate(values):
        array[row, 0] = value
    return array


@pytest.mark.parametrize("function, field, value, si", [
    (W, "length", Q_(25, "mm"), 0.025),
    (W, "wall_temp", Q_(40, "degC"), 313.15),
    (T, "pressure", Q_(1.2, "bar"), 1.2e5),
    (T, "tubes", Q_(8, ""), 8.0),
    (E, "flow_rate", Q_(1800, "kg/(m*h)"), 0.5),
    (W, "length", Q_(np.array([25.0, 250.0]), "mm"), [0.025, 0.25]),
    (W, "length", [Q_(25, "mm"), Q_(0.25, "m")], [0.025, 0.25]),
    (W, "length", column(Q_(25, "mm"), 0.25), [[0.025], [0.25]]),
])
def test_a_quantity_gives_the_numbers_of_the_si_call(function, field, value, si):
    converted, plain = function(**{field: value}), function(**{field: np.asarray(si)})
    np.testing.assert_array_equal(converted.inputs[field], np.float32(si))
    assert converted.shape == plain.shape
    for name, values in plain.results.items():
        np.testing.assert_array_equal(converted.results[name], values)


@pytest.mark.parametrize("call, field", [
    (lambda: W(length=Q_(2, "kg")), "length"),
    (lambda: W(pressure=Q_(300, "K")), "pressure"),
    (lambda: T(tubes=Q_(5, "m")), "tubes"),
    (lambda: dorix.properties("water", Q_(1, "bar")), "temperature"),
])
def test_a_quantity_of_another_kind_is_a_type_error_naming_the_field(call, field):
    with pytest.raises(TypeError, match=f"{field} takes a quantity convertible to"):
        call()


def test_without_the_units_database_only_texts_with_units_are_refused():
    environment = {**os.environ, "UDUNITS2_XML_PATH": "/nowhere/udunits2.xml"}
    assert run_calc(["cvw", "--wall-temp=300"], env=environment).returncode == 0
    refused = run_calc(["cvw", "--wall-temp=40 degC"], env=environment)
    assert (refused.returncode, refused.stderr) == (1, (
        '*** ERROR: Wall temperature [K]: "degC" in "40 degC" cannot be read, the units '
        "database is missing; type the number in K.\n"))
