# A cross-built varnel-sheet (varnel-sheet.exe under Wine, the aarch64
# build under qemu-user) must write what this machine's own build writes,
# byte for byte, with SOURCE_DATE_EPOCH set: PDF and SVG, on A4 and Letter,
# for frequencies with and without a template and with the warnings, in a
# dot and a comma locale.
foreach(program CROSS_SHEET)
    if(NOT EXISTS "${${program}}")
        message(FATAL_ERROR "${program} '${${program}}' does not exist")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
set(LOCALE de_DE)
set(DIR "${WORK}/locale")
include("${CMAKE_CURRENT_LIST_DIR}/make_locale.cmake")

# Locale, frequency, paper and options: each run of Wine takes a second or
# two. The bent corners' arcs and a printer's scale must come out alike too.
set(count 0)
foreach(case "C.UTF-8;137.5;a4" "C.UTF-8;137.5;letter" "C.UTF-8;146;a4" "C.UTF-8;146;letter" "C.UTF-8;1296;a4"
             "de_DE.UTF-8;14,2;a4" "C.UTF-8;50.1;a4;--corner-radius=15 --printed-bar=98.6,99.2 --coax=75:0.82")
    list(GET case 0 locale)
    list(GET case 1 frequency)
    list(GET case 2 paper)
    set(options "")
    set(tag "")
    list(LENGTH case fields)
    if(fields GREATER 3)
        list(GET case 3 options)
        separate_arguments(options UNIX_COMMAND "${options}")
        set(tag "-options")
    endif()
    foreach(format pdf svg)
        set(name "${frequency}-${paper}${tag}.${format}")
        foreach(side host cross)
            if(side STREQUAL "host")
                set(program "${HOST_SHEET}")
            else()
                set(program "${EMULATOR};${CROSS_SHEET}")
            endif()
            # Relative names: Wine takes them in its own current folder.
            file(MAKE_DIRECTORY "${WORK}/${side}")
            execute_process(
                COMMAND "${CMAKE_COMMAND}" -E env "LC_ALL=${locale}" "LOCPATH=${WORK}/locale"
                        SOURCE_DATE_EPOCH=1765238400 ${program} --page ${paper} ${options} ${frequency} -o ${name}
                WORKING_DIRECTORY "${WORK}/${side}" RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
            if(NOT status EQUAL 0)
                message(SEND_ERROR "${side}: ${name} (${locale}) failed with status ${status}")
            endif()
        endforeach()
        file(SHA256 "${WORK}/host/${name}" host)
        file(SHA256 "${WORK}/cross/${name}" cross)
        if(NOT host STREQUAL cross)
            message(SEND_ERROR "${name} (${locale}): the cross-built varnel-sheet writes other bytes; compare "
                               "${WORK}/host/${name} and ${WORK}/cross/${name}")
        else()
            math(EXPR count "${count} + 1")
        endif()
        if(name STREQUAL "137.5-a4.pdf")
            message(STATUS "137.5 MHz on A4, PDF: ${host} (this machine) and ${cross} (cross-built)")
        endif()
    endforeach()
endforeach()
message(STATUS "${count} sheets identical")
