# dqx_add_script_test(<name> <script file> [TODAY <YYYY-MM-DD>] [DATA <folder>] [INSTALL <folder>]
#                     [EXPECT <dump file> [CELLS]])
# Registers a UI script as the ctest test "script_<name>": dqx-script runs it with XDG_DATA_HOME set to
# a fresh, empty folder (emptied again on every run). DATA is copied into that folder's "dqx" first
# (pick lists, a settings file; "*.utf8" files are installed in the code page without that suffix); TODAY
# fixes the date that the program reads.
# With EXPECT the template set of this build is installed in the data folder first (as dqx-seed installs
# it), every document that the script produces is printed by dqx-docdump, and the prints, one after the
# other, must equal the EXPECT file (with CELLS the prints list the cells of the tables too); where the
# OOXML schemas are at hand (DQX_OOXML_SCHEMAS), each document's main part and styles must also validate
# against them.
# With INSTALL the composer's installation folder is a fresh folder of the run as well: the templates that
# the build installs there, then the files of that folder ("*.utf8" installed in the code page as above).
set(DQX_SCRIPT_RUNNER "${CMAKE_CURRENT_LIST_DIR}/RunDqxScript.cmake" CACHE INTERNAL "")

function(dqx_add_script_test name script)
  cmake_parse_arguments(ARG "CELLS" "TODAY;DATA;INSTALL;EXPECT" "" ${ARGN})
  get_filename_component(script_path "${script}" ABSOLUTE)
  set(data_path "")
  if(ARG_DATA)
    get_filename_component(data_path "${ARG_DATA}" ABSOLUTE)
  endif()
  set(install_path "")
  if(ARG_INSTALL)
    get_filename_component(install_path "${ARG_INSTALL}" ABSOLUTE)
  endif()
  set(document_options "")
  if(ARG_EXPECT)
    get_filename_component(expect_path "${ARG_EXPECT}" ABSOLUTE)
    set(document_options -DTEMPLATES=${CMAKE_BINARY_DIR}/templates/built -DDUMPER=$<TARGET_FILE:dqx-docdump>
                         -DEXPECT=${expect_path} -DSCHEMAS=${DQX_OOXML_SCHEMAS})
    if(ARG_CELLS)
      list(APPEND document_options -DDUMP_OPTIONS=--cells)
    endif()
  endif()
  add_test(NAME script_${name}
           COMMAND ${CMAKE_COMMAND} -DDRIVER=$<TARGET_FILE:dqx-script> -DSCRIPT=${script_path}
                   -DDATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/script-data/${name} -DSEED=${data_path}
                   -DTODAY=${ARG_TODAY} -DINSTALL_SEED=${install_path}
                   -DINSTALLED=${CMAKE_BINARY_DIR}/templates/built/install ${document_options}
                   -P ${DQX_SCRIPT_RUNNER})
endfunction()
