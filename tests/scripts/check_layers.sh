#!/usr/bin/env bash
# The layer check on small trees of its own: includes that go down pass;
# one that goes up, one to a neighbour on the same layer, one to a file that
# is not there and a folder on no layer each fail, naming the file and line.
#
#   check_layers.sh CHECK_SCRIPT
set -uo pipefail
check="${1:?usage: check_layers.sh CHECK_SCRIPT}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# tree NAME FILE:INCLUDE...: a tree whose files hold the given includes.
tree() {
    local dir="$work/$1" entry file
    shift
    mkdir -p "$dir/src/platform" "$dir/src/state" "$dir/src/formula" "$dir/src/figures" \
        "$dir/src/frame" "$dir/src/lessons/common" "$dir/src/lessons/survey" \
        "$dir/src/lessons/theorem" "$dir/src/programs" "$dir/tools"
    touch "$dir/src/platform/canvas.h" "$dir/src/state/state.h" "$dir/src/formula/formula.h" \
        "$dir/src/figures/figures.h" "$dir/src/frame/frame.h" \
        "$dir/src/lessons/common/text.h" "$dir/src/lessons/theorem/menu.h"
    for entry in "$@"; do
        file="$dir/${entry%%:*}"
        mkdir -p "$(dirname "$file")"
        printf '#include <vector>\n#include "%s"\n' "${entry#*:}" >>"$file"
    done
}

# expect NAME STATUS [TEXT]: the check's status on tree NAME, and a text its
# report must hold.
expect() {
    local out status
    out="$("$check" "$work/$1" 2>&1)"
    status=$?
    if [[ $status -ne $2 ]]; then
        echo "FAIL $1: status $status, expected $2"$'\n'"$out"
        failures=$((failures + 1))
    elif [[ -n "${3:-}" && "$out" != *"$3"* ]]; then
        echo "FAIL $1: the report lacks \"$3\""$'\n'"$out"
        failures=$((failures + 1))
    fi
}

tree down \
    "src/state/state.cpp:platform/canvas.h" \
    "src/figures/lines.cpp:formula/formula.h" \
    "src/figures/lines.cpp:figures/figures.h" \
    "src/frame/menu.cpp:state/state.h" \
    "src/lessons/theorem/intro.cpp:lessons/common/text.h" \
    "src/lessons/theorem/intro.cpp:menu.h" \
    "src/programs/main.cpp:lessons/theorem/menu.h" \
    "tools/shot.cpp:programs/main.cpp"
expect down 0

tree up "src/formula/markup.cpp:frame/frame.h"
expect up 1 'src/formula/markup.cpp:2: includes "frame/frame.h": formula may not use frame, a layer above it'

tree beside "src/figures/angles.cpp:frame/frame.h"
expect beside 1 'figures may not use frame, beside it on its layer'

tree groups "src/lessons/survey/plane.cpp:lessons/theorem/menu.h"
expect groups 1 'lessons/survey may not use lessons/theorem'

tree missing "src/frame/menu.cpp:frame/menus.h"
expect missing 1 'which is no file of the tree'

tree stray "src/extras/x.cpp:state/state.h"
expect stray 1 'src/extras/x.cpp: its folder stands on no layer'

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
