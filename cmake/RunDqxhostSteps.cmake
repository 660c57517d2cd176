# Runs the add-in on a document step by step for a test (see tests/addin/sections): WORK (a folder made
# fresh), HOST (dqxhost), DUMPER (dqx-docdump), EXPECT, optional SCHEMAS, and the document to start from:
# DOCUMENT, or one that the composer produces: SCRIPT run by DRIVER (dqx-script) with TEMPLATES, SEED and
# TODAY as the script tests run it.
# RUNS is a list of dqxhost command lines without the document; each run opens the document that the
# run before saved and saves its own. Under a line "run N: ARGS" for each run, what it prints and the
# layout of the document it saved (`dqx-docdump --layout-only`; after the last run `--layout`, which
# prints the paragraphs and shapes too) must equal the EXPECT file ("@WORK@" stands for WORK). Every
# document saved must validate against the OOXML schemas where they are at hand.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ValidateParts.cmake)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/data")

if(SCRIPT)
  set(DATA_HOME "${WORK}/composer")
  include(${CMAKE_CURRENT_LIST_DIR}/PrepareDataFolder.cmake)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${DATA_HOME} ${DRIVER} --today ${TODAY} ${SCRIPT}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output)
  string(REGEX MATCH "document: [^\n]*" produced "${output}")
  if(NOT result EQUAL 0 OR NOT produced)
    message(FATAL_ERROR "${SCRIPT} produced no document (exit ${result}):\n${output}")
  endif()
  string(REGEX REPLACE "^document: " "" DOCUMENT "${produced}")
endif()


set(transcript "")
set(input "${DOCUMENT}")
set(step 0)
list(LENGTH RUNS last)
foreach(run IN LISTS RUNS)
  math(EXPR step "${step} + 1")
  set(saved "${WORK}/step-${step}.docx")
  separate_arguments(arguments UNIX_COMMAND "${run}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DQX_REGISTRY=${WORK}/registry.reg XDG_DATA_HOME=${WORK}/data
                          ${HOST} ${input} ${arguments} --save ${saved}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "run ${step} (${run}) ended with ${status}:\n${output}${errors}")
  endif()
  dqx_validate_parts("${saved}" "${WORK}" "${SCHEMAS}" "^word/[^/]*\\.xml$")
  set(dump_option --layout-only)
  if(step EQUAL last)
    set(dump_option --layout)
  endif()
  execute_process(COMMAND ${DUMPER} ${dump_option} ${saved} RESULT_VARIABLE dumped OUTPUT_VARIABLE dump
                  ERROR_VARIABLE problem)
  if(NOT dumped EQUAL 0)
    message(FATAL_ERROR "cannot read ${saved}: ${problem}")
  endif()
  string(APPEND transcript "run ${step}: ${run}\n${output}${dump}")
  set(input "${saved}")
endforeach()

string(REPLACE "${WORK}" "@WORK@" transcript "${transcript}")
file(WRITE "${WORK}/transcript.txt" "${transcript}")
file(READ "${EXPECT}" expected)
if(NOT transcript STREQUAL expected)
  execute_process(COMMAND diff -u "${EXPECT}" "${WORK}/transcript.txt" OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "the runs differ from ${EXPECT}:\n${difference}")
endif()
