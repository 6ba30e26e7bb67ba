# Runs the fuzzer from a fresh working corpus seeded by the committed one,
# with a fixed seed, and fails on any crash or broken contract. New functions
# go unnamed (-print_funcs=0): naming them needs llvm-symbolizer, which a
# fresh machine lacks.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
    COMMAND "${FUZZER}" -seed=1 -max_total_time=${SECONDS} -max_len=8192 -print_final_stats=1 -print_funcs=0
            -artifact_prefix=${WORK}/ "${WORK}" "${SEEDS}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    get_filename_component(name "${FUZZER}" NAME)
    message(FATAL_ERROR "${name} failed (${result}); the input is in ${WORK}")
endif()
