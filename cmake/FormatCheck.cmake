# The format check is a test, so a formatting diff fails the build's tests.
find_program(RENNLUPE_CLANG_FORMAT NAMES clang-format-14 clang-format)
add_test(NAME format
  COMMAND ${CMAKE_COMMAND}
    -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
    -DCLANG_FORMAT=${RENNLUPE_CLANG_FORMAT}
    -P ${PROJECT_SOURCE_DIR}/cmake/RunFormatCheck.cmake)
set_tests_properties(format PROPERTIES LABELS "format")
