#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up a Debian 12 machine for DORIX (the Debian packages that are
# missing), builds it, then starts the program (run) or runs every test (test):
# the normal build's tests, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the parallel tests under ThreadSanitizer, and
# each fuzz target for DORIX_FUZZ_SECONDS
# (60 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  libudunits2-dev pybind11-dev python3-dev python3-numpy python3-pytest
  python3-pint python3-pandas python3-setuptools python3-wheel python3-venv
  fonts-dejavu-core
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file perl lintian
)

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# build PRESET [cache settings...]
build() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset"
}

case "${1:-}" in
  run)
    install_missing_packages
    build default
    exec build/default/bin/dorix
    ;;
  test)
    install_missing_packages
    build default
    ctest --preset default
    build asan
    ctest --preset asan
    build tsan
    ctest --preset tsan
    build fuzz -DDORIX_FUZZ_SECONDS="${DORIX_FUZZ_SECONDS:-60}"
    ctest --preset fuzz
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
