# SPDX-License-Identifier: MIT
"""Builds the compiled half of the dorix package with the project's CMake
(the Python module target only, no windows, tests or benchmarks) and puts it
beside the package's Python files with the property file."""

import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


def project_version():
    """The version of the project() line of CMakeLists.txt, the one version."""
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(dorix VERSION (\S+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        module = pathlib.Path(self.get_ext_fullpath(ext.name)).resolve()
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        configure = [
            "cmake", "-S", str(ROOT), "-B", str(build),
            # The project's own build type, so the numbers are the programs'.
            "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DDORIX_BUILD_GUI=OFF", "-DDORIX_BUILD_TESTS=OFF", "-DDORIX_BUILD_BENCHMARKS=OFF",
            f"-DPython3_EXECUTABLE={sys.executable}",
        ]
        subprocess.run(configure, check=True)
        jobs = str(self.parallel or os.cpu_count() or 1)
        subprocess.run(["cmake", "--build", str(build), "--target", "dorix_python",
                        "--parallel", jobs], check=True)
        staged = build / "python" / "dorix"
        module.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(next(staged.glob("_dorix.*.so")), module)
        shutil.copyfile(staged / "BoilProp.dat", module.parent / "BoilProp.dat")


setup(
    version=project_version(),
    packages=["dorix"],
    package_dir={"": "src/python"},
    package_data={"dorix": ["py.typed", "*.pyi"]},
    ext_modules=[Extension("dorix._dorix", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    zip_safe=False,
)
