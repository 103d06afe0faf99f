#!/usr/bin/env bash
# Records the drawing log of every scene of every lesson of the five
# programs, at a fixed clock (so the drills draw the same problems), into
# DIR/<program>.log; DIR/<program>.txt holds how the walk ended.
#
#   scripts/scene-logs.sh DIR [BUILD_DIR]
#
# Two recordings of unchanged drawing are identical: diff -r DIR1 DIR2.
set -euo pipefail
out="${1:?usage: scene-logs.sh DIR [BUILD_DIR]}"
build="${2:-build}"
shot="$build/velmaris-shot"
[ -x "$shot" ] || { echo "no $shot: build it first" >&2; exit 2; }
mkdir -p "$out"
status=0
for p in a b c d e; do
    if ! "$shot" --program "$p" --walk --time 10:20:30 --log "$out/$p.log" \
            --out /dev/null 2>"$out/$p.txt"; then
        echo "velmaris-$p: the walk did not go through (see $out/$p.txt)" >&2
        status=1
    fi
done
exit $status
