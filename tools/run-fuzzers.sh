#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for a short time on
# its seed corpus (fuzz/corpus/<name>/). Fails when a harness finds a crash;
# the input is left in build/fuzz/crashes/<name>/ and belongs, once fixed, in
# fuzz/regressions/<name>/, which the text tests replay.
#   FUZZ_SECONDS  time per harness (default 3)
#   FUZZ_TARGETS  harnesses to run (default all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-3}"
targets=(${FUZZ_TARGETS:-csv_line param_item sjis_decode sjis_encode ini_reader sorted_file address_line address_text
  table_file gantt_file tree_file card_layout photo_side_file})
build=build/fuzz
jobs=$(nproc)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRINGPAD_FUZZ=ON -DRINGPAD_TESTS=OFF -DRINGPAD_BENCH=OFF -DRINGPAD_SANITIZE=OFF \
  -DCMAKE_POSITION_INDEPENDENT_CODE=ON >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]/#/fuzz_}"

# The inputs are small: a quarantine of 32 MB still catches a use after free
# within thousands of inputs, and a harness then stays near its start-up size
# instead of growing to the default 256 MB each, which a runner with every
# harness of a wave running side by side could not hold.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:quarantine_size_mb=32}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen

# The harnesses run in waves of one per core, so that each has a core of its
# own for its time and its executions per second mean something; the whole
# step takes about a budget per wave.
failed=()
run_wave() {
  declare -A pids
  local name
  for name in "$@"; do
    local work="$build/corpus/$name" crashes="$build/crashes/$name"
    mkdir -p "$work" "$crashes"
    # New inputs go to the work folder; the seeds in the source tree stay as they are.
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -max_len=40000 \
      -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "fuzz/corpus/$name" \
      >"$build/$name.log" 2>&1 &
    pids[$name]=$!
  done
  for name in "$@"; do
    echo "== fuzz_$name for ${seconds}s"
    if ! wait "${pids[$name]}"; then
      failed+=("$name")
      tail -n 60 "$build/$name.log"
    else
      grep -E "^(stat::number_of_executed_units|stat::average_exec_per_sec|Done )" "$build/$name.log" ||
        tail -n 3 "$build/$name.log"
    fi
  done
}
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
  run_wave "${targets[@]:i:jobs}"
done

# The pasted-text parser was once slow enough to explore almost nothing in
# its budget; its speed is shown on its own line so that a slowdown is seen.
for name in "${targets[@]}"; do
  [ "$name" = address_text ] || continue
  rate=$(grep -E "^stat::average_exec_per_sec" "$build/$name.log" | awk '{print $2}')
  echo "address_text executions per second: ${rate:-unknown}"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzers with a crash: ${failed[*]} (inputs in $build/crashes/)"
  exit 1
fi
echo "fuzzers ran clean: ${targets[*]}"
