# SPDX-License-Identifier: MIT
"""Shared helpers: the built dorix-calc, run as a script would run it."""

import json
import os
import subprocess

import pytest


def option_text(value):
    """The text dorix-calc gets for a keyword's value: texts as they are,
    numbers as their shortest round-trip text ("30" for 30.0, as the module
    types it)."""
    if isinstance(value, str):
        return value
    text = repr(float(value))
    return text.removesuffix(".0")


def calc_args(problem, fields, fluid="water", saturated=False, **choices):
    """dorix-calc's arguments for the fields and the choices (preset=,
    row_factor=) given as keywords."""
    args = [problem, "--format", "json", f"--fluid={fluid}"]
    for name, value in {**choices, **fields}.items():
        args.append(f"--{name.replace('_', '-')}={option_text(value)}")
    return args + (["--saturated"] if saturated else [])


def run_calc(args):
    """dorix-calc's JSON as a dict, or the message of a refused run as a str."""
    done = subprocess.run(
        [os.environ["DORIX_CALC"], *args], capture_output=True, text=True, check=False
    )
    if done.returncode == 1:
        return done.stderr.rstrip("\n")
    assert done.returncode == 0, done.stderr
    return json.loads(done.stdout)


@pytest.fixture(name="calc")
def calc_fixture():
    """calc(problem, fields, fluid=..., saturated=..., preset=..., row_factor=...)
    runs dorix-calc."""
    return lambda problem, fields, **options: run_calc(calc_args(problem, fields, **options))
