# Runs one fuzzer for a bounded time on a scratch copy of its committed corpus, so
# that the inputs it finds never land in the source tree.
#   cmake -DFUZZER=<binary> -DCORPUS=<seed folder> -DWORK=<scratch folder>
#         -DSECONDS=<n> [-DMAX_LEN=<bytes>] -P run_bounded.cmake
foreach(required FUZZER CORPUS WORK SECONDS)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "run_bounded.cmake: ${required} is not set")
  endif()
endforeach()
if(NOT DEFINED MAX_LEN)
  set(MAX_LEN 65536)
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus" "${WORK}/artifacts")
file(GLOB seeds "${CORPUS}/*")
if(seeds)
  file(COPY ${seeds} DESTINATION "${WORK}/corpus")
endif()

# An input gets 25 s: every input runs in milliseconds, and a shorter limit has been
# seen to trip on a pause of the sanitizer's allocator rather than on the code.
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=25
          -rss_limit_mb=2048 -print_final_stats=1
          "-artifact_prefix=${WORK}/artifacts/" "${WORK}/corpus"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${WORK}/artifacts")
endif()
