# Fails when any C++ source or header under the project's code folders is not clang-format clean.
find_program(CLANG_FORMAT NAMES clang-format clang-format-14 REQUIRED)
set(files)
foreach(dir platform composer addin cleaner tools tests)
  file(GLOB_RECURSE found ${SOURCE_DIR}/${dir}/*.cpp ${SOURCE_DIR}/${dir}/*.h)
  list(APPEND files ${found})
endforeach()
if(files)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files}
                  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "clang-format finds unformatted code:\n${err}")
  endif()
endif()
