# Registers the libFuzzer targets built by fuzz/CMakeLists.txt (a separate clang
# build) as tests of the host build: a replay of each committed corpus, and a short
# bounded fuzzing run of each on a scratch copy of it.
#   VELKARIS_FUZZ_DIR       the fuzz build folder, e.g. build/fuzz
#   VELKARIS_FUZZ_SECONDS   seconds of each bounded run (30 when unset)
if(NOT VELKARIS_FUZZ_DIR)
  return()
endif()
if(NOT DEFINED VELKARIS_FUZZ_SECONDS)
  set(VELKARIS_FUZZ_SECONDS 30)
endif()

set(_velkaris_fuzz_source "${CMAKE_CURRENT_LIST_DIR}/../fuzz")
get_filename_component(_velkaris_fuzz_source "${_velkaris_fuzz_source}" ABSOLUTE)

foreach(_fuzzer label_file navigator)
  if(_fuzzer STREQUAL "label_file")
    set(_binary "${VELKARIS_FUZZ_DIR}/label_file_fuzzer")
  else()
    set(_binary "${VELKARIS_FUZZ_DIR}/navigator_fuzzer")
  endif()
  set(_corpus "${_velkaris_fuzz_source}/corpus/${_fuzzer}")

  # -runs=0 executes every corpus input once and writes nothing.
  add_test(NAME fuzz_${_fuzzer}_replay COMMAND "${_binary}" -runs=0 "${_corpus}")
  set_tests_properties(fuzz_${_fuzzer}_replay PROPERTIES LABELS fuzz TIMEOUT 300)

  add_test(NAME fuzz_${_fuzzer}_bounded
           COMMAND "${CMAKE_COMMAND}" "-DFUZZER=${_binary}" "-DCORPUS=${_corpus}"
                   "-DWORK=${CMAKE_CURRENT_BINARY_DIR}/fuzz-scratch/${_fuzzer}"
                   "-DSECONDS=${VELKARIS_FUZZ_SECONDS}"
                   -P "${_velkaris_fuzz_source}/run_bounded.cmake")
  math(EXPR _timeout "${VELKARIS_FUZZ_SECONDS} + 120")
  set_tests_properties(fuzz_${_fuzzer}_bounded PROPERTIES LABELS fuzz TIMEOUT ${_timeout})
endforeach()

# Inputs that once failed, kept apart from the seeds so that each names its fault.
add_test(NAME fuzz_label_file_regressions
         COMMAND "${VELKARIS_FUZZ_DIR}/label_file_fuzzer" -runs=0
                 "${_velkaris_fuzz_source}/regressions/label_file")
set_tests_properties(fuzz_label_file_regressions PROPERTIES LABELS fuzz TIMEOUT 300)
