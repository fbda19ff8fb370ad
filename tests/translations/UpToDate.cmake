# Runs lupdate on a copy of a translator's file and checks the copy: a text added to the
# sources shows up as unfinished, a text removed as vanished.
#   cmake -D LUPDATE=... -D TS=file.ts -D SOURCES=list.lst -D CHECK=ts_check -D WORK=dir -P UpToDate.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
file(COPY_FILE "${TS}" "${WORK}/${name}")
execute_process(COMMAND "${LUPDATE}" -silent "@${SOURCES}" -ts "${WORK}/${name}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
execute_process(COMMAND "${CHECK}" "${WORK}/${name}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} is not up to date with the sources: run "
                        "cmake --build <build> --target update_translations and translate")
endif()
