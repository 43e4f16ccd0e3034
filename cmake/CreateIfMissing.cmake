# cmake -DOUTPUT=<file> -DSOURCE=<file> [-DFORCE=ON] -P CreateIfMissing.cmake
# Makes OUTPUT as a copy of SOURCE unless OUTPUT exists: a file that holds a user's records is
# never replaced by a rebuild. FORCE replaces it on explicit request.
if(FORCE OR NOT EXISTS "${OUTPUT}")
    # copied beside the target and renamed, so OUTPUT is never a half-written file
    file(COPY_FILE "${SOURCE}" "${OUTPUT}.staging" RESULT result)
    if(NOT result EQUAL 0)
        file(REMOVE "${OUTPUT}.staging")
        message(FATAL_ERROR "Could not copy ${SOURCE} to ${OUTPUT}: ${result}")
    endif()
    file(RENAME "${OUTPUT}.staging" "${OUTPUT}")
endif()
