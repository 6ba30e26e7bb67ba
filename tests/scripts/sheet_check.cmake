# varnel-sheet as a user runs it: one page, the numbers varnel-calc gives
# for the same frequency and locale, the paper, and failures that leave no
# file behind.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
macro(fail message)
    message(SEND_ERROR "${message}")
endmacro()

function(run out_status out_text)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    set(${out_status} "${status}" PARENT_SCOPE)
    set(${out_text} "${out}${err}" PARENT_SCOPE)
endfunction()

# Frequency, locale (LC_ALL, or the categories that are set), expected
# paper size in points, pages (the sheet and its notes, then the template:
# at 137.5 MHz its map, two tiles and the vertical).
# The paper is LC_PAPER's, then LC_MEASUREMENT's.
foreach(case "137.5;C.UTF-8;595.276 x 841.89;6" "14.2;C.UTF-8;595.276 x 841.89;2" "435;C.UTF-8;595.276 x 841.89;3"
             "146;C.UTF-8;595.276 x 841.89;4" "0.1;C.UTF-8;595.276 x 841.89;2" "137,5;de_DE.UTF-8;595.276 x 841.89;6"
             "146,5;fr_FR.UTF-8;595.276 x 841.89;4" "137.5;fa_IR.UTF-8;595.276 x 841.89;6"
             "137.5;en_US.UTF-8;612 x 792;6" "50;en_US.UTF-8;612 x 792;12"
             "50;LANG=de_DE.UTF-8 LC_PAPER=en_US.UTF-8;612 x 792;12"
             "50;LANG=en_US.UTF-8 LC_PAPER=de_DE.UTF-8;595.276 x 841.89;12"
             "50;LANG=C.UTF-8 LC_MEASUREMENT=en_US.UTF-8;612 x 792;12")
    list(GET case 0 frequency)
    list(GET case 1 locale)
    list(GET case 2 paper)
    list(GET case 3 pages)
    if(locale MATCHES "=")
        string(REPLACE " " ";" categories "${locale}")
        set(environment --unset=LC_ALL --unset=LC_PAPER --unset=LC_MEASUREMENT ${categories} "LOCPATH=${LOCPATH}")
        string(REPLACE " " "," locale "${locale}")
    else()
        set(environment "LC_ALL=${locale}" "LOCPATH=${LOCPATH}")
    endif()
    set(pdf "${WORK}/${frequency}-${locale}.pdf")
    run(status output ${environment} "${SHEET}" "${frequency}" -o "${pdf}")
    if(NOT status EQUAL 0 OR NOT EXISTS "${pdf}")
        fail("${frequency} (${locale}): varnel-sheet failed (${status}): ${output}")
        continue()
    endif()
    run(status info "${PDFINFO}" "${pdf}")
    if(NOT info MATCHES "Pages: +${pages}\n" OR NOT info MATCHES "Page size: +${paper} pts")
        fail("${frequency} (${locale}): not ${pages} pages of ${paper} points:\n${info}")
    endif()
    run(status text "${PDFTOTEXT}" "${pdf}" -)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${environment} "${CALC}" --tsv "${frequency}"
                    OUTPUT_VARIABLE tsv ERROR_QUIET)
    string(STRIP "${tsv}" tsv)
    string(REPLACE "\t" ";" numbers "${tsv}")
    list(REMOVE_AT numbers 0)
    list(LENGTH numbers count)
    if(NOT count EQUAL 12)
        fail("${frequency} (${locale}): varnel-calc gave ${tsv}")
    endif()
    foreach(number IN LISTS numbers)
        string(FIND "${text}" "${number}" at)
        if(at EQUAL -1)
            fail("${frequency} (${locale}): the sheet lacks ${number}, which varnel-calc shows")
        endif()
    endforeach()
endforeach()

# The other formats.
run(status output "${SHEET}" 137.5 -o "${WORK}/sheet.svg")
file(READ "${WORK}/sheet.svg" svg)
if(NOT status EQUAL 0 OR NOT svg MATCHES "<svg" OR NOT svg MATCHES "237.99")
    fail("the SVG sheet is not an SVG with the numbers: ${output}")
endif()
run(status output "${SHEET}" 137.5 -o "${WORK}/sheet.png")
file(READ "${WORK}/sheet.png" signature LIMIT 8 HEX)
if(NOT status EQUAL 0 OR NOT signature STREQUAL "89504e470d0a1a0a")
    fail("the PNG sheet is not a PNG: ${output}")
endif()

# Failures: one line, a non-zero status, and no file.
foreach(case "abc;${WORK}/abc.pdf;1" "137.5;${WORK}/no/such/folder/x.pdf;4" "137.5;${WORK}/sheet.doc;2"
             "0;${WORK}/zero.pdf;1")
    list(GET case 0 frequency)
    list(GET case 1 path)
    list(GET case 2 expected)
    run(status output "${SHEET}" "${frequency}" -o "${path}")
    # A usage error adds the usual hint at --help.
    string(REPLACE "\nTry 'varnel-sheet --help'." "" output "${output}")
    string(REGEX MATCHALL "\n" lines "${output}")
    list(LENGTH lines count)
    if(NOT status EQUAL expected OR NOT count EQUAL 1 OR EXISTS "${path}")
        fail("'${frequency}' -o ${path}: exit ${status} (want ${expected}), output: ${output}")
    endif()
endforeach()
file(GLOB leftovers "${WORK}/*.tmp" "${WORK}/.*")
if(leftovers)
    fail("temporary files left behind: ${leftovers}")
endif()
