#!/usr/bin/env bash
# Sets up, builds and runs the tests: once in a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
jobs="$(nproc)"
cmake -S . -B build -DVELMARIS_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
# The font libraries keep caches for the life of the process.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
cmake -S . -B build-san -DVELMARIS_SANITIZE=ON -DVELMARIS_WERROR=ON >/dev/null
cmake --build build-san -j"$jobs"
(cd build-san && ctest --output-on-failure -j"$jobs")
