# SPDX-License-Identifier: MIT
"""properties() and saturation_temperature() give the report's property
values bit for bit at the report's temperatures and pressure."""

import math

import numpy as np
import pytest

import dorix

CALLS = [
    lambda: dorix.wall_condensation(fluid="water", wall_temp="25 degC"),
    lambda: dorix.tube_condensation(fluid="ammonia", pressure="5 bar", saturated=True,
                                    wall_temp=260.0),
    lambda: dorix.wall_condensation(fluid="mercury", pressure=1e5, vapor_temp=650.0,
                                    wall_temp=600.0),
    lambda: dorix.wall_evaporation(fluid="r134a", sat_temp=250.0, wall_temp=255.0),
    lambda: dorix.tube_condensation(fluid="r134a", pressure="10 bar", saturated=True,
                                    wall_temp=300.0, vapor_density="included"),
]


@pytest.mark.parametrize("call", CALLS)
def test_the_lookups_give_the_report_values(call):
    result = call()
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
    with pytest.raises(ValueError, match="unknown fluid 'argon'"):
        dorix.properties("argon", 300.0)


# Included, the vapour density enters the laminar film as ρl(ρl − ρv) where
# it had ρl², so h scales by (1 − ρv/ρl)^(1/4) exactly.
@pytest.mark.parametrize(
    "function, fields",
    [
        (dorix.wall_condensation, {"preset": "nusselt-laminar", "fluid": "r134a"}),
        (dorix.tube_condensation, {"fluid": "r134a"}),
    ],
)
def test_the_included_vapor_density_scales_the_laminar_h(function, fields):
    near_critical = {"pressure": "39 bar", "saturated": True, "wall_temp": 350.0}
    neglected = function(**fields, **near_critical)
    included = function(**fields, **near_critical, vapor_density="included")
    ratio = (included.results["heat_transfer_coefficient"]
             / neglected.results["heat_transfer_coefficient"])
    rho_v = included.properties["saturated_vapor_density"].value
    rho_l = included.properties["liquid_density"].value
    assert ratio == pytest.approx((1 - rho_v / rho_l) ** 0.25, rel=1e-6)
    assert (neglected.vapor_density, included.vapor_density) == ("neglected", "included")
