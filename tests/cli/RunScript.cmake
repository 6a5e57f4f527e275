# Runs one driver script in a fresh folder and compares its output with the expected one.
#   cmake -DDRIVER=... -DSCRIPT=x.in -DEXPECTED=x.out -DDATA=dir -DWORK=dir -P RunScript.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${DATA}/" DESTINATION "${WORK}")
execute_process(
    COMMAND "${DRIVER}" --home "${WORK}/home"
    WORKING_DIRECTORY "${WORK}"
    INPUT_FILE "${SCRIPT}"
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "driver exited with ${status}: ${errors}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
    file(WRITE "${WORK}/actual.out" "${actual}")
    execute_process(COMMAND diff -u "${EXPECTED}" "${WORK}/actual.out")
    message(FATAL_ERROR "output differs from ${EXPECTED} (actual output: ${WORK}/actual.out)")
endif()
