# cmake -DTOOL=datasheet -DCASE=x.qzv -P CompareDatasheet.cmake
# Runs the tool on a case file and compares its output with x.datasheet.txt beside it.
get_filename_component(dir ${CASE} DIRECTORY)
get_filename_component(name ${CASE} NAME_WE)
set(golden ${dir}/${name}.datasheet.txt)
execute_process(COMMAND ${TOOL} ${CASE} OUTPUT_VARIABLE actual RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "datasheet ${CASE} ended with ${rc}")
endif()
file(READ ${golden} expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual.txt "${actual}")
    message(FATAL_ERROR "data sheet of ${CASE} differs from ${golden}; "
        "got ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual.txt")
endif()
