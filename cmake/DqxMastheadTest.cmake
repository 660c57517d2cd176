# dqx_add_masthead_test(<name> <script folder> <script> <data folder> <YYYY-MM-DD> [WPS])
# Registers the ctest test "masthead_<name>": the UI script tests/scripts/<script folder>/<script> makes its
# documents as its script test does (the data folder and date of that test), and dqxhost runs the add-in's
# masthead commands on each of them as a user does, with the Word build or, with WPS, the WPS build
# (RunMastheadTest.cmake says what is checked).
set(DQX_MASTHEAD_RUNNER "${CMAKE_CURRENT_LIST_DIR}/RunMastheadTest.cmake" CACHE INTERNAL "")

function(dqx_add_masthead_test name folder script data today)
  cmake_parse_arguments(ARG "WPS" "" "" ${ARGN})
  set(scripts ${PROJECT_SOURCE_DIR}/tests/scripts/${folder})
  set(build_option "")
  if(ARG_WPS)
    set(build_option --ks)
  endif()
  add_test(NAME masthead_${name}
           COMMAND ${CMAKE_COMMAND} -DDRIVER=$<TARGET_FILE:dqx-script> -DSCRIPT=${scripts}/${script}
                   -DSEED=${scripts}/${data} -DTODAY=${today} -DTEMPLATES=${CMAKE_BINARY_DIR}/templates/built
                   -DDATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/masthead/${name} -DHOST=$<TARGET_FILE:dqxhost>
                   -DBUILD_OPTION=${build_option} -DDUMPER=$<TARGET_FILE:dqx-docdump> -P ${DQX_MASTHEAD_RUNNER})
endfunction()
