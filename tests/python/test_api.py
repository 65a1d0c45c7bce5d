# SPDX-License-Identifier: MIT
"""What a notebook sees of the package: keyword signatures with the windows'
defaults, documented fields, type hints, the version, DataFrames and reprs."""

import inspect
import io
import pathlib
import re
import subprocess
import sys

import numpy as np
import pandas
import pytest

import dorix
from conftest import FUNCTIONS, run_calc

CHOICES = {"fluid", "saturated", "preset", "row_factor", "vapor_density", "data"}


@pytest.mark.parametrize("function", [dorix.wall_condensation, dorix.tube_condensation,
                                      dorix.wall_evaporation])
def test_every_field_is_a_documented_keyword_with_the_window_default(function):
    default = function()
    parameters = inspect.signature(function).parameters
    assert all(p.kind is p.KEYWORD_ONLY for p in parameters.values())
    assert set(parameters) - CHOICES == set(default.inputs)
    for name in default.inputs:
        # A coefficient left None is the preset's; the others show the window's value.
        if parameters[name].default is not None:
            assert np.float32(parameters[name].default) == default.inputs[name], name
        assert re.search(rf"\b{name}\b", function.__doc__), name
    assert inspect.signature(function).return_annotation in ("Result", dorix.Result)


def test_version_and_type_marker_come_with_the_package():
    project = (pathlib.Path(__file__).parents[2] / "CMakeLists.txt").read_text()
    assert f"project(dorix VERSION {dorix.__version__} " in project
    assert (pathlib.Path(dorix.__file__).parent / "py.typed").is_file()


@pytest.mark.parametrize("problem, field, sweep", [
    ("wall-evaporation", "flow_rate", "0.1:1:3"),
    ("wall-condensation", "length", "-1:2:4"),
])
def test_to_frame_has_the_rows_and_columns_of_the_sweep_csv(problem, field, sweep):
    start, stop, count = (float(x) for x in sweep.split(":"))
    frame = FUNCTIONS[problem](**{field: np.linspace(start, stop, int(count))}).to_frame()
    done = run_calc([problem, f"--sweep={field.replace('_', '-')}={sweep}"])
    csv = pandas.read_csv(io.StringIO(done.stdout), keep_default_na=False, na_values=[""],
                          float_precision="round_trip")
    # The CSV names the preset of every row; the frame names it only where it varies.
    assert list(frame.columns) == [c for c in csv.columns if c not in ("preset", "row_factor")]
    for text in ("notes", "message"):
        assert list(frame[text]) == list(csv[text].fillna(""))
    numbers = [c for c in csv.columns if c not in ("dry_out", "message", "preset", "notes")]
    assert (frame[numbers].dtypes == np.float64).all()
    np.testing.assert_array_equal(frame[numbers].to_numpy(), csv[numbers].to_numpy())
    if "dry_out" in frame:
        assert frame["dry_out"].dtype == bool and list(frame["dry_out"]) == list(csv["dry_out"])


def test_single_and_varying_fluid_frames_and_reprs():
    one = dorix.tube_condensation(row_factor="kern")
    assert one.to_frame().shape == (1, 5 + 3 + 2)
    assert repr(one).startswith("<dorix.Result tube-condensation: water, kern\n")
    assert "heat_transfer_coefficient  = 3" in repr(one) and "W/m² K" in repr(one)
    many = dorix.wall_condensation(fluid=[["water"], ["ammonia"]], wall_temp=[300.0, 500.0])
    assert list(many.to_frame()["fluid"]) == ["water", "water", "ammonia", "ammonia"]
    assert repr(many) == "<dorix.Result wall-condensation, shape (2, 2), 3 refused>"


def test_notes_of_single_and_array_calls_in_reprs_and_frames():
    assert dorix.wall_condensation().notes == []
    one = dorix.wall_condensation(wall_temp=230)
    assert "wall-below-triple-point" in [note.code for note in one.notes]
    assert all(f"\n  note: {note.text}" in repr(one) for note in one.notes)
    many = dorix.wall_condensation(wall_temp=[[230.0, 300.0, 400.0]])  # the last refused
    assert many.notes.shape == (1, 3) and list(many.notes[0]) == [one.notes, [], []]
    assert repr(many).endswith(", 1 refused, 1 with notes>")
    frame = many.to_frame()
    assert list(frame["notes"]) == ["; ".join(note.text for note in one.notes), "", ""]


def test_to_frame_without_pandas_says_what_it_needs():
    script = "import sys, dorix; sys.modules['pandas'] = None; dorix.wall_condensation().to_frame()"
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True,
                          check=False)
    assert "ImportError: Result.to_frame() needs pandas" in done.stderr
