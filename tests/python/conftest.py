# SPDX-License-Identifier: MIT
"""Shared helpers: the module's functions by problem name, and the built
dorix-calc, run as a script would run it."""

import os
import subprocess

import dorix

FUNCTIONS = {"wall-condensation": dorix.wall_condensation, "cvw": dorix.wall_condensation,
             "tube-condensation": dorix.tube_condensation, "ht": dorix.tube_condensation,
             "wall-evaporation": dorix.wall_evaporation, "evw": dorix.wall_evaporation}


def run_calc(args, **options):
    """The finished run of dorix-calc with these arguments."""
    return subprocess.run([os.environ["DORIX_CALC"], *args], capture_output=True, text=True,
                          check=False, **options)

