# SPDX-License-Identifier: MIT
# Run by CPack once the package's files are staged and stripped: removes the
# compiler's identification (.comment) and the .note section from the
# programs, as Debian strips the programs it packages.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_DORIX_STRIP}" --remove-section=.comment --remove-section=.note
                          "${program}"
                  RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CPACK_DORIX_STRIP} on ${program} ended with ${status}: ${errors}")
  endif()
endforeach()
