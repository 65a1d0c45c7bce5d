#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times a vectorised call of the Python module: 100 000 points of each
problem in one call, on all cores. Prints the best of several runs, wall
clock and the process's CPU time.

    PYTHONPATH=build/default/python /usr/bin/python3 bench/python_sweep.py
"""

import os
import time

import numpy as np

import dorix

POINTS = 100_000
RUNS = 7

CALLS = {
    "wall_condensation (wall_temp)": (dorix.wall_condensation,
                                      {"wall_temp": np.linspace(280.0, 370.0, POINTS)}),
    "tube_condensation (pressure)": (dorix.tube_condensation,
                                     {"pressure": np.geomspace(2e4, 1e6, POINTS)}),
    "wall_evaporation (flow_rate)": (dorix.wall_evaporation,
                                     {"flow_rate": np.geomspace(0.01, 2.0, POINTS)}),
    "wall_condensation (texts with units)": (
        dorix.wall_condensation,
        {"wall_temp": np.array([f"{t:.3f} degC" for t in np.linspace(7, 97, POINTS)])}),
}


def best_of(function, fields):
    function(**fields)  # loads the property file and the units database
    wall, cpu = float("inf"), float("inf")
    for _ in range(RUNS):
        start, start_cpu = time.perf_counter(), time.process_time()
        function(**fields)
        wall = min(wall, time.perf_counter() - start)
        cpu = min(cpu, time.process_time() - start_cpu)
    return wall, cpu


def main():
    print(f"{POINTS} points per call, {os.cpu_count()} cores, best of {RUNS}")
    for name, (function, fields) in CALLS.items():
        wall, cpu = best_of(function, fields)
        print(f"{name:40s} {wall:6.3f} s wall {cpu:6.3f} s CPU")


if __name__ == "__main__":
    main()
