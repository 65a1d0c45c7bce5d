# SPDX-License-Identifier: MIT
"""The module gives dorix-calc's numbers bit for bit, and its messages and
notes word for word, under every preset, row factor and vapour-density
choice. An array call is the single calls point by point (test_broadcasting)."""

import numpy as np
import pytest

import dorix

FUNCTIONS = {
    "wall-condensation": dorix.wall_condensation,
    "tube-condensation": dorix.tube_condensation,
    "wall-evaporation": dorix.wall_evaporation,
}
# One case a row: problem, fluid, fields, saturated, and the choices given;
# together they reach reports, notes, a dry film, refusals and every choice.
CASES = [
    ("wall-condensation", "water", {"wall_temp": "40 degC", "length": 2.5}, False, {}),
    ("wall-condensation", "ammonia", {"vapor_temp": 280, "wall_temp": 230}, True, {}),
    ("wall-condensation", "water", {"pressure": 2e4, "wall_temp": 375}, True, {}),
    ("wall-condensation", "water", {"wall_temp": 230}, False, {}),
    ("wall-condensation", "r134a", {"pressure": 1e6, "vapor_temp": 390, "wall_temp": 270}, False,
     {"preset": "kutateladze-labuntsov"}),
    ("wall-condensation", "water", {"length": 0.01}, False, {"preset": "nusselt-laminar"}),
    ("wall-condensation", "water", {"pressure": "1 bar"}, False, {"vapor_density": "included"}),
    ("tube-condensation", "water", {"tubes": 12.0, "tube_diameter": 0.0123}, False, {}),
    ("tube-condensation", "ammonia", {"pressure": 5e4, "vapor_temp": 330, "wall_temp": 350}, False, {}),
    ("tube-condensation", "water", {"tubes": 7.0}, True, {"row_factor": "kern"}),
    ("tube-condensation", "r134a", {"pressure": 5e5, "wall_temp": 250}, False,
     {"vapor_density": "included"}),
    ("wall-evaporation", "water", {"flow_rate": 0.001}, False, {}),
    ("wall-evaporation", "ammonia", {"sat_temp": 240, "wall_temp": 255.123456789}, False,
     {"preset": "kutateladze-labuntsov"}),
    ("wall-evaporation", "water", {"length": "250 mm", "flow_rate": 0.3}, False,
     {"preset": "nusselt-laminar"}),
    ("wall-evaporation", "water", {"sat_temp": 300, "wall_temp": 290}, False,
     {"vapor_density": "included"}),
]


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


@pytest.mark.parametrize("problem, fluid, fields, saturated, choice", CASES,
                         ids=[f"{case[0]}-{case[1]}-{i}" for i, case in enumerate(CASES)])
def test_single_calls_match_the_command_line(problem, fluid, fields, saturated, choice, calc):
    expected = calc(problem, fields, fluid=fluid, saturated=saturated, **choice)
    result = single_call(problem, fluid, fields, saturated, **choice)
    if isinstance(expected, str):
        assert result == expected
    else:
        assert not isinstance(result, str), result
        assert_same_record(result, expected)


def test_the_cases_reach_notes_dry_films_and_refusals(calc):
    outcomes = [calc(problem, fields, fluid=fluid, saturated=saturated, **choice)
                for problem, fluid, fields, saturated, choice in CASES]
    assert any(isinstance(outcome, str) for outcome in outcomes)
    records = [outcome for outcome in outcomes if isinstance(outcome, dict)]
    assert any(record.get("dry_out") for record in records)
    assert any(record["notes"] for record in records)


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

