# Runs every benchmark once, briefly, and fails when one stops with an error: the library itself
# exits with 0 after SkipWithError.
#   cmake -DBENCH=<executable> -P RunBenchmarks.cmake
execute_process(
  COMMAND ${BENCH} --benchmark_min_time=0.001
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
message("${out}${err}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${BENCH} exited with ${result}")
endif()
if(out MATCHES "ERROR OCCURRED" OR err MATCHES "ERROR OCCURRED")
  message(FATAL_ERROR "a benchmark stopped with an error")
endif()
