# SPDX-License-Identifier: MIT
# Builds the Debian package, checks its runtime dependencies and contents,
# then unpacks it and runs the packaged dorix-calc outside the source tree.
include(${CMAKE_CURRENT_LIST_DIR}/run_checked.cmake)

dorix_scratch_folder(root debian-package)
dorix_run(0 ignored "${root}"
          "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${root}")
file(GLOB packages "${root}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${root}, found: ${packages}")
endif()

dorix_run(0 depends "${root}" "${DPKG_DEB}" --field "${packages}" Depends)
set(packages_needed libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins
    libudunits2-0 libudunits2-data)
if(WITH_PYTHON)
  list(APPEND packages_needed python3-numpy "python3 (<< ")
endif()
foreach(package IN LISTS packages_needed)
  dorix_expect_text("${depends}" "${package}" "Depends of the package")
endforeach()

dorix_run(0 contents "${root}" "${DPKG_DEB}" --contents "${packages}")
foreach(file usr/bin/dorix usr/bin/dorix-calc usr/share/dorix/BoilProp.dat
             usr/share/applications/org.dorix.Dorix.desktop
             usr/share/icons/hicolor/scalable/apps/org.dorix.Dorix.svg
             usr/share/metainfo/org.dorix.Dorix.metainfo.xml
             usr/share/doc/dorix/copyright usr/share/doc/dorix/changelog.gz
             usr/share/man/man1/dorix.1.gz usr/share/man/man1/dorix-calc.1.gz)
  dorix_expect_text("${contents}" "./${file}\n" "contents of the package")
endforeach()
if(WITH_PYTHON)
  foreach(file __init__.py ${PYTHON_MODULE})
    dorix_expect_text("${contents}" "./usr/${PYTHON_DIR}/${file}\n" "contents of the package")
  endforeach()
endif()

dorix_run(0 ignored "${root}" "${DPKG_DEB}" --extract "${packages}" "${root}/unpacked")
set(BINDIR bin)
set(DATADIR share)
if(WITH_PYTHON)
  # The packaged module imports and finds the packaged property file.
  dorix_run(0 found "${root}" "${CMAKE_COMMAND}" -E env
            "PYTHONPATH=${root}/unpacked/usr/${PYTHON_DIR}/.." "${PYTHON}" -c
            "import dorix\nprint(dorix.property_file())\ndorix.tube_condensation(pressure='1 atm')")
  dorix_expect_text("${found}" "${root}/unpacked/usr/share/dorix/BoilProp.dat" "packaged module")
endif()
dorix_check_calc_finds_installed_data("${root}/unpacked/usr" "${root}/work")

file(REMOVE_RECURSE "${root}")
