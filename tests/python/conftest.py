# SPDX-License-Identifier: MIT
"""Shared helpers: the module's functions by problem name, and the built
dorix-calc, run as a script would run it."""

import json
import os
import subprocess

import pytest

import dorix

FUNCTIONS = {"wall-condensation": dorix.wall_condensation, "cvw": dorix.wall_condensation,
             "tube-condensation": dorix.tube_condensation, "ht": dorix.tube_condensation,
             "wall-evaporation": dorix.wall_evaporation, "evw": dorix.wall_evaporation}


def run_calc(args, **options):
    """The finished run of dorix-calc with these arguments."""
    return subprocess.run([os.environ["DORIX_CALC"], *args], capture_output=True, text=True,
                          check=False, **options)


@pytest.fixture(name="calc")
def calc_fixture():
    """calc(problem, fields, fluid=..., saturated=..., preset=..., row_factor=...)
    gives dorix-calc's JSON as a dict, or the message of a refused run as a str."""
    def calc(problem, fields, fluid="water", saturated=False, **choices):
        args = [problem, "--format", "json", f"--fluid={fluid}"]
        # Texts as they are, numbers as their shortest round-trip text ("30"
        # for 30.0, as the module types it).
        for name, value in {**choices, **fields}.items():
            text = value if isinstance(value, str) else repr(float(value)).removesuffix(".0")
            args.append(f"--{name.replace('_', '-')}={text}")
        done = run_calc(args + (["--saturated"] if saturated else []))
        if done.returncode == 1:
            return done.stderr.rstrip("\n")
        assert done.returncode == 0, done.stderr
        return json.loads(done.stdout)
    return calc
