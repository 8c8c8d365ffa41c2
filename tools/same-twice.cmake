# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one wheelgen command twice and fails unless both runs write the same table: a seed must fix the
# whole search, whatever the timing.
# cmake -DWHEELGEN=<wheelgen> -DWORK=<scratch dir> "-DARGS=26;--weighted;--seed;3" -P same-twice.cmake
file(MAKE_DIRECTORY ${WORK})
foreach(run 1 2)
    execute_process(COMMAND ${WHEELGEN} ${ARGS} --quiet --out ${WORK}/run${run}.txt RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "wheelgen ${ARGS} failed (${rc})")
    endif()
endforeach()
file(READ ${WORK}/run1.txt first)
file(READ ${WORK}/run2.txt second)
if(NOT first STREQUAL second)
    message(FATAL_ERROR "wheelgen ${ARGS} gave two different tables")
endif()
