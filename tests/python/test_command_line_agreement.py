# SPDX-License-Identifier: MIT
"""The module gives dorix-calc's numbers bit for bit, its messages and notes
word for word and its reports line for line, under every preset, row factor
and vapour-density choice. An array call is the single calls point by point
(test_broadcasting)."""

import json
import os
import pathlib
import shlex

import numpy as np
import pytest

import dorix
from conftest import FUNCTIONS, run_calc

# One case a row: problem, fluid, fields, saturated, and the choices given;
# together they reach reports, notes, a dry film, refusals, texts with units
# and every choice.
CASES = [
    ("wall-condensation", "water", {"wall_temp": "40 degC", "length": 2.5}, False, {}),
    ("wall-condensation", "ammonia", {"vapor_temp": 280, "wall_temp": 230}, True, {}),
    ("wall-condensation", "water", {"pressure": 2e4, "wall_temp": 375}, True, {}),
    ("wall-condensation", "water", {"wall_temp": 230}, False, {}),
    ("wall-condensation", "water", {"pressure": "1 barr"}, False, {}),
    ("wall-condensation", "r134a", {"pressure": 1e6, "vapor_temp": 390, "wall_temp": 270}, False, {"preset": "kutateladze-labuntsov"}),
    ("wall-condensation", "water", {"length": 0.01}, False, {"preset": "nusselt-laminar"}),
    ("wall-condensation", "water", {"pressure": "1 bar"}, False, {"vapor_density": "included"}),
    # Coefficients given with a preset win; texts that are a preset's name it.
    ("wall-condensation", "water", {"A": 0.9}, False, {"preset": "kutateladze-labuntsov"}),
    ("wall-condensation", "water", {"C": "1E+30", "v": "0", "D": "1E+30", "w": "0"}, False, {}),
    ("wall-evaporation", "water", {"A": 0.759, "D": "1600"}, False, {"preset": "kutateladze-labuntsov"}),
    ("tube-condensation", "water", {"tubes": 12.0, "tube_diameter": 0.0123}, False, {}),
    ("tube-condensation", "water", {"pressure": "14.7 psi"}, False, {}),
    ("tube-condensation", "ammonia", {"pressure": 5e4, "vapor_temp": 330, "wall_temp": 350}, False, {}),
    ("tube-condensation", "water", {"tubes": 7.0}, True, {"row_factor": "kern"}),
    ("tube-condensation", "r134a", {"pressure": 5e5, "wall_temp": 250}, False, {"vapor_density": "included"}),
    ("wall-evaporation", "water", {"flow_rate": 0.001}, False, {}),
    ("wall-evaporation", "water", {"flow_rate": "3600 kg/m h"}, False, {}),
    ("wall-evaporation", "ammonia", {"sat_temp": 240, "wall_temp": 255.123456789}, False, {"preset": "kutateladze-labuntsov"}),
    ("wall-evaporation", "water", {"length": "250 mm", "flow_rate": 0.3}, False, {"preset": "nusselt-laminar"}),
    ("wall-evaporation", "water", {"sat_temp": 300, "wall_temp": 290}, False, {"vapor_density": "included"}),
]


@pytest.mark.parametrize("problem, fluid, fields, saturated, choice", CASES)
def test_single_calls_match_the_command_line(problem, fluid, fields, saturated, choice):
    args = [problem, "--format=json", f"--fluid={fluid}"] + (["--saturated"] if saturated else [])
    # Texts as they are, numbers as their shortest round-trip text ("30" for
    # 30.0, as the module types it).
    for name, value in {**choice, **fields}.items():
        text = value if isinstance(value, str) else repr(float(value)).removesuffix(".0")
        args.append(f"--{name.replace('_', '-')}={text}")
    done = run_calc(args)
    options = {"saturated": saturated} if problem != "wall-evaporation" else {}
    try:
        result = FUNCTIONS[problem](fluid=fluid, **fields, **options, **choice)
    except dorix.Refused as refused:
        assert (done.returncode, done.stderr) == (1, f"{refused}\n")
        return
    assert done.returncode == 0, done.stderr
    expected = json.loads(done.stdout)
    assert (result.fluid, result.preset, result.row_factor, result.vapor_density) == (
        expected["fluid"], expected.get("preset"), expected.get("row_factor"),
        expected["vapor_density"])
    assert result.inputs == expected["inputs"]
    assert {name: list(p) for name, p in result.properties.items()} == {
        name: [p["value"], p["at"]] for name, p in expected["properties"].items()}
    # A film that dries out has NaN results where the JSON has none.
    assert {n: v for n, v in result.results.items() if not np.isnan(v)} == expected["results"]
    assert result.dry_out == expected.get("dry_out", False)
    assert result.notes == [(note["code"], note["text"]) for note in expected["notes"]]


GOLDEN = pathlib.Path(os.environ["DORIX_GOLDEN"])
GOLDEN_CASES = [line.split(":", 1) for line in (GOLDEN / "cases.txt").read_text().splitlines()
                if line and not line.startswith("#")]


@pytest.mark.parametrize("name, arguments", GOLDEN_CASES, ids=[c[0] for c in GOLDEN_CASES])
def test_the_report_is_the_golden_report_of_dorix_calc(name, arguments):
    problem, *options = shlex.split(arguments)
    keywords = {}
    while options:
        option = options.pop(0)[2:].replace("-", "_")
        keywords[option] = True if option == "saturated" else options.pop(0)
    report = FUNCTIONS[problem](**keywords).report
    assert report == (GOLDEN / f"{name}.txt").read_text(encoding="utf-8")
