# The three programs' exit statuses, one table: program, expected status,
# the first line it writes (a regular expression), and its arguments.
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(rows
    "VARNEL|0|^Usage: varnel |--help"
    "VARNEL|0|^varnel [0-9.]+$|-v"
    "VARNEL|0|^varnel [0-9.]+$|--version"
    "VARNEL|2|^varnel: unknown option '--bogus'$|--bogus"
    "VARNEL|0|^varnel [0-9.]+$|-style|Fusion|-reverse|--version"
    "VARNEL|0|^Usage: varnel |-style=Fusion|-qwindowgeometry|300x200|--help"
    "VARNEL|2|^varnel: -style needs a value$|-style"
    "VARNEL|2|^varnel: unknown option '-r'$|--version|-reverse"
    "VARNEL|2|^varnel: takes no arguments, not '137.5'$|137.5"
    "VARNEL|4|^varnel: cannot write the help: No space left on device$|--help|>/dev/full"
    "VARNEL|3|^varnel: no graphical display found \\(DISPLAY is not set\\)"
    "CALC|0|^Usage: varnel-calc |-h"
    "CALC|0|^varnel-calc [0-9.]+$|-v"
    "CALC|0|^Frequency 137.5 MHz$|137.5"
    "CALC|0|^Frequency -137.5 MHz$|-137.5"
    "CALC|0|^Frequency -137.5 MHz$|--|-137.5"
    "CALC|1|^varnel-calc: 'abc': Type mismatch$|abc"
    "CALC|1|^varnel-calc: '0': Division by zero$|0"
    "CALC|2|^varnel-calc: unknown option '--bogus'$|--bogus"
    "CALC|2|^varnel-calc: --format needs a value$|--format"
    "CALC|4|^varnel-calc: cannot write the results: |137.5|>/dev/full"
    "SHEET|0|^Usage: varnel-sheet |--help"
    "SHEET|0|^varnel-sheet [0-9.]+$|-v"
    "SHEET|4|^varnel-sheet: cannot write the version: No space left on device$|--version|>/dev/full"
    "SHEET|0|^$|137.5|-o|${WORK}/s.pdf"
    "SHEET|1|^varnel-sheet: -137.5 MHz gives lengths that are not positive|-137.5|-o|${WORK}/n.pdf"
    "SHEET|1|^varnel-sheet: -137.5 MHz gives lengths that are not positive|-o|${WORK}/n.pdf|--|-137.5"
    "SHEET|1|^varnel-sheet: 'abc': Type mismatch$|abc|-o|${WORK}/a.pdf"
    "SHEET|1|^varnel-sheet: 1E-30 MHz is outside the 0.1 to 10000 MHz|1e-30|-o|${WORK}/t.pdf"
    "SHEET|2|^varnel-sheet: unknown option '--bogus'$|--bogus"
    "SHEET|2|^varnel-sheet: --page needs a value$|137.5|-o|${WORK}/p.pdf|--page"
    "SHEET|2|^varnel-sheet: give the file to write|137.5"
    "SHEET|4|^varnel-sheet: ${WORK}/no/such/s.pdf: |137.5|-o|${WORK}/no/such/s.pdf"
)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(POP_FRONT fields program status pattern)
    set(output_file "")
    if(fields MATCHES ">/dev/full")
        list(REMOVE_ITEM fields ">/dev/full")
        set(output_file OUTPUT_FILE /dev/full)
    endif()
    # No display, whatever the machine has: the table holds everywhere.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM LC_ALL=C.UTF-8 "${${program}}" ${fields}
                    RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err ${output_file})
    string(APPEND out "${err}")
    string(FIND "${out}\n" "\n" end)
    string(SUBSTRING "${out}" 0 ${end} first)
    if(NOT got EQUAL status OR NOT first MATCHES "${pattern}")
        message(SEND_ERROR "${program} ${fields}: exit ${got} (want ${status}), first line '${first}' "
                           "(want ${pattern})")
    endif()
endforeach()

# The table's words, as the code holds them, in every manual page and the
# README too.
file(READ "${SOURCE_DIR}/app/exit_status.h" header)
string(REGEX MATCHALL "\\{kExit[A-Za-z]+, \"[^\"]+\"\\}" entries "${header}")
list(LENGTH entries count)
if(NOT count EQUAL 5)
    message(SEND_ERROR "exit_status.h: ${count} statuses found, not 5")
endif()
foreach(document docs/man/varnel.1.in docs/man/varnel-calc.1.in docs/man/varnel-sheet.1.in README.md)
    file(READ "${SOURCE_DIR}/${document}" text)
    string(REGEX REPLACE "[ \n]+" " " text "${text}")
    foreach(entry IN LISTS entries)
        string(REGEX REPLACE "^.*\"([^\"]+)\".*$" "\\1" meaning "${entry}")
        string(FIND "${text}" "${meaning}" at)
        if(at EQUAL -1)
            message(SEND_ERROR "${document} does not give the exit status meaning '${meaning}'")
        endif()
    endforeach()
endforeach()
