# cmake -DOUTPUT=<file> -DTOOL=<program> -DARGS=<arg;arg> [-DFORCE=ON] -P CreateIfMissing.cmake
# Runs TOOL ARGS to make OUTPUT unless OUTPUT exists: a file that holds a user's records is
# never replaced by a rebuild. FORCE replaces it on explicit request.
if(FORCE AND EXISTS "${OUTPUT}")
    file(REMOVE "${OUTPUT}")
endif()
if(NOT EXISTS "${OUTPUT}")
    execute_process(COMMAND "${TOOL}" ${ARGS} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Could not create ${OUTPUT}")
    endif()
endif()
