#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for a short time on
# its seed corpus (fuzz/corpus/<name>/). Fails when a harness finds a crash;
# the input is left in build/fuzz/crashes/<name>/ and belongs, once fixed, in
# fuzz/regressions/<name>/, which the text tests replay.
#   FUZZ_SECONDS  time per harness (default 20)
#   FUZZ_TARGETS  harnesses to run (default all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-20}"
targets=(${FUZZ_TARGETS:-csv_line param_item sjis_decode sjis_encode ini_reader sorted_file address_line address_text})
build=build/fuzz
jobs=$(nproc)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRINGPAD_FUZZ=ON -DRINGPAD_TESTS=OFF -DRINGPAD_BENCH=OFF -DRINGPAD_SANITIZE=OFF \
  -DCMAKE_POSITION_INDEPENDENT_CODE=ON >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen

# The harnesses run side by side: each has its own time budget in wall-clock
# seconds, so the whole step takes about one budget however many there are.
declare -A pids
for name in "${targets[@]}"; do
  work="$build/corpus/$name"
  crashes="$build/crashes/$name"
  mkdir -p "$work" "$crashes"
  # New inputs go to the work folder; the seeds in the source tree stay as they are.
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -max_len=40000 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "fuzz/corpus/$name" \
    >"$build/$name.log" 2>&1 &
  pids[$name]=$!
done

failed=()
for name in "${targets[@]}"; do
  echo "== fuzz_$name for ${seconds}s"
  if ! wait "${pids[$name]}"; then
    failed+=("$name")
    tail -n 60 "$build/$name.log"
  else
    grep -E "^(stat::number_of_executed_units|Done )" "$build/$name.log" || tail -n 3 "$build/$name.log"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzers with a crash: ${failed[*]} (inputs in $build/crashes/)"
  exit 1
fi
echo "fuzzers ran clean: ${targets[*]}"
