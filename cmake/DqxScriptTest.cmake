# dqx_add_script_test(<name> <script file> [TODAY <YYYY-MM-DD>] [DATA <folder>])
# Registers a UI script as the ctest test "script_<name>": dqx-script runs it with XDG_DATA_HOME set to
# a fresh, empty folder (emptied again on every run). DATA is copied into that folder's "dqx" first
# (templates, pick lists, a settings file); TODAY fixes the date that the program reads.
set(DQX_SCRIPT_RUNNER "${CMAKE_CURRENT_LIST_DIR}/RunDqxScript.cmake" CACHE INTERNAL "")

function(dqx_add_script_test name script)
  cmake_parse_arguments(ARG "" "TODAY;DATA" "" ${ARGN})
  get_filename_component(script_path "${script}" ABSOLUTE)
  set(data_path "")
  if(ARG_DATA)
    get_filename_component(data_path "${ARG_DATA}" ABSOLUTE)
  endif()
  add_test(NAME script_${name}
           COMMAND ${CMAKE_COMMAND} -DDRIVER=$<TARGET_FILE:dqx-script> -DSCRIPT=${script_path}
                   -DDATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/script-data/${name} -DSEED=${data_path}
                   -DTODAY=${ARG_TODAY} -P ${DQX_SCRIPT_RUNNER})
endfunction()
