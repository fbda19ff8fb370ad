# The benchmark answers --help and --version and refuses what it does not know with status 2,
# running nothing.
foreach(asked "--help" "--version")
    execute_process(COMMAND ${PROGRAM} ${asked} RESULT_VARIABLE status OUTPUT_VARIABLE text)
    if(NOT status EQUAL 0 OR NOT text MATCHES "singing")
        message(FATAL_ERROR "${asked} gave status ${status}: ${text}")
    endif()
endforeach()
foreach(wrong "--no-such-option" "--notes=3" "--seed=x" "extra")
    execute_process(COMMAND ${PROGRAM} ${wrong} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "${wrong} gave status ${status}, not 2")
    endif()
endforeach()
