# cmake -DTOOL=datasheet -DDIR=folder -P RefusesOversized.cmake
# A case file with a value one character beyond the reader's limit: the tool prints nothing
# and ends with error 62, as the program refuses the file.
string(REPEAT "1" 4097 value)
set(case ${DIR}/oversized.qzv)
file(WRITE ${case} "\"\"\r\n\"\"\r\n\"\"\r\n0\r\n0,  \"L\"\r\n0\r\n\"\"\r\n2,\"${value}\",0\r\n")
execute_process(COMMAND ${TOOL} ${case}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "oversized.qzv: error 62 " OR NOT out STREQUAL "")
    message(FATAL_ERROR "datasheet took the oversized case: ${rc} ${err}${out}")
endif()
