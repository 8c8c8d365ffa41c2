# SPDX-License-Identifier: GPL-3.0-or-later
# Every wheelgen command recorded in tools/wheels.tsv and tools/wheels-fewest.tsv must still be accepted:
# each is run with --help added, which reads and checks the whole line and then exits without searching.
# cmake -DWHEELGEN=<wheelgen> -DSOURCE=<source dir> -P parse-commands.cmake
set(count 0)
foreach(list wheels.tsv wheels-fewest.tsv)
    file(STRINGS ${SOURCE}/tools/${list} rows)
    foreach(row ${rows})
        if(NOT row MATCHES "\twheelgen ([0-9][^\t]*)")
            continue()
        endif()
        set(command ${CMAKE_MATCH_1})
        separate_arguments(args UNIX_COMMAND "${command}")
        execute_process(COMMAND ${WHEELGEN} ${args} --help OUTPUT_QUIET ERROR_VARIABLE error RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "tools/${list}: wheelgen ${command} is not accepted: ${error}")
        endif()
        math(EXPR count "${count} + 1")
    endforeach()
endforeach()
if(count LESS 100)
    message(FATAL_ERROR "only ${count} recorded commands found")
endif()
message(STATUS "${count} recorded commands accepted")
