# Adds every direct child folder that has a CMakeLists.txt, in name order, so that a new library or
# test folder needs no edit of its parent.
macro(dqx_add_subdirectories)
  file(GLOB _dqx_children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _dqx_children)
  foreach(_dqx_child ${_dqx_children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_dqx_child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_dqx_child}/CMakeLists.txt)
      add_subdirectory(${_dqx_child})
    endif()
  endforeach()
endmacro()
