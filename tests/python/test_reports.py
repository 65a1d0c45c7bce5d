# SPDX-License-Identifier: MIT
"""Each golden report, made by dorix-calc, is the module's report for the
same arguments. Under the presets and row factors the module's records are
dorix-calc's (test_command_line_agreement)."""

import os
import pathlib
import shlex

import pytest

import dorix

GOLDEN = pathlib.Path(os.environ["DORIX_GOLDEN"])
FUNCTIONS = {
    "cvw": dorix.wall_condensation,
    "ht": dorix.tube_condensation,
    "evw": dorix.wall_evaporation,
}


def golden_cases():
    for line in (GOLDEN / "cases.txt").read_text().splitlines():
        if line and not line.startswith("#"):
            name, arguments = line.split(":", 1)
            yield pytest.param(name, shlex.split(arguments), id=name)


def keywords(options):
    """dorix-calc options as keyword arguments."""
    found = {}
    while options:
        option = options.pop(0)[2:].replace("-", "_")
        found[option] = True if option == "saturated" else options.pop(0)
    return found


@pytest.mark.parametrize("name, arguments", golden_cases())
def test_the_report_is_the_golden_report(name, arguments):
    function = FUNCTIONS[arguments[0]]
    report = function(**keywords(arguments[1:])).report
    assert report == (GOLDEN / f"{name}.txt").read_text(encoding="utf-8")

