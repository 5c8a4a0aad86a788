# cmake -DTOOL=datasheet -DDIR=folder -P RefusesWithoutPlate.cmake
# A whole liquid case but for its plate (index -1): the window that opens it leaves the grid
# and "Calcular" off, so the tool prints no data sheet and ends with 1.
set(case ${DIR}/without-plate.qzv)
file(WRITE ${case} "\"\"\r\n\"\"\r\n\"\"\r\n-1\r\n0,  \"L\"\r\n0\r\n\"\"\r\n"
    "2,\"50\",0\r\n4,\"102,26\",0\r\n5,\"2500\",2\r\n8,\"20\",0\r\n9,\"60\",0\r\n"
    "17,\"998,2\",0\r\n18,\"983,2\",0\r\n20,\"0,47\",0\r\n28,\"0,8\",0\r\n29,\"\",0\r\n")
execute_process(COMMAND ${TOOL} ${case}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "without-plate.qzv: \"Calcular\" is off"
        OR NOT out STREQUAL "")
    message(FATAL_ERROR "datasheet calculated a case without a plate: ${rc} ${err}${out}")
endif()
