# A cross-built varnel-calc (varnel-calc.exe under Wine, the aarch64 build
# under qemu-user) must print what this machine's own build prints, byte for
# byte but for Windows' CR LF line ends: the same several hundred
# frequencies, as the text sheet and as TSV, in a dot and in a comma locale.
cmake_policy(SET CMP0007 NEW) # an empty input line is a frequency too

foreach(program CROSS_CALC)
    if(NOT EXISTS "${${program}}")
        message(FATAL_ERROR "${program} '${${program}}' does not exist")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# A comma locale for this machine's side, made here so the machine's own locale
# set-up does not matter; qemu's program reads the same files, Wine reads the
# locale's name on its own.
set(LOCALE de_DE)
set(DIR "${WORK}/locale")
include("${CMAKE_CURRENT_LIST_DIR}/make_locale.cmake")

# Frequencies of every kind: each band, its edges, exponents, signs, values
# that need the exponent form, and inputs that fail.
set(frequencies 137.500 137.5 159.999999 159.9999 160 110 30 10 0.1 0.0501 0.001 1e38 3e-34 -137.5 -1 14.2 7.1
                435 300 250 0 -0 1e39 1e-35 abc 13x 1.2.3 "")
foreach(i RANGE 1 400)
    math(EXPR whole "(${i} * 7919) % 1000")
    math(EXPR fraction "(${i} * 104729) % 100000")
    math(EXPR exponent "${i} % 45 - 30")
    math(EXPR sign "${i} % 7")
    set(value "${whole}.${fraction}")
    if(sign EQUAL 0)
        set(value "-${value}")
    endif()
    list(APPEND frequencies "${value}" "${i}.${whole}e${exponent}")
endforeach()
list(LENGTH frequencies count)
list(JOIN frequencies "\n" dot_input)
string(REPLACE "." "," comma_input "${dot_input}")
file(WRITE "${WORK}/dot.txt" "${dot_input}\n")
file(WRITE "${WORK}/comma.txt" "${comma_input}\n")

function(run_calc out_prefix locale input program)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env "LC_ALL=${locale}" "LOCPATH=${WORK}/locale" ${program} ${ARGN}
        INPUT_FILE "${input}" OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" out "${out}")
    string(REPLACE "\r\n" "\n" err "${err}")
    # Only the program's own lines: Wine has things to say on standard error
    # too (newer ones about XDG_RUNTIME_DIR), which are not varnel-calc's.
    string(REGEX MATCHALL "varnel-calc:[^\n]*\n" err "${err}")
    string(JOIN "" err ${err})
    set(${out_prefix}_out "${out}" PARENT_SCOPE)
    set(${out_prefix}_err "${err}" PARENT_SCOPE)
    set(${out_prefix}_status "${status}" PARENT_SCOPE)
endfunction()

set(failures 0)
foreach(case "dot;C.UTF-8;137.5\t237.99" "comma;de_DE.UTF-8;137,5\t237,99")
    list(GET case 0 name)
    list(GET case 1 locale)
    list(GET case 2 witness)
    foreach(mode sheet tsv)
        set(options)
        if(mode STREQUAL "tsv")
            set(options --tsv)
        endif()
        run_calc(host "${locale}" "${WORK}/${name}.txt" "${HOST_CALC}" ${options})
        run_calc(cross "${locale}" "${WORK}/${name}.txt" "${EMULATOR};${CROSS_CALC}" ${options})
        if(mode STREQUAL "tsv" AND NOT host_out MATCHES "${witness}")
            message(SEND_ERROR "${name}: this machine's build did not use the ${locale} separator")
        endif()
        file(WRITE "${WORK}/${name}-${mode}.host" "${host_out}")
        file(WRITE "${WORK}/${name}-${mode}.cross" "${cross_out}")
        if(NOT host_out STREQUAL cross_out OR NOT host_err STREQUAL cross_err
           OR NOT host_status STREQUAL cross_status)
            math(EXPR failures "${failures} + 1")
            message(SEND_ERROR "${name} ${mode}: the cross-built varnel-calc differs from this machine's (exit "
                               "${cross_status} and ${host_status}); compare ${WORK}/${name}-${mode}.host and .cross")
        else()
            message(STATUS "${name} ${mode}: ${count} frequencies identical")
        endif()
    endforeach()
endforeach()
