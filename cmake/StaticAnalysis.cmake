# clang-tidy (checks in .clang-tidy) and cppcheck over every source file of the project,
# each run as one test that fails on any finding.

find_program(CLANG_TIDY clang-tidy REQUIRED)
find_program(CPPCHECK cppcheck REQUIRED)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

file(GLOB analysed_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/*/*.cpp
  ${PROJECT_SOURCE_DIR}/*/tests/*.cpp
  ${PROJECT_SOURCE_DIR}/tests/*/*.cpp)

add_test(NAME static-analysis/clang-tidy
  COMMAND ${CLANG_TIDY} -p ${PROJECT_BINARY_DIR} --quiet ${analysed_sources})
add_test(NAME static-analysis/cppcheck
  COMMAND ${CPPCHECK} --project=${PROJECT_BINARY_DIR}/compile_commands.json
    --std=c++20 --library=googletest --enable=warning,style,performance,portability
    --inline-suppr --error-exitcode=1 --quiet)
