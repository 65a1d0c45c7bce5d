"""Shared helpers: the built dorix-calc, run as a script would run it."""

import json
import os
import subprocess

import pytest


def option_text(value):
    """The text dorix-calc gets for a keyword's value: texts as they are,
    numbers as their shortest round-trip text."""
    return value if isinstance(value, str) else repr(float(value))


def calc_args(problem, fields, fluid="water", saturated=False):
    args = [problem, "--format", "json", f"--fluid={fluid}"]
    args += [f"--{name.replace('_', '-')}={option_text(value)}" for name, value in fields.items()]
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
    """calc(problem, fields, fluid=..., saturated=...) runs dorix-calc."""
    return lambda problem, fields, **options: run_calc(calc_args(problem, fields, **options))
