# SPDX-License-Identifier: MIT
"""properties() and saturation_temperature() give the report's property
values bit for bit at the report's temperatures and pressure."""

import math

import numpy as np
import pytest

import dorix

W, T, E = dorix.wall_condensation, dorix.tube_condensation, dorix.wall_evaporation


@pytest.mark.parametrize("call, keywords", [
    (W, {"fluid": "water", "wall_temp": "25 degC"}),
    (T, {"fluid": "ammonia", "pressure": "5 bar", "saturated": True, "wall_temp": 260.0}),
    (W, {"fluid": "mercury", "pressure": 1e5, "vapor_temp": 650.0, "wall_temp": 600.0}),
    (E, {"fluid": "r134a", "sat_temp": 250.0, "wall_temp": 255.0}),
    (T, {"fluid": "r134a", "pressure": "10 bar", "saturated": True, "wall_temp": 300.0, "vapor_density": "included"}),
])
def test_the_lookups_give_the_report_values(call, keywords):
    result = call(**keywords)
    for name, (value, at) in result.properties.items():
        if name == "saturation_temperature":
            assert dorix.saturation_temperature(result.fluid, at) == value
        else:
            assert dorix.properties(result.fluid, at)[name] == value, name
    # Arrays look up each point alike.
    ats = np.array([[at] * 2 for _, at in result.properties.values()])
    looked_up = dorix.properties(result.fluid, ats)
    assert looked_up["liquid_density"].shape == ats.shape
    assert (looked_up["liquid_density"][1] == result.properties["liquid_density"].value).all()


def test_units_and_ranges():
    assert dorix.properties("water", "40 degC") == dorix.properties(1, float(np.float32(313.15)))
    assert dorix.saturation_temperature("water", "1 atm") == pytest.approx(373.1, abs=0.1)
    beyond = dorix.properties("water", [300.0, 5000.0])
    for name in ("liquid_density", "saturated_vapor_density"):
        assert not math.isnan(beyond[name][0]) and math.isnan(beyond[name][1])
    with pytest.raises(dorix.Refused) as caught:
        dorix.properties("water", 5000.0)
    assert (caught.value.field, caught.value.value) == ("temperature", 5000.0)
    assert math.isnan(dorix.saturation_temperature("water", [1.0])[0])
