# SPDX-License-Identifier: MIT
"""From a fresh copy of the source tree and without the network,
`pip install --no-build-isolation .` builds the package into a venv and
`pip wheel` makes a wheel of it; the installed package imports from outside
the tree, finds its property file and gives the build's numbers."""

import json
import os
import pathlib
import shutil
import subprocess
import sys
import zipfile

import dorix

ROOT = pathlib.Path(__file__).resolve().parents[3]
SCRIPT = """
import json, dorix
print(json.dumps({"module": dorix.__file__, "version": dorix.__version__,
                  "results": dorix.wall_condensation(wall_temp="25 degC").results}))
"""


def test_pip_installs_into_a_venv_and_makes_a_wheel(tmp_path):
    clone, venv, wheels, work = (tmp_path / name for name in ("clone", "venv", "wheels", "work"))
    # The files a clone would have: those git tracks or would track, as they
    # are in the working tree.
    listed = subprocess.run(["git", "-C", ROOT, "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], capture_output=True, check=True).stdout
    for name in filter(None, listed.decode().split("\0")):
        if (ROOT / name).is_file():
            (clone / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ROOT / name, clone / name)
    work.mkdir()
    environment = {k: v for k, v in os.environ.items() if not k.startswith("PYTHON")}
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", venv], check=True)
    pip = [venv / "bin" / "python", "-m", "pip", "--disable-pip-version-check", "--no-input"]
    offline = ["--no-build-isolation", "--no-index"]

    def run(*args, cwd=clone):
        return subprocess.run(args, cwd=cwd, env=environment, check=True, capture_output=True,
                              text=True)

    run(*pip, "install", *offline, ".")
    run(*pip, "wheel", *offline, "--no-deps", "--wheel-dir", wheels, ".")
    installed = json.loads(run(venv / "bin" / "python", "-c", SCRIPT, cwd=work).stdout)
    assert pathlib.Path(installed["module"]).is_relative_to(venv)
    assert installed["version"] == dorix.__version__
    assert installed["results"] == dorix.wall_condensation(wall_temp="25 degC").results
    (wheel,) = wheels.glob(f"dorix-{dorix.__version__}-*.whl")
    names = zipfile.ZipFile(wheel).namelist()
    for name in ("dorix/__init__.py", "dorix/py.typed", "dorix/_dorix.pyi", "dorix/BoilProp.dat"):
        assert name in names
    assert any(name.startswith("dorix/_dorix.") and name.endswith(".so") for name in names)
