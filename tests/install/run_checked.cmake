# SPDX-License-Identifier: MIT
# Helpers of the install checks: run a program and insist on its outcome.

# dorix_scratch_folder(<variable> <name>): a new empty folder in the system's
# temporary folder, well away from the source tree and its builds.
function(dorix_scratch_folder variable name)
  set(temp "$ENV{TMPDIR}")
  if(NOT temp)
    set(temp /tmp)
  endif()
  string(RANDOM LENGTH 8 suffix)
  set(folder "${temp}/dorix-${name}-${suffix}")
  file(REMOVE_RECURSE "${folder}")
  file(MAKE_DIRECTORY "${folder}")
  set(${variable} "${folder}" PARENT_SCOPE)
endfunction()

# dorix_run(<expected exit status> <output variable> <working folder> <command...>)
# Runs the command and fails the test, showing everything it printed, when it
# ends with another status. The output variable receives stdout and stderr.
function(dorix_run expected output folder)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${folder}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL "${expected}")
    message(FATAL_ERROR "'${ARGN}' in ${folder} ended with ${status}, not ${expected}.\n"
                        "stdout:\n${out}\nstderr:\n${err}")
  endif()
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

# dorix_expect_text(<text> <part> <what>): fails unless <part> occurs in <text>.
function(dorix_expect_text text part what)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: \"${part}\" not found in:\n${text}")
  endif()
endfunction()

# dorix_expect_files(<root> <relative paths...>): fails on the first one missing.
function(dorix_expect_files root)
  foreach(file IN LISTS ARGN)
    if(NOT EXISTS "${root}/${file}")
      message(FATAL_ERROR "${file} is missing under ${root}")
    endif()
  endforeach()
endfunction()

# dorix_check_calc_finds_installed_data(<prefix> <work>): runs the dorix-calc
# installed under <prefix> from the empty folder <work>, then proves that the
# data it read was the copy installed under <prefix> by breaking that copy.
function(dorix_check_calc_finds_installed_data prefix work)
  file(REMOVE_RECURSE "${work}")
  file(MAKE_DIRECTORY "${work}")
  set(calc "${prefix}/${BINDIR}/dorix-calc")
  set(data "${prefix}/${DATADIR}/dorix/BoilProp.dat")
  if(EXISTS "${prefix}/${BINDIR}/BoilProp.dat")
    message(FATAL_ERROR "a property file was installed beside the programs")
  endif()

  dorix_run(0 report "${work}" "${calc}" wall-condensation)
  dorix_expect_text("${report}" "Reynolds number at the end of the wall = " "installed dorix-calc")

  file(WRITE "${data}" "broken,1,1\n")
  dorix_run(2 failure "${work}" "${calc}" wall-condensation)
  dorix_expect_text("${failure}" "${data}" "installed dorix-calc with a broken property file")
endfunction()
