# SPDX-License-Identifier: MIT
"""A refused run raises Refused with the window's message; a call the
module cannot make raises TypeError, ValueError or OSError. Either way the
module stays usable."""

import pathlib

import numpy as np
import pytest

import dorix


@pytest.mark.parametrize(
    "call, message, field, value",
    [
        (lambda: dorix.wall_condensation(vapor_temp=350, wall_temp=360),
         "*** ERROR: Vapor temp. should be higher than Wall temp.", None, None),
        (lambda: dorix.wall_condensation(length="-2 m"),
         "*** ERROR: Length must be greater than zero.", "length", "-2 m"),
        (lambda: dorix.tube_condensation(pressure=1.0, saturated=True),
         "*** ERROR: Given pressure is out of range.", "pressure", 1.0),
        (lambda: dorix.wall_evaporation(sat_temp=-10, wall_temp=np.float32(-5)),
         "*** ERROR: Wall Temp. should be higher than zero.", "wall_temp", -5),
        (lambda: dorix.saturation_temperature("water", "1 Pa"),
         "*** ERROR: Given pressure is out of range.", "pressure", "1 Pa"),
    ],
)
def test_a_refused_run_raises_a_value_error_with_the_window_message(call, message, field, value):
    with pytest.raises(ValueError) as caught:
        call()
    assert isinstance(caught.value, dorix.Refused)
    assert (str(caught.value), caught.value.message) == (message, message)
    assert (caught.value.field, caught.value.value) == (field, value)


@pytest.mark.parametrize(
    "call, error, text",
    [
        (lambda: dorix.wall_condensation(tubes=5), TypeError, "unexpected keyword argument 'tubes'"),
        (lambda: dorix.wall_evaporation(saturated=True), TypeError, "'saturated'"),
        (lambda: dorix.wall_condensation(300.0), TypeError, "positional"),
        (lambda: dorix.wall_condensation(length=True), TypeError, "not a bool"),
        (lambda: dorix.wall_condensation(length=1j), TypeError, "complex"),
        (lambda: dorix.wall_condensation(length=None), TypeError, "NoneType"),
        (lambda: dorix.wall_condensation(length=[1.0, None]), TypeError, "NoneType"),
        (lambda: dorix.wall_condensation(length=np.array([True])), TypeError, "bool"),
        (lambda: dorix.wall_condensation(saturated="yes"), TypeError, "saturated"),
        (lambda: dorix.wall_condensation(fluid=1.5), TypeError, "fluid"),
        (lambda: dorix.wall_condensation(fluid=True), TypeError, "fluid"),
        (lambda: dorix.wall_condensation(fluid="argon"), ValueError, "unknown fluid 'argon'"),
        (lambda: dorix.wall_condensation(fluid=[1, 13]), ValueError, "unknown fluid 13"),
        (lambda: dorix.wall_condensation(data="/nowhere/BoilProp.dat"), OSError, "/nowhere"),
        (
            lambda: dorix.wall_condensation(preset="chun-seban"),
            ValueError,
            "unknown preset 'chun-seban': use default, kutateladze-labuntsov or nusselt-laminar",
        ),
        (lambda: dorix.wall_evaporation(preset=""), ValueError, "unknown preset '': use default"),
        (lambda: dorix.wall_evaporation(preset=["default"]), TypeError, "preset takes a name"),
        (
            lambda: dorix.tube_condensation(row_factor="Kern"),
            ValueError,
            "unknown row factor 'Kern': use nusselt or kern",
        ),
        (lambda: dorix.tube_condensation(row_factor=None), TypeError, "row_factor takes a name"),
        (
            lambda: dorix.wall_condensation(vapor_density="Included"),
            ValueError,
            "unknown vapor density 'Included': use neglected or included",
        ),
        (lambda: dorix.tube_condensation(tubes=[1, 2], vapor_density=""), ValueError, "density ''"),
        (lambda: dorix.wall_evaporation(vapor_density=True), TypeError, "vapor_density takes"),
        (lambda: dorix.tube_condensation(preset="default"), TypeError, "argument 'preset'"),
        (lambda: dorix.wall_condensation(row_factor="kern"), TypeError, "argument 'row_factor'"),
    ],
    ids=lambda value: value if isinstance(value, str) else None,
)
def test_usage_errors_name_what_is_wrong_and_leave_the_module_usable(call, error, text):
    with pytest.raises(error, match=text.replace("(", r"\(")):
        call()
    assert dorix.wall_condensation().results["reynolds_number"] > 0


def test_a_property_file_that_is_no_property_file_is_an_os_error(tmp_path):
    broken = tmp_path / "BoilProp.dat"
    broken.write_text("not a property file\n")
    with pytest.raises(OSError, match="BoilProp.dat"):
        dorix.wall_condensation(data=broken)


def test_the_property_file_given_gives_the_numbers_of_the_one_found(tmp_path):
    copy = tmp_path / "copy.dat"
    copy.write_bytes(pathlib.Path(dorix.property_file()).read_bytes())
    assert dorix.tube_condensation(data=copy).results == dorix.tube_condensation().results
    assert dorix.tube_condensation(data=str(copy)).results == dorix.tube_condensation().results

