#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer), runs the fuzzers briefly, then every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --tests
bash tools/start-cups.sh
# The layering and file-local name rules are checked before the long build.
python3 tools/check-layers.py
python3 tools/check-local-names.py
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRINGPAD_SANITIZE=ON -DRINGPAD_BENCH=ON \
  -DCMAKE_CXX_FLAGS_DEBUG=-g1
cmake --build build/test -j "$jobs"
# The fuzzers run first so that the test runner's summary closes the output.
bash tools/run-fuzzers.sh
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600)
