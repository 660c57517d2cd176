# Writes the size table of the checked templates from the built administrative set:
#   cmake -DBUILT=<folder> -DOUTPUT=<file> -P GenerateTemplateSizes.cmake
# The names and their order are the checked templates; those the set does not have are left out.
set(checked dqx1 dqx2 dqx3 dqx4 dqx5 dqx6 dqx7 dqx8 dqx9 dqx12 dqx13 dqx22 dqx23)
set(content "")
foreach(name ${checked})
  if(EXISTS "${BUILT}/${name}.dqx")
    file(SIZE "${BUILT}/${name}.dqx" bytes)
    string(APPEND content "{\"${name}.dqx\", ${bytes}},\n")
  endif()
endforeach()
file(WRITE "${OUTPUT}.new" "${content}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.new" "${OUTPUT}")
