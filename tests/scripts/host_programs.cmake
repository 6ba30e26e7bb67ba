# The cross build's programs are compared with this machine's own, which
# another build makes: say once, before any comparison runs, which of them
# is missing and how to make it.
foreach(program "${HOST_CALC}" "${HOST_SHEET}")
    if(NOT EXISTS "${program}")
        message(FATAL_ERROR "${program} is not built; the cross build is compared with this machine's own "
                            "varnel-calc and varnel-sheet: cmake --preset default && cmake --build --preset default "
                            "--target varnel-calc varnel-sheet")
    endif()
endforeach()
