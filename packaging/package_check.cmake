# The Debian package as CPack builds it, checked by lintian: no error and no
# warning. Built into its own folder, so the build tree stays as it was.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${CPACK}" --config "${CONFIG}" -B "${WORK}" RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
file(GLOB packages "${WORK}/*.deb")
if(NOT status EQUAL 0 OR NOT packages)
    message(FATAL_ERROR "cpack could not build the package (${status}):\n${out}")
endif()
execute_process(COMMAND "${LINTIAN}" --fail-on error,warning ${packages} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian finds fault with ${packages}:\n${out}${err}")
endif()
message(STATUS "lintian: ${packages} is clean")
