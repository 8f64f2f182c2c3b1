# The include rules of docs/architecture.md as tests: the check on the tree, and
# the check on planted wrong includes, which must fail.
add_test(NAME layers
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -P ${PROJECT_SOURCE_DIR}/cmake/LayersCheck.cmake)
add_test(NAME layers_catches_wrong_includes
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DWORK_DIR=${PROJECT_BINARY_DIR}/layers-planted
          -P ${PROJECT_SOURCE_DIR}/cmake/LayersCheckCatches.cmake)
set_tests_properties(layers layers_catches_wrong_includes PROPERTIES LABELS "layers")
