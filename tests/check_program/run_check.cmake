# Runs the check program once and compares its standard output, standard
# error and exit status byte for byte with what the expected outcome fixes.
#
#   -DPROGRAM=<path>        the executable
#   -DOUTCOME=pass|fail53|fail54
#   -DARGS="<words>"        optional command-line arguments
#   -DEMULATOR=<launcher>   optional, e.g. wine for a cross-compiled program
#   -DTEXT_MODE_CR=ON       accept the CR a Windows console writes before LF

cmake_minimum_required(VERSION 3.20)

set(condition_a [[a.str().find("hello") != std::string::npos]])
set(condition_b [[b.str().find("hello") != std::string::npos]])

if(OUTCOME STREQUAL "pass")
  set(expected_out "all tests passed\n")
  set(expected_err "")
  set(expected_status 0)
elseif(OUTCOME STREQUAL "fail53")
  set(expected_out "")
  set(expected_err "FAIL: ${condition_a} at line 53\n")
  set(expected_status 1)
elseif(OUTCOME STREQUAL "fail54")
  set(expected_out "")
  set(expected_err "FAIL: ${condition_b} at line 54\n")
  set(expected_status 1)
else()
  message(FATAL_ERROR "unknown OUTCOME '${OUTCOME}'")
endif()

separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(
  COMMAND ${EMULATOR} "${PROGRAM}" ${args}
  INPUT_FILE /dev/null
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

if(TEXT_MODE_CR)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
endif()

set(failed FALSE)
foreach(what out err status)
  if(NOT "${${what}}" STREQUAL "${expected_${what}}")
    message(SEND_ERROR "${what}: expected [${expected_${what}}] got [${${what}}]")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  message(STATUS "${OUTCOME} ${ARGS}: output and status as expected")
endif()
