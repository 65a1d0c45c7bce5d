#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times the Python module: a single call of each problem (the per-call
cost a loop in a notebook pays), then 100 000 points of each problem in one
call, on all cores. Prints the best of several runs; for the large calls
also the process's CPU time.

    PYTHONPATH=build/default/python /usr/bin/python3 bench/python_calls.py
"""

import os
import time
import timeit

import numpy as np

import dorix

POINTS = 100_000
RUNS = 7
SINGLE_CALLS = 20_000

SINGLE = {
    "wall_condensation ()": (dorix.wall_condensation, {}),
    "wall_condensation (wall_temp=310.0)": (dorix.wall_condensation, {"wall_temp": 310.0}),
    "tube_condensation (wall_temp=\"40 degC\")": (dorix.tube_condensation,
                                                  {"wall_temp": "40 degC"}),
    "wall_evaporation (fluid=\"ammonia\", ...)": (
        dorix.wall_evaporation, {"fluid": "ammonia", "sat_temp": 240.0, "wall_temp": 250.0}),
}

VECTORISED = {
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


def single_call_time(function, fields):
    function(**fields)  # loads the property file and the units database
    runs = timeit.repeat(lambda: function(**fields), number=SINGLE_CALLS, repeat=RUNS)
    return min(runs) / SINGLE_CALLS


def best_of(function, fields):
    function(**fields)
    wall, cpu = float("inf"), float("inf")
    for _ in range(RUNS):
        start, start_cpu = time.perf_counter(), time.process_time()
        function(**fields)
        wall = min(wall, time.perf_counter() - start)
        cpu = min(cpu, time.process_time() - start_cpu)
    return wall, cpu


def main():
    print(f"single calls, best of {RUNS} runs of {SINGLE_CALLS}")
    for name, (function, fields) in SINGLE.items():
        print(f"{name:45s} {single_call_time(function, fields) * 1e6:6.2f} µs per call")
    print(f"{POINTS} points per call, {os.cpu_count()} cores, best of {RUNS}")
    for name, (function, fields) in VECTORISED.items():
        wall, cpu = best_of(function, fields)
        print(f"{name:45s} {wall:6.3f} s wall {cpu:6.3f} s CPU")


if __name__ == "__main__":
    main()
