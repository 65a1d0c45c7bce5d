# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix, checks what lands there and that
# the desktop files are valid, then moves the tree elsewhere and runs the
# installed dorix-calc, which must still find its installed data.
include(${CMAKE_CURRENT_LIST_DIR}/run_checked.cmake)

dorix_scratch_folder(root install-tree)
set(prefix "${root}/prefix")
dorix_run(0 ignored "${BUILD_DIR}" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

set(desktop "${DATADIR}/applications/org.dorix.Dorix.desktop")
set(metainfo "${DATADIR}/metainfo/org.dorix.Dorix.metainfo.xml")
dorix_expect_files("${prefix}" "${DATADIR}/dorix/BoilProp.dat" "${desktop}" "${metainfo}"
                   "${DATADIR}/icons/hicolor/scalable/apps/org.dorix.Dorix.svg"
                   "${DATADIR}/doc/dorix/copyright" "${DATADIR}/doc/dorix/changelog.gz")
if(WITH_GUI)
  dorix_expect_files("${prefix}" "${BINDIR}/dorix" "${DATADIR}/man/man1/dorix.1.gz")
endif()
if(WITH_CALC)
  dorix_expect_files("${prefix}" "${BINDIR}/dorix-calc" "${DATADIR}/man/man1/dorix-calc.1.gz")
endif()
if(WITH_PYTHON)
  dorix_expect_files("${prefix}" "${PYTHON_DIR}/__init__.py" "${PYTHON_DIR}/${PYTHON_MODULE}")
endif()

dorix_run(0 ignored "${root}" "${DESKTOP_FILE_VALIDATE}" "${prefix}/${desktop}")
dorix_run(0 ignored "${root}" "${APPSTREAMCLI}" validate --no-net --explain "${prefix}/${metainfo}")
# The metainfo, desktop entry and icon must also fit together.
dorix_run(0 ignored "${root}" "${APPSTREAMCLI}" validate-tree --no-net --explain "${prefix}")

if(WITH_CALC)
  file(RENAME "${prefix}" "${root}/moved")
  dorix_check_calc_finds_installed_data("${root}/moved" "${root}/work")
endif()

file(REMOVE_RECURSE "${root}")
