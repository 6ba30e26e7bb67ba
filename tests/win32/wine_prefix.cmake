# Makes the Wine prefix that the Windows tests share, and proves Wine starts.
execute_process(COMMAND "${WINE}" wineboot --init RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Wine could not start (wineboot exit ${result}):\n${out}")
endif()
