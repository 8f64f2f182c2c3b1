# cmake -DSOURCE_DIR=... -DCLANG_FORMAT=... -P RunFormatCheck.cmake
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format not found: install Debian's clang-format (14)")
endif()
set(files)
foreach(dir app src tests tools bench fuzz)
  file(GLOB_RECURSE found
    "${SOURCE_DIR}/${dir}/*.h" "${SOURCE_DIR}/${dir}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(SORT files)
execute_process(
  COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format found files to reformat (run clang-format -i on them)")
endif()
list(LENGTH files count)
message(STATUS "clang-format: ${count} files formatted")
