# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# What can be checked of Mach-O programs without a Mac, with LLVM's tools: each of PROGRAMS
# holds a slice for each of CPUS (as lipo names them) and no other, and each slice imports
# /usr/lib/libSystem.B.dylib alone, asks for macOS MINIMUM or older, is loaded by
# /usr/lib/dyld, and has a UUID and an entry point. Where TASKS, the task-functions program,
# is given, it defines every function that LIBRARY, the exercise functions' library,
# defines. It proves the files are right for a Mac, not that they run there.

find_program(LIPO NAMES llvm-lipo-14 llvm-lipo REQUIRED)
find_program(OTOOL NAMES llvm-otool-14 llvm-otool REQUIRED)
find_program(OBJDUMP NAMES llvm-objdump-14 llvm-objdump REQUIRED)
find_program(NM NAMES llvm-nm-14 llvm-nm REQUIRED)

list(SORT CPUS)
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${LIPO} -archs ${program} OUTPUT_VARIABLE archs OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(archs)
  list(SORT archs)
  if(NOT archs STREQUAL CPUS)
    message(FATAL_ERROR "${program} is built for ${archs}, not ${CPUS}")
  endif()

  foreach(cpu IN LISTS CPUS)
    execute_process(COMMAND ${OTOOL} -arch ${cpu} -L ${program} OUTPUT_VARIABLE out COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "\n\t[^ ]+" imports "${out}")
    list(TRANSFORM imports STRIP)
    if(NOT imports STREQUAL "/usr/lib/libSystem.B.dylib")
      message(FATAL_ERROR "${program} (${cpu}) imports ${imports}, not libSystem alone")
    endif()

    execute_process(COMMAND ${OBJDUMP} --macho --private-headers --arch=${cpu} ${program} OUTPUT_VARIABLE out
      COMMAND_ERROR_IS_FATAL ANY)
    set(minimum "")
    if(out MATCHES "minos ([0-9.]+)")
      set(minimum ${CMAKE_MATCH_1})
    elseif(out MATCHES "LC_VERSION_MIN_MACOSX[^\n]*\n[^\n]*\n +version ([0-9.]+)")
      set(minimum ${CMAKE_MATCH_1})
    endif()
    if(NOT minimum OR minimum VERSION_GREATER MINIMUM)
      message(FATAL_ERROR "${program} (${cpu}) asks for macOS '${minimum}', not ${MINIMUM} or older")
    endif()
    foreach(needed IN ITEMS "cmd LC_UUID" "cmd LC_MAIN" "name /usr/lib/dyld ")
      string(FIND "${out}" "${needed}" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "${program} (${cpu}) has no ${needed}")
      endif()
    endforeach()
  endforeach()
  message("${program}: ${CPUS}, each with libSystem alone, macOS ${minimum} or later, dyld, UUID, entry point")
endforeach()

if(NOT TASKS)
  return()
endif()
execute_process(COMMAND ${NM} --defined-only --extern-only ${LIBRARY} OUTPUT_VARIABLE out COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL " T [^\n]+" functions "${out}")
execute_process(COMMAND ${NM} --defined-only --extern-only ${TASKS} OUTPUT_VARIABLE defined COMMAND_ERROR_IS_FATAL ANY)
list(LENGTH functions count)
if(count EQUAL 0)
  message(FATAL_ERROR "${LIBRARY} defines no function")
endif()
foreach(function IN LISTS functions)
  string(FIND "${defined}" "${function}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TASKS} does not define${function}")
  endif()
endforeach()
message("${TASKS}: defines the ${count} functions of its library")
