# Makes DATA_HOME/dqx a fresh data folder for one run of the composer: the built template set when
# TEMPLATES is given, then the files of SEED, where "*.utf8" files are installed in the settings file's
# code page without that suffix ("dqx.ini.utf8" becomes "dqx.ini").

# Seed files kept in UTF-8 ("dqx.ini.utf8") are installed in the settings file's code page ("dqx.ini").
function(dqx_install_utf8_seeds folder)
  file(GLOB utf8_seeds "${folder}/*.utf8")
  foreach(seed ${utf8_seeds})
    string(REGEX REPLACE "\\.utf8$" "" target "${seed}")
    execute_process(COMMAND iconv -f UTF-8 -t GB18030 -o "${target}" "${seed}" RESULT_VARIABLE converted)
    if(NOT converted EQUAL 0)
      message(FATAL_ERROR "cannot convert ${seed}")
    endif()
    file(REMOVE "${seed}")
  endforeach()
endfunction()

file(REMOVE_RECURSE "${DATA_HOME}")
file(MAKE_DIRECTORY "${DATA_HOME}/dqx")
if(TEMPLATES)
  file(COPY "${TEMPLATES}/" DESTINATION "${DATA_HOME}/dqx")
endif()
if(SEED)
  file(COPY "${SEED}/" DESTINATION "${DATA_HOME}/dqx")
  dqx_install_utf8_seeds("${DATA_HOME}/dqx")
endif()
