# SPDX-License-Identifier: MIT
"""The module gives dorix-calc's numbers bit for bit, and its messages and
notes word for word, under every preset, row factor and vapour-density
choice. An array call is the single calls point by point (test_broadcasting)."""

import random

import numpy as np
import pytest

import dorix

FUNCTIONS = {
    "wall-condensation": dorix.wall_condensation,
    "tube-condensation": dorix.tube_condensation,
    "wall-evaporation": dorix.wall_evaporation,
}
PRESETS = ["default", "kutateladze-labuntsov", "nusselt-laminar"]
ROW_FACTORS = ["nusselt", "kern"]
# Each problem under each published correlation it offers.
CORRELATIONS = [
    pytest.param(problem, {"preset": name}, id=f"{problem}-{name}")
    for problem in ("wall-condensation", "wall-evaporation")
    for name in PRESETS
] + [
    pytest.param("tube-condensation", {"row_factor": name}, id=f"tube-condensation-{name}")
    for name in ROW_FACTORS
] + [
    pytest.param(problem, {"vapor_density": "included"}, id=f"{problem}-vapor-density")
    for problem in FUNCTIONS
]

# Per fluid: pressure [Pa], vapour temperature [K] and wall temperature [K]
# around which the condensation cases are drawn; some fall outside what the
# calculations accept and are refused.
CONDENSING = {
    "water": ((2e4, 1e6), (350, 600), (280, 375)),
    "ammonia": ((5e4, 5e5), (250, 330), (200, 260)),
    "r134a": ((1e5, 1e6), (300, 400), (240, 300)),
}
# Per fluid: saturation temperature [K] and wall superheat [K] of the
# evaporation cases.
EVAPORATING = {"water": ((280, 370), (-2, 30)), "ammonia": ((220, 260), (1, 20))}


def number(rng, low, high):
    """A full-precision double, or one with few decimals as people type them."""
    value = rng.uniform(low, high)
    return value if rng.random() < 0.5 else round(value, rng.randint(0, 4))


def condensation_case(rng, problem):
    fluid = rng.choice(sorted(CONDENSING))
    pressures, vapor, wall = CONDENSING[fluid]
    fields = {
        "pressure": number(rng, *pressures),
        "vapor_temp": number(rng, *vapor),
        "wall_temp": number(rng, *wall),
    }
    if problem == "wall-condensation":
        fields["length"] = number(rng, 0.01, 10)
        fields["A"] = number(rng, 0.5, 1.2)
    else:
        fields["tube_diameter"] = number(rng, 0.005, 0.2)
        fields["tubes"] = float(rng.randint(0, 20))
    if rng.random() < 0.3:
        fields["wall_temp"] = f"{fields['wall_temp'] - 273.15:.2f} degC"
    if rng.random() < 0.3:
        fields["pressure"] = f"{fields['pressure'] / 1e5:.4g} bar"
    return fluid, fields, rng.random() < 0.3


def evaporation_case(rng):
    fluid = rng.choice(sorted(EVAPORATING))
    saturation, superheat = EVAPORATING[fluid]
    sat_temp = number(rng, *saturation)
    fields = {
        "sat_temp": sat_temp,
        "wall_temp": sat_temp + number(rng, *superheat),
        "length": number(rng, 0.1, 5),
        "flow_rate": 10 ** rng.uniform(-3.5, 0.3),
    }
    if rng.random() < 0.3:
        fields["length"] = f"{fields['length'] * 1000:.1f} mm"
    return fluid, fields, False


def cases(problem, count=12):
    rng = random.Random(f"dorix-{problem}")
    if problem == "wall-evaporation":
        return [evaporation_case(rng) for _ in range(count)]
    return [condensation_case(rng, problem) for _ in range(count)]


def single_call(problem, fluid, fields, saturated, **choices):
    options = {"saturated": saturated} if problem != "wall-evaporation" else {}
    try:
        return FUNCTIONS[problem](fluid=fluid, **fields, **options, **choices)
    except dorix.Refused as refused:
        return str(refused)


def assert_same_record(result, expected):
    assert result.fluid == expected["fluid"]
    assert result.preset == expected.get("preset")
    assert result.row_factor == expected.get("row_factor")
    assert result.vapor_density == expected["vapor_density"]
    assert result.inputs == expected["inputs"]
    assert {name: list(p) for name, p in result.properties.items()} == {
        name: [p["value"], p["at"]] for name, p in expected["properties"].items()
    }
    # A film that dries out has NaN results where the JSON has none.
    assert {n: v for n, v in result.results.items() if not np.isnan(v)} == expected["results"]
    assert result.dry_out == expected.get("dry_out", False)
    assert result.notes == notes(expected)


def notes(expected):
    return [(note["code"], note["text"]) for note in expected["notes"]]


# The plain call of each problem, then each under every choice it offers.
CHOICES = [pytest.param(problem, {}, id=problem) for problem in FUNCTIONS] + CORRELATIONS


@pytest.mark.parametrize("problem, choice", CHOICES)
def test_single_calls_match_the_command_line(problem, choice, calc):
    outcomes = set()
    for fluid, fields, saturated in cases(problem, count=8 if choice else 12):
        if choice:
            fields.pop("A", None)  # all nine coefficients the preset's
        expected = calc(problem, fields, fluid=fluid, saturated=saturated, **choice)
        result = single_call(problem, fluid, fields, saturated, **choice)
        if isinstance(expected, str):
            assert result == expected
            outcomes.add("refused")
        else:
            assert not isinstance(result, str), result
            assert_same_record(result, expected)
            outcomes.add("dry out" if result.dry_out else "report")
    # The draw reaches reports, and for the plain calls both sides of the checks.
    assert "report" in outcomes
    assert choice or "refused" in outcomes


# A preset, coefficient keywords given with it, and the name of the preset
# whose texts the coefficients then are, or "custom".
OVERRIDES = [
    ("kutateladze-labuntsov", {"A": 0.9}, "custom"),
    ("kutateladze-labuntsov", {"A": 0.759, "D": "1600"}, "kutateladze-labuntsov"),
    (None, {"C": "1E+30", "v": "0", "D": "1E+30", "w": "0"}, "nusselt-laminar"),
]


@pytest.mark.parametrize("problem", ["wall-condensation", "wall-evaporation"])
@pytest.mark.parametrize("preset, coefficients, name", OVERRIDES)
def test_coefficient_keywords_override_the_preset_texts(
    problem, preset, coefficients, name
):
    choice = {} if preset is None else {"preset": preset}
    result = FUNCTIONS[problem](**coefficients, **choice)
    assert result.preset == name
    base = FUNCTIONS[problem](**choice).inputs
    for field, value in result.inputs.items():
        given = coefficients.get(field)
        expected = base[field] if given is None else float(np.float32(float(given)))
        assert value == expected, field

