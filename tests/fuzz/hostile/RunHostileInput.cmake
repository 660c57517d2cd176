cmake_policy(VERSION 3.25)
# Runs one hostile input through a real program (see CMakeLists.txt here): MAKE (hostile-input's
# arguments without the output file; "@TEMPLATES@" stands for the built template set) writes INPUT,
# a path below DATA_HOME. Then, under BOUNDED (bounded-run: 1 GB, 20 s, no signal):
#   with SCRIPT: the UI script driver DRIVER runs the script (its "@INPUT@" replaced by INPUT's path)
#     on a data folder made as for the script tests (the built template set TEMPLATES, SEED);
#   otherwise: the program DRIVER runs with DQX_REGISTRY set to INPUT.
# Its exit code must be EXIT and its output must match EXPECT (a regular expression).
if(SCRIPT)
  include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/PrepareDataFolder.cmake)
else()
  file(REMOVE_RECURSE "${DATA_HOME}")
  file(MAKE_DIRECTORY "${DATA_HOME}")
endif()
set(input "${DATA_HOME}/${INPUT}")
string(REPLACE "@TEMPLATES@" "${TEMPLATES}" make "${MAKE}")
string(REPLACE "|" ";" make "${make}")
execute_process(COMMAND ${GENERATOR} ${make} ${input} RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "hostile-input ${make} failed")
endif()
file(SIZE "${input}" size)
message("input: ${INPUT}, ${size} bytes")

if(SCRIPT)
  file(READ "${SCRIPT}" script)
  string(REPLACE "@INPUT@" "${input}" script "${script}")
  file(WRITE "${DATA_HOME}/run.script" "${script}")
  set(command ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${DATA_HOME} ${BOUNDED} 1024 20 ${DRIVER} --today 2026-12-09
              ${DATA_HOME}/run.script)
else()
  # Without a display the program reports on its standard error.
  set(command ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY DQX_REGISTRY=${input} ${BOUNDED}
              1024 20 ${DRIVER})
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL EXIT)
  message(FATAL_ERROR "exit code ${result}, expected ${EXIT}")
endif()
if(NOT output MATCHES "${EXPECT}")
  message(FATAL_ERROR "the output does not match: ${EXPECT}")
endif()
