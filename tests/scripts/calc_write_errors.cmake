# varnel-calc's output failing at the system level: a full disk, a closed
# standard output, a pipe whose reader has gone (with SIGPIPE ignored, as
# many shells and services run programs). Each is one line on standard
# error and exit status 4, never a success. A cross build's program runs
# through its EMULATOR (qemu-user), as the tests do.
list(JOIN EMULATOR " " emulator)
function(expect_write_error name command)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env "CALC=${CALC}" "EMULATOR=${emulator}" bash -c "${command}"
                    RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
    string(REGEX MATCHALL "varnel-calc: cannot write the results: [^\n]*\n" lines "${err}")
    list(LENGTH lines count)
    if(NOT status EQUAL 4 OR NOT count EQUAL 1)
        message(SEND_ERROR "${name}: exit ${status}, standard error:\n${err}")
    endif()
endfunction()

expect_write_error("full disk" [[$EMULATOR "$CALC" --tsv 137.5 > /dev/full]])
expect_write_error("closed output" [[$EMULATOR "$CALC" --tsv 137.5 >&-]])
expect_write_error("reader gone"
                   [[trap '' PIPE; $EMULATOR "$CALC" --tsv --sweep 1:1000:0.01 | head -c 1 > /dev/null; exit ${PIPESTATUS[0]}]])
