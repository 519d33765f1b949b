#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer), runs the fuzzers briefly, checks the
# benchmarks against their bounds (tools/bench.sh, an optimised build of its
# own), then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --tests
bash tools/start-cups.sh
# The layering and file-local name rules are checked before the long build.
python3 tools/check-layers.py
python3 tools/check-local-names.py
jobs=$(nproc)
# The benchmarks are built optimised by tools/bench.sh, not here.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRINGPAD_SANITIZE=ON -DRINGPAD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG=-g1
cmake --build build/test -j "$jobs"
# The fuzzers and the benchmarks run first so that the test runner's summary
# closes the output. A benchmark past its bound fails the run, but only after
# the tests, whose results are worth having either way.
bash tools/run-fuzzers.sh
bench=0
bash tools/bench.sh || bench=$?
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600)
if [ "$bench" -ne 0 ]; then
  echo "test: tools/bench.sh failed: a benchmark past its bound or not built (see above)" >&2
  exit "$bench"
fi
