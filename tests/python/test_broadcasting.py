# SPDX-License-Identifier: MIT
"""Arrays broadcast as NumPy broadcasts them; each point is the single call
with that point's values, refused points are NaN with their message beside."""

import math

import numpy as np
import pytest

import dorix

W, T, E = dorix.wall_condensation, dorix.tube_condensation, dorix.wall_evaporation
H = "heat_transfer_coefficient"


def test_arrays_broadcast_to_one_shape_of_single_calls():
    wall, length = np.array([[290.0], [300.0], [310.0]]), [0.1, 1.0, 3.0, 10.0]
    result = W(wall_temp=wall, length=length, pressure="1 atm")
    assert result.shape == (3, 4)
    assert all(values.shape == (3, 4) for values in result.results.values())
    for (i, j), value in np.ndenumerate(result.results[H]):
        single = W(wall_temp=wall[i, 0], length=length[j], pressure="1 atm")
        assert value == single.results[H]
        assert result.properties["liquid_density"].at[i, j] == single.properties["liquid_density"].at
        assert result.inputs["wall_temp"][i, j] == single.inputs["wall_temp"]


@pytest.mark.parametrize("options", [
    {"fluid": ["water", "ammonia", 6]},
    {"saturated": [True, False, True]},
    {"vapor_temp": ["400", "130 degC", "750 degF"]},
], ids=["fluids", "saturated", "texts"])
def test_fluids_flags_and_texts_vary_too(options):
    wall = [300.0, 240.0, 270.0]
    result = T(wall_temp=wall, pressure=500000.0, **options)
    fluids = np.broadcast_to(result.fluid, result.shape)
    for i in range(3):
        try:
            single = T(wall_temp=wall[i], pressure=500000.0, **{n: v[i] for n, v in options.items()})
        except dorix.Refused as refused:
            assert result.messages[i] == refused.message
            continue
        assert (result.messages[i], fluids[i]) == ("", single.fluid)
        assert {name: values[i] for name, values in result.results.items()} == single.results


def test_refused_points_are_nan_with_their_message():
    result = W(length=np.array(["1.0", "abc", "-2", "2 kg"], dtype=object))
    assert list(result.messages) == [
        "",
        '*** ERROR: Length of wall [m] is not a number: "abc".',
        "*** ERROR: Length must be greater than zero.",
        '*** ERROR: Length of wall [m]: "kg" in "2 kg" is not a unit of length; use m, cm, mm, in or ft.',
    ]
    for values in result.results.values():
        assert not np.isnan(values[0]) and np.isnan(values[1:]).all()
    # A point keeps the inputs it read before it was refused, and no others.
    assert result.inputs["wall_temp"][1] == 300.0
    assert np.isnan(result.inputs["length"][1]) and np.isnan(result.inputs["A"][1])
    assert result.inputs["length"][2] == -2.0
    assert list(result.report) == [W().report, "", "", ""]


def test_a_film_that_dries_out_has_properties_and_nan_results_in_either_shape():
    result, single = E(flow_rate=[0.001, 1.0]), E(flow_rate=0.001)
    assert (list(result.dry_out), list(result.messages), single.dry_out) == ([True, False], ["", ""], True)
    assert np.isnan(result.results[H][0]) and all(math.isnan(v) for v in single.results.values())
    assert single.properties == {n: (v[0], at[0]) for n, (v, at) in result.properties.items()}


def test_the_preset_is_named_per_point_where_a_coefficient_varies_and_the_row_factor_is_one():
    varied = W(preset="kutateladze-labuntsov", A=np.array(["0.759", "0.8"], dtype=object),
               length=[1, 2])
    assert (list(varied.preset), varied.row_factor) == (["kutateladze-labuntsov", "custom"], None)
    kern = T(row_factor="kern", tubes=[1.0, 4.0])
    assert (kern.row_factor, kern.preset) == ("kern", None)
    assert kern.results[H][1] == T(row_factor="kern", tubes=4.0).results[H]


def test_shapes_broadcast_or_are_a_usage_error_and_empty_and_zero_dimensional_ones_keep():
    with pytest.raises(ValueError):
        W(wall_temp=[290.0, 300.0], length=[1.0, 2.0, 3.0])
    assert W(length=np.array([])).results["reynolds_number"].shape == (0,)
    zero_d = W(length=np.array(2.0))
    assert zero_d.shape == () and zero_d.results == W(length=2.0).results


def test_large_arrays_run_in_chunks_in_order():
    # More points than one chunk of the parallel engine.
    lengths = np.linspace(0.05, 5.0, 20001)
    result = W(length=lengths)
    assert not (result.messages != "").any()
    for i in (0, 8191, 8192, 16384, 20000):
        assert result.results["condensation_rate"][i] == W(length=lengths[i]).results["condensation_rate"]
