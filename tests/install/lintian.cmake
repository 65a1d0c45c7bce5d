# SPDX-License-Identifier: MIT
# Builds the Debian package and has lintian check it: any error or warning
# fails the test. Every tag lintian gives, info and pedantic ones included,
# is printed, so the log shows what is left.
include(${CMAKE_CURRENT_LIST_DIR}/run_checked.cmake)

dorix_scratch_folder(root lintian)
dorix_run(0 ignored "${root}"
          "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${root}")
file(GLOB packages "${root}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${root}, found: ${packages}")
endif()

execute_process(
  COMMAND "${LINTIAN}" --fail-on error,warning --display-info --pedantic --tag-display-limit 0
          "${packages}"
  WORKING_DIRECTORY "${root}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("lintian on ${packages}:\n${out}${err}")
file(REMOVE_RECURSE "${root}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings (exit status ${status})")
endif()
