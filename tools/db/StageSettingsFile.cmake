# Writes the default settings file unless one is there: it may hold a user's preferences.
if(NOT EXISTS "${SETTINGS_FILE}")
    execute_process(COMMAND "${TOOL}" create-settings "${SETTINGS_FILE}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "writing ${SETTINGS_FILE} failed")
    endif()
endif()
