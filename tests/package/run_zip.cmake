# Unpacks the release archive into a fresh folder, as a user would, and lets
# the end-to-end smoke program drive the unpacked QuorvelNumeralStudio.exe
# under Wine: it converts a number, answers a message box and exits.
#
# Variables: ZIP, TOP, RUN_DIR, SMOKE (the smoke program), RUNNER (the
# command that runs a Windows test program under Wine and judges its end).
cmake_minimum_required(VERSION 3.25)

foreach(v ZIP TOP RUN_DIR SMOKE RUNNER)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "run_zip.cmake: ${v} is not set")
  endif()
endforeach()
if(NOT EXISTS ${ZIP})
  message(FATAL_ERROR "no archive at ${ZIP}: run package_zip first")
endif()

file(REMOVE_RECURSE ${RUN_DIR})
file(MAKE_DIRECTORY ${RUN_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP}
  WORKING_DIRECTORY ${RUN_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${ZIP}: ${err}")
endif()
set(exe ${RUN_DIR}/${TOP}/QuorvelNumeralStudio.exe)
if(NOT EXISTS ${exe})
  message(FATAL_ERROR "the archive has no ${TOP}/QuorvelNumeralStudio.exe")
endif()

message(STATUS "Running ${SMOKE} ${exe}")
execute_process(
  COMMAND ${RUNNER} ${SMOKE} ${exe}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
  TIMEOUT 240)
message("${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the unpacked program failed its smoke run (${rc})")
endif()
