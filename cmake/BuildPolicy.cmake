# One INTERFACE target carries the language level and the warning set; every
# target of the project, tests included, links it PRIVATE.
add_library(rennlupe_build_policy INTERFACE)
target_compile_features(rennlupe_build_policy INTERFACE cxx_std_20)
target_compile_options(rennlupe_build_policy INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
  $<$<CXX_COMPILER_ID:GNU>:-Wuseless-cast -Wduplicated-cond -Wlogical-op>)

# Fuzz builds instrument every target for coverage; the fuzz_* executables add
# -fsanitize=fuzzer themselves.
if(RENNLUPE_FUZZ)
  target_compile_options(rennlupe_build_policy INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  target_link_options(rennlupe_build_policy INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
