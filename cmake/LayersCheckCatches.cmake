# cmake -DSOURCE_DIR=... -DWORK_DIR=... -P LayersCheckCatches.cmake
# The layers check on a tree of the real table and planted wrong includes must
# fail and name each file and line, so the check cannot quietly pass everything.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${SOURCE_DIR}/docs/architecture.md" DESTINATION "${WORK_DIR}/docs")
file(WRITE "${WORK_DIR}/src/bits/Value.cpp"
  "#include \"bits/Value.h\"\n\n#include \"ui/frmMain.h\"\n#include <QWidget>\n#include <unistd.h>\n")
file(WRITE "${WORK_DIR}/src/unlisted/Thing.cpp" "")
execute_process(
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} -P ${SOURCE_DIR}/cmake/LayersCheck.cmake
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "${output}")
if(result EQUAL 0)
  message(FATAL_ERROR "the layers check passed a tree with wrong includes")
endif()
foreach(expected
    "src/bits/Value.cpp:3: \"ui/frmMain.h\" is not allowed in src/bits (it may include no other folder)"
    "src/bits/Value.cpp:4: <QWidget> is not allowed in src/bits (no Qt headers)"
    "src/bits/Value.cpp:5: <unistd.h> is not allowed in src/bits (no operating-system headers)"
    "src/unlisted/Thing.cpp:1: Thing.cpp is not allowed in src/unlisted (the folder has no row)")
  string(FIND "${output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the layers check did not report: ${expected}")
  endif()
endforeach()
if(output MATCHES "bits/Value.h")
  message(FATAL_ERROR "the layers check reported the file's own folder")
endif()
