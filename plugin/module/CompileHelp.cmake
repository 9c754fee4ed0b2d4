# Compiles the help project into the .chm beside the module:
#   cmake -DCHMCMD=... -DPROJECT_FILE=... -DOUTPUT=... -P CompileHelp.cmake
# chmcmd reports a link to a page that is not in the project only as a warning and still writes
# the file; a help file with dead links is a broken deliverable, so every warning fails here.
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${CHMCMD}" "${PROJECT_FILE}"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chmcmd failed (${result}) on ${PROJECT_FILE}:\n${out}${err}")
endif()
if("${out}${err}" MATCHES "Warning|Error")
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "chmcmd found problems in the help pages:\n${out}${err}")
endif()
if(NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "chmcmd did not write ${OUTPUT}:\n${out}${err}")
endif()
