# dqx_validate_parts(<document> <scratch folder> <schemas folder> <part pattern>): every part of the
# .docx whose name matches the pattern must validate against document.xsd of the OOXML schemas; a
# part that does not stops the test with xmllint's complaint. Nothing is checked where the schemas are
# not at hand.
function(dqx_validate_parts document scratch schemas pattern)
  if(NOT schemas OR NOT EXISTS "${schemas}/document.xsd")
    return()
  endif()
  execute_process(COMMAND unzip -Z1 "${document}" OUTPUT_VARIABLE entries)
  string(REPLACE "\n" ";" entries "${entries}")
  foreach(part IN LISTS entries)
    if(part MATCHES "${pattern}")
      execute_process(COMMAND unzip -p "${document}" ${part} OUTPUT_FILE "${scratch}/part.xml")
      execute_process(COMMAND xmllint --noout --nonet --schema "${schemas}/document.xsd" "${scratch}/part.xml"
                      RESULT_VARIABLE valid ERROR_VARIABLE problems)
      if(NOT valid EQUAL 0)
        message(FATAL_ERROR "${part} of ${document} does not validate:\n${problems}")
      endif()
    endif()
  endforeach()
endfunction()
