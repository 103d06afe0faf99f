#!/usr/bin/env bash
# Sets up, builds and starts one program: ./run.sh a   (a, b, c, d or e)
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-a}"
bash scripts/setup.sh
cmake -S . -B build -DVELMARIS_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target "velmaris-${program}"
exec "./build/velmaris-${program}"
