# Runs one masthead test (see DqxMastheadTest.cmake): DRIVER, SCRIPT, SEED, TODAY, TEMPLATES and DATA_HOME
# make the documents as the script test does; HOST (dqxhost, with BUILD_OPTION) works the add-in's menu
# on each, and DUMPER (dqx-docdump --look --cells) prints the documents it saves. For each document:
# - "隐藏版头" twice: every shape of a masthead name shows no outline, fill or top rule and only white
#   text, so does the first table when the masthead is a table ("BTBX3"), and nothing else changes;
# - then "显示版头" once: the document is as it was, shape by shape;
# - "添加份数序号" with an answer: the box "GWXH" holds exactly the answer and nothing else changes, or,
#   without such a box, the message "错误：未找到输入框！" and nothing changes;
# - "添加份数序号" cancelled: nothing changes, nothing is said.
include(${CMAKE_CURRENT_LIST_DIR}/PrepareDataFolder.cmake)
set(masthead_names "(WJBT|BTBX|BTBX2|BTBX3|DANG1|DANG2|DB1|DB2|DB3)")
set(white "16777215")
set(copy_number "第0012号")

execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${DATA_HOME} ${DRIVER} --today ${TODAY} ${SCRIPT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${output}\n${SCRIPT} failed (exit ${result})")
endif()
string(REGEX MATCHALL "document: [^\n]*" documents "${output}")
if(NOT documents)
  message(FATAL_ERROR "${SCRIPT} made no document")
endif()

function(dump path out)
  execute_process(COMMAND ${DUMPER} --look --cells ${path} RESULT_VARIABLE dumped OUTPUT_VARIABLE text
                  ERROR_VARIABLE problem)
  if(NOT dumped EQUAL 0)
    message(FATAL_ERROR "cannot read ${path}: ${problem}")
  endif()
  set(${out} "\n${text}" PARENT_SCOPE)
endfunction()

# Runs dqxhost on the document with the arguments, saving to `saved`; its output must be `expected`
# followed by the line of the save.
function(run_host document saved expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DQX_REGISTRY=${DATA_HOME}/registry.reg
                          XDG_DATA_HOME=${DATA_HOME} ${HOST} ${BUILD_OPTION} ${document} ${ARGN} --save ${saved}
                  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT said STREQUAL "${expected}saved: ${saved}\n")
    message(FATAL_ERROR "dqxhost ${ARGN} on ${document} ended with ${status}:\n${said}${errors}")
  endif()
endfunction()

function(expect_same wanted got what)
  if(NOT wanted STREQUAL got)
    file(WRITE "${DATA_HOME}/wanted.txt" "${wanted}")
    file(WRITE "${DATA_HOME}/got.txt" "${got}")
    execute_process(COMMAND diff -u "${DATA_HOME}/wanted.txt" "${DATA_HOME}/got.txt" OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "${what}:\n${difference}")
  endif()
endfunction()

function(without_lines pattern text out)
  string(REGEX REPLACE "\n${pattern}[^\n]*" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(expect_hidden original hidden document)
  # Text groups "{font ...}" in white are taken out; what remains of the masthead must show nothing (a
  # group without text shows nothing either).
  string(REGEX REPLACE "{[^}\n]* color ${white}}" "" stripped "${hidden}")
  set(shows "\nS[0-9]+ ${masthead_names} \\([^\n]*(line on|fill on|top [1-8]|{[^}\n]*}[^{\n])")
  # The joint masthead's cells are the first table's red ones; other lines kept in that table (the up-going
  # documents' number and signers) stay as they are, which the comparison below checks.
  if(original MATCHES "\nS[0-9]+ BTBX3 ")
    string(APPEND shows "|\nT1 [^\n]* color 255}")
  endif()
  if(stripped MATCHES "${shows}")
    message(FATAL_ERROR "hidden, ${document} still shows: ${CMAKE_MATCH_0}\n${hidden}")
  endif()
  # Nothing but the masthead changes; a masthead table's cells are paragraphs too.
  without_lines("S[0-9]+ ${masthead_names} " "${original}" before)
  without_lines("S[0-9]+ ${masthead_names} " "${hidden}" after)
  if(original MATCHES "\nS[0-9]+ BTBX3 ")
    string(REGEX REPLACE " color (255|${white})}" "}" before "${before}")
    string(REGEX REPLACE " color (255|${white})}" "}" after "${after}")
  endif()
  expect_same("${before}" "${after}" "hiding the masthead of ${document} changed more than the masthead")
endfunction()

set(n 0)
foreach(line ${documents})
  math(EXPR n "${n} + 1")
  string(REGEX REPLACE "^document: " "" document "${line}")
  dump(${document} original)

  run_host(${document} ${DATA_HOME}/hidden-${n}.docx "" --click 隐藏版头 --click 隐藏版头)
  dump(${DATA_HOME}/hidden-${n}.docx hidden)
  expect_hidden("${original}" "${hidden}" ${document})

  run_host(${DATA_HOME}/hidden-${n}.docx ${DATA_HOME}/shown-${n}.docx "" --click 显示版头)
  dump(${DATA_HOME}/shown-${n}.docx shown)
  expect_same("${original}" "${shown}" "hidden and shown again, ${document} is not as it was")

  if(original MATCHES "\nS[0-9]+ GWXH ")
    run_host(${document} ${DATA_HOME}/numbered-${n}.docx "" --answer ${copy_number} --click 添加份数序号)
    dump(${DATA_HOME}/numbered-${n}.docx numbered)
    if(NOT numbered MATCHES "\nS[0-9]+ GWXH [^\n]*}${copy_number}\n")
      message(FATAL_ERROR "the copy number is not in the box of ${document}:\n${numbered}")
    endif()
    without_lines("S[0-9]+ GWXH " "${original}" before)
    without_lines("S[0-9]+ GWXH " "${numbered}" after)
    expect_same("${before}" "${after}" "the copy number changed more than its box in ${document}")
  else()
    run_host(${document} ${DATA_HOME}/numbered-${n}.docx "message: Brevaro: 错误：未找到输入框！\n"
             --answer ${copy_number} --click 添加份数序号)
    dump(${DATA_HOME}/numbered-${n}.docx numbered)
    expect_same("${original}" "${numbered}" "without a copy-number box, ${document} changed")
  endif()

  run_host(${document} ${DATA_HOME}/cancelled-${n}.docx "" --click 添加份数序号)
  dump(${DATA_HOME}/cancelled-${n}.docx cancelled)
  expect_same("${original}" "${cancelled}" "a cancelled copy number changed ${document}")
endforeach()
message("${n} documents: masthead hidden and shown, copy number written")
