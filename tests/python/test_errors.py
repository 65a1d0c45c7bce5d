# SPDX-License-Identifier: MIT
"""A refused run raises Refused with the window's message; a call the
module cannot make raises TypeError, ValueError or OSError. Either way the
module stays usable."""

import pathlib

import numpy as np
import pytest

import dorix

W, T, E = dorix.wall_condensation, dorix.tube_condensation, dorix.wall_evaporation


@pytest.mark.parametrize("call, keywords, message, field", [
    (W, {"vapor_temp": 350, "wall_temp": 360}, "Vapor temp. should be higher than Wall temp.", None),
    (W, {"length": "-2 m"}, "Length must be greater than zero.", "length"),
    (T, {"pressure": 1.0, "saturated": True}, "Given pressure is out of range.", "pressure"),
    (E, {"sat_temp": -10, "wall_temp": np.float32(-5)}, "Wall Temp. should be higher than zero.", "wall_temp"),
    (dorix.saturation_temperature, {"fluid": "water", "pressure": "1 Pa"}, "Given pressure is out of range.", "pressure"),
])
def test_a_refused_run_raises_a_value_error_with_the_window_message(call, keywords, message, field):
    with pytest.raises(dorix.Refused) as caught:
        call(**keywords)
    assert isinstance(caught.value, ValueError)
    message = "*** ERROR: " + message
    assert (str(caught.value), caught.value.message) == (message, message)
    assert (caught.value.field, caught.value.value) == (field, keywords.get(field))


@pytest.mark.parametrize("call, keywords, error, text", [
    (W, {"tubes": 5}, TypeError, "unexpected keyword argument 'tubes'"),
    (E, {"saturated": True}, TypeError, "'saturated'"),
    (T, {"preset": "default"}, TypeError, "argument 'preset'"),
    (W, {"row_factor": "kern"}, TypeError, "argument 'row_factor'"),
    (W, {"length": True}, TypeError, "not a bool"),
    (W, {"length": 1j}, TypeError, "complex"),
    (W, {"length": [1.0, None]}, TypeError, "NoneType"),
    (W, {"length": np.array([True])}, TypeError, "bool"),
    (W, {"saturated": "yes"}, TypeError, "saturated"),
    (W, {"fluid": True}, TypeError, "fluid"),
    (W, {"fluid": "argon"}, ValueError, "unknown fluid 'argon'"),
    (W, {"fluid": [1, 13]}, ValueError, "unknown fluid 13"),
    (W, {"data": "/nowhere/BoilProp.dat"}, OSError, "/nowhere"),
    (W, {"preset": "chun"}, ValueError, "unknown preset 'chun': use default, kutateladze-labuntsov or nusselt-laminar"),
    (E, {"preset": ["default"]}, TypeError, "preset takes a name"),
    (T, {"row_factor": "Kern"}, ValueError, "unknown row factor 'Kern': use nusselt or kern"),
    (T, {"row_factor": None}, TypeError, "row_factor takes a name"),
    (W, {"vapor_density": "Included"}, ValueError, "unknown vapor density 'Included': use neglected or included"),
    (E, {"vapor_density": True}, TypeError, "vapor_density takes"),
])
def test_usage_errors_name_what_is_wrong_and_leave_the_module_usable(call, keywords, error, text):
    with pytest.raises(error, match=text):
        call(**keywords)
    assert dorix.wall_condensation().results["reynolds_number"] > 0


def test_the_property_file_given_is_read_and_checked(tmp_path):
    copy = tmp_path / "copy.dat"
    copy.write_bytes(pathlib.Path(dorix.property_file()).read_bytes())
    assert dorix.tube_condensation(data=copy).results == dorix.tube_condensation().results
    (tmp_path / "BoilProp.dat").write_text("not a property file\n")
    with pytest.raises(OSError, match="BoilProp.dat"):
        dorix.wall_condensation(data=str(tmp_path / "BoilProp.dat"))
