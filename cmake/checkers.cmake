# A checker is a tool that a test runs. When it is missing its test is left
# out, unless VARNEL_REQUIRE_ALL_TESTS asks for every test: then configuring
# fails and says which package brings it.
function(varnel_find_checker variable program package)
    find_program(${variable} ${program})
    if(NOT ${variable} AND VARNEL_REQUIRE_ALL_TESTS)
        message(FATAL_ERROR "${program} is missing, so its test cannot run (Debian package: ${package})")
    elseif(NOT ${variable})
        message(STATUS "${program} not found: its test is left out")
    endif()
endfunction()
