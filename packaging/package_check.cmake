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

# What a user reads once it is installed: every manual page names this
# version, and the AppStream data every program the package provides.
execute_process(COMMAND dpkg-deb -x ${packages} "${WORK}/root" RESULT_VARIABLE status)
foreach(page varnel varnel-calc varnel-sheet)
    execute_process(COMMAND "${GZIP}" -dc "${WORK}/root/usr/share/man/man1/${page}.1.gz" OUTPUT_VARIABLE text
                    RESULT_VARIABLE status)
    string(REGEX MATCH "^\\.TH [^\n]*" header "${text}")
    if(NOT status EQUAL 0 OR NOT header MATCHES "\"varnel ${VERSION}\"")
        message(SEND_ERROR "the installed ${page}(1) does not name varnel ${VERSION}: '${header}'")
    endif()
endforeach()
file(GLOB metainfo "${WORK}/root/usr/share/metainfo/*.xml")
file(READ "${metainfo}" appstream)
foreach(program varnel varnel-calc varnel-sheet)
    if(NOT appstream MATCHES "<binary>${program}</binary>")
        message(SEND_ERROR "the AppStream data does not list ${program} among the programs it provides")
    endif()
endforeach()
