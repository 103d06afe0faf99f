#!/usr/bin/env bash
# Sets up, builds and runs the tests twice: built by GCC in build/, and built
# by clang under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-san/, so every run checks both compilers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
jobs="$(nproc)"

# Configures a build directory with the tests on and warnings as errors.
# CMake drops every other setting of a directory whose compiler changes, so
# one configured for another compiler starts afresh.
configure() {
  local dir="$1" cxx cc
  cxx="$(command -v "$2")"
  cc="$(command -v "$3")"
  shift 3
  if [ -f "$dir/CMakeCache.txt" ] &&
     ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$cxx" "$dir/CMakeCache.txt"; then
    rm -rf "$dir"
  fi
  cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_C_COMPILER="$cc" \
    -DVELMARIS_TESTS=ON -DVELMARIS_WERROR=ON "$@" >/dev/null
}

# A build with no tests in it must not pass for a green run.
run_tests() {
  cmake --build "$1" -j"$jobs"
  (cd "$1" && ctest --output-on-failure --no-tests=error -j"$jobs")
}

configure build g++ gcc -DVELMARIS_SANITIZE=OFF
run_tests build
# The font libraries keep caches for the life of the process.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
configure build-san clang++ clang -DVELMARIS_SANITIZE=ON
run_tests build-san
