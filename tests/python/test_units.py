# SPDX-License-Identifier: MIT
"""Texts with units convert to the field's SI unit before the single-precision
rounding, in the module as in dorix-calc. The conversions themselves are the
core's (quantity_text_test); a few rows show each kind reaches the module."""

import os
import subprocess

import numpy as np
import pytest

import dorix


def single(value):
    return float(np.float32(value))


@pytest.mark.parametrize(
    "function, field, text, si",
    [
        (dorix.wall_condensation, "wall_temp", "40 degC", 40 + 273.15),
        (dorix.tube_condensation, "pressure", "14.7 psi", 14.7 * 6894.757293168361),
        (dorix.wall_evaporation, "flow_rate", "3600 kg/m h", 1.0),
    ],
)
def test_a_text_with_a_unit_is_the_si_number(function, field, text, si, calc):
    with_unit = function(**{field: text})
    assert with_unit.inputs[field] == single(si)
    assert with_unit.results == function(**{field: single(si)}).results
    # dorix-calc accepts the same text and gives the same numbers.
    problem = with_unit.problem
    assert calc(problem, {field: text})["results"] == with_unit.results


def test_an_unknown_unit_is_refused_naming_field_and_unit(calc):
    message = ('*** ERROR: Pressure [Pa]: "barr" in "1 barr" is not a known unit; '
               "use Pa, kPa, MPa, bar, mbar, atm or psi.")
    with pytest.raises(dorix.Refused) as caught:
        dorix.wall_condensation(pressure="1 barr")
    assert caught.value.message == message
    assert calc("wall-condensation", {"pressure": "1 barr"}) == message


def test_without_the_units_database_only_texts_with_units_are_refused():
    def run(wall_temp):
        return subprocess.run(
            [os.environ["DORIX_CALC"], "cvw", f"--wall-temp={wall_temp}"],
            env={**os.environ, "UDUNITS2_XML_PATH": "/nowhere/udunits2.xml"},
            capture_output=True,
            text=True,
            check=False,
        )

    assert run("300").returncode == 0
    refused = run("40 degC")
    assert refused.returncode == 1
    assert refused.stderr == (
        '*** ERROR: Wall temperature [K]: "degC" in "40 degC" cannot be read, the units '
        "database is missing; type the number in K.\n"
    )
