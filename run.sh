#!/usr/bin/env bash
# Sets up, builds and starts one program: ./run.sh a   (a, b, c, d or e)
# It builds in a directory of its own, without the tests and without turning
# warnings into errors, and leaves the test command's builds alone.
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-a}"
bash scripts/setup.sh
cmake -S . -B build-run -DVELMARIS_TESTS=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target "velmaris-${program}"
exec "./build-run/velmaris-${program}"
