#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test, then the fuzzers briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --tests
bash tools/start-cups.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRINGPAD_SANITIZE=ON -DRINGPAD_BENCH=ON
cmake --build build/test -j "$jobs"
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600)
bash tools/run-fuzzers.sh
