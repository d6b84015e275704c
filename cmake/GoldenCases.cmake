# Golden cases: end-to-end runs of a program kept as data in its tests/ folder.
#
#   NAME.in          bytes given on standard input (none: empty input)
#   NAME.out         exact expected standard output (none: no output)
#   NAME.err         exact expected standard error (none: nothing on standard error)
#   NAME.status      expected exit status (none: 0)
#   NAME.args        command-line arguments, one a line
#   NAME.stdin-from  a path, relative to tests/, read as standard input instead of NAME.in
#   NAME.stdout-to   a path standard output is written to instead of being compared;
#                    the case is skipped where that path does not exist
#
# Every NAME.out or NAME.err makes one test, named PROGRAM/NAME.

set(GOLDEN_CASE_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run-golden-case.cmake)
set(GOLDEN_LAUNCHER "" CACHE STRING "Command that every golden case runs its program under, e.g. valgrind")

function(add_golden_cases program)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  file(GLOB expectations CONFIGURE_DEPENDS ${dir}/*.out ${dir}/*.err)
  set(names "")
  foreach(file IN LISTS expectations)
    get_filename_component(name ${file} NAME_WLE)
    list(APPEND names ${name})
  endforeach()
  list(REMOVE_DUPLICATES names)
  foreach(name IN LISTS names)
    add_test(NAME ${program}/${name}
      COMMAND ${CMAKE_COMMAND}
        -DPROGRAM=$<TARGET_FILE:${program}>
        -DCASE=${dir}/${name}
        -DWORK=${CMAKE_CURRENT_BINARY_DIR}/golden/${name}
        "-DLAUNCHER=${GOLDEN_LAUNCHER}"
        -P ${GOLDEN_CASE_RUNNER})
    set_tests_properties(${program}/${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIPPED:")
  endforeach()
endfunction()
