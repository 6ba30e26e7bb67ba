# varnel-calc's output failing at the system level: a full disk, a closed
# standard output, a pipe whose reader has gone (with SIGPIPE ignored, as
# many shells and services run programs). Each is one line on standard
# error and exit status 4, never a success.
function(expect_write_error name command)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env "CALC=${CALC}" bash -c "${command}"
                    RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
    string(REGEX MATCHALL "varnel-calc: cannot write the results: [^\n]*\n" lines "${err}")
    list(LENGTH lines count)
    if(NOT status EQUAL 4 OR NOT count EQUAL 1)
        message(SEND_ERROR "${name}: exit ${status}, standard error:\n${err}")
    endif()
endfunction()

expect_write_error("full disk" [["$CALC" --tsv 137.5 > /dev/full]])
expect_write_error("closed output" [["$CALC" --tsv 137.5 >&-]])
expect_write_error("reader gone"
                   [[trap '' PIPE; "$CALC" --tsv --sweep 1:1000:0.01 | head -c 1 > /dev/null; exit ${PIPESTATUS[0]}]])
