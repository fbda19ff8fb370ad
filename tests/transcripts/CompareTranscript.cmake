# Runs PROGRAM --script SCRIPT --seed 1 with a fresh score folder under WORK and compares its
# transcript with EXPECTED byte for byte; with UPDATE=ON writes the transcript to EXPECTED.
# The script runs in WORK, where the recordings its "# recording: ARGUMENTS" lines name are first
# made by RECORDER ARGUMENTS.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(STRINGS "${SCRIPT}" recordings REGEX "^# recording: ")
foreach(recording IN LISTS recordings)
    string(REGEX REPLACE "^# recording: " "" arguments "${recording}")
    separate_arguments(arguments UNIX_COMMAND "${arguments}")
    execute_process(COMMAND "${RECORDER}" ${arguments} WORKING_DIRECTORY "${WORK}"
                    RESULT_VARIABLE made ERROR_VARIABLE why)
    if(NOT made EQUAL 0)
        message(FATAL_ERROR "The recording of \"${recording}\" could not be made: ${why}")
    endif()
endforeach()
execute_process(
    COMMAND "${PROGRAM}" --script "${SCRIPT}" --seed 1 --scores "${WORK}/scores"
    WORKING_DIRECTORY "${WORK}"
    OUTPUT_FILE "${WORK}/actual.transcript"
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --script ${SCRIPT} ended with ${status}:\n${errors}")
endif()
if(UPDATE)
    configure_file("${WORK}/actual.transcript" "${EXPECTED}" COPYONLY)
    return()
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/actual.transcript" "${EXPECTED}"
    RESULT_VARIABLE differs)
if(differs)
    # diff is part of every Debian system; its first lines show where the transcripts part.
    execute_process(COMMAND diff -u "${EXPECTED}" "${WORK}/actual.transcript"
                    OUTPUT_VARIABLE difference)
    string(SUBSTRING "${difference}" 0 4000 difference)
    message(FATAL_ERROR "The transcript of ${SCRIPT} differs from ${EXPECTED}:\n${difference}\n"
                        "The whole transcript is ${WORK}/actual.transcript")
endif()
