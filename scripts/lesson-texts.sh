#!/usr/bin/env bash
# Writes the table of the texts each lesson draws from its first scene on,
# for each program, from a walk through every scene at a fixed clock:
# src/programs/texts/velmaris_<program>.cpp (Velmaris-E has Velmaris-C's
# lessons, and uses its table; --check also holds E's walk against it). A program prepares a
# lesson's texts while its scene list waits, so a scene's first steps draw
# them as fast as later ones. Run it after changing what a scene writes;
# with --check it changes nothing and fails when a table is not as a walk
# finds it now.
#
#   scripts/lesson-texts.sh [--check] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
build="${1:-build}"
shot="$build/velmaris-shot"
[ -x "$shot" ] || { echo "no $shot: build it first" >&2; exit 2; }
out=src/programs/texts
if ((check)); then
    out="$(mktemp -d)"
    trap 'rm -rf "$out"' EXIT
fi
status=0
for p in a b c d; do
    if ! "$shot" --program "$p" --walk --time 10:20:30 --texts "$out/velmaris_$p.cpp" \
            --out /dev/null >/dev/null; then
        echo "velmaris-$p: the walk did not go through" >&2
        status=1
        continue
    fi
    if ((check)) && ! cmp -s "$out/velmaris_$p.cpp" "src/programs/texts/velmaris_$p.cpp"; then
        echo "src/programs/texts/velmaris_$p.cpp is not as a walk finds it now:" \
             "run scripts/lesson-texts.sh" >&2
        status=1
    fi
done
if ((check)); then
    if ! "$shot" --program e --walk --time 10:20:30 --texts "$out/velmaris_e.cpp" \
            --out /dev/null >/dev/null; then
        echo "velmaris-e: the walk did not go through" >&2
        status=1
    elif ! sed 's/Velmaris-E/Velmaris-C/; s/TextsOfE/TextsOfC/' "$out/velmaris_e.cpp" |
            cmp -s - src/programs/texts/velmaris_c.cpp; then
        echo "velmaris-e draws other texts than velmaris-c, whose table it uses" >&2
        status=1
    fi
fi
exit $status
