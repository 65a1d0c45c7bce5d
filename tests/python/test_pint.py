# SPDX-License-Identifier: MIT
"""A pint Quantity is converted through its units to the field's unit, never
stripped of them; a quantity of the wrong kind is a TypeError naming the field."""

import numpy as np
import pint
import pytest

import dorix

Q_ = pint.UnitRegistry().Quantity


def column(*values):
    """An object array of one column, made without NumPy looking into a quantity."""
    array = np.empty((len(values), 1), dtype=object)
    for row, value in enumerate(values):
        array[row, 0] = value
    return array


@pytest.mark.parametrize(
    "function, field, quantity, si",
    [
        (dorix.wall_condensation, "length", Q_(25, "mm"), 0.025),
        (dorix.wall_condensation, "wall_temp", Q_(40, "degC"), 313.15),
        (dorix.tube_condensation, "pressure", Q_(1.2, "bar"), 1.2e5),
        (dorix.tube_condensation, "tubes", Q_(8, ""), 8.0),
        (dorix.wall_evaporation, "flow_rate", Q_(1800, "kg/(m*h)"), 0.5),
        (dorix.wall_condensation, "length", Q_(np.array([25.0, 250.0]), "mm"), [0.025, 0.25]),
        (dorix.wall_condensation, "length", [Q_(25, "mm"), Q_(0.25, "m")], [0.025, 0.25]),
        (dorix.wall_condensation, "length", column(Q_(25, "mm"), 0.25), [[0.025], [0.25]]),
    ],
)
def test_a_quantity_gives_the_numbers_of_the_si_call(function, field, quantity, si):
    converted, plain = function(**{field: quantity}), function(**{field: np.asarray(si)})
    assert converted.shape == plain.shape
    for name, values in plain.results.items():
        np.testing.assert_array_equal(converted.results[name], values)


@pytest.mark.parametrize(
    "call, field",
    [
        (lambda: dorix.wall_condensation(length=Q_(2, "kg")), "length"),
        (lambda: dorix.wall_condensation(pressure=Q_(300, "K")), "pressure"),
        (lambda: dorix.tube_condensation(tubes=Q_(5, "m")), "tubes"),
        (lambda: dorix.properties("water", Q_(1, "bar")), "temperature"),
    ],
)
def test_a_quantity_of_another_kind_is_a_type_error_naming_the_field(call, field):
    with pytest.raises(TypeError, match=f"{field} takes a quantity convertible to"):
        call()
