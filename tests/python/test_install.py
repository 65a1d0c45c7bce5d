# SPDX-License-Identifier: MIT
"""`cmake --install` puts the package where the system Python finds it below
the prefix, and the installed package finds the installed property file from
any working folder."""

import json
import os
import pathlib
import subprocess
import sys

import dorix

SCRIPT = """
import json, dorix
print(json.dumps({"module": dorix.__file__, "data": dorix.property_file(),
                  "results": dorix.wall_condensation(wall_temp="25 degC").results}))
"""


def test_the_installed_package_imports_from_outside_the_tree(tmp_path):
    prefix, work = tmp_path / "prefix", tmp_path / "work"
    subprocess.run([os.environ["DORIX_CMAKE"], "--install", os.environ["DORIX_BUILD_DIR"],
                    "--prefix", prefix], check=True, capture_output=True)
    site = prefix / os.environ["DORIX_PYTHON_INSTALL_DIR"]
    work.mkdir()
    done = subprocess.run([sys.executable, "-c", SCRIPT], cwd=work, check=True,
                          env={**os.environ, "PYTHONPATH": str(site)}, capture_output=True,
                          text=True)
    installed = json.loads(done.stdout)
    assert pathlib.Path(installed["module"]).is_relative_to(site)
    assert installed["data"] == str(prefix / "share" / "dorix" / "BoilProp.dat")
    assert installed["results"] == dorix.wall_condensation(wall_temp="25 degC").results
