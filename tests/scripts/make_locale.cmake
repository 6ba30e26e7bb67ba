# Makes one UTF-8 locale for the tests from the C library's sources: LOCALE
# in DIR, as a script of its own (-P) or included by one that sets both.
# localedef warns (and exits non-zero) over details that do not matter here;
# what matters is that the locale is there.
file(MAKE_DIRECTORY "${DIR}")
execute_process(COMMAND localedef -c -i "${LOCALE}" -f UTF-8 "${DIR}/${LOCALE}.UTF-8"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT EXISTS "${DIR}/${LOCALE}.UTF-8/LC_NUMERIC")
    message(FATAL_ERROR "localedef could not make ${LOCALE}.UTF-8 (exit ${result}; Debian package: locales): ${err}")
endif()
