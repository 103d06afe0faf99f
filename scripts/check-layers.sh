#!/usr/bin/env bash
# Holds every quoted #include of src/ and tools/ against the layers: a file
# may include its own folder and any layer below its own, never a layer
# above nor a neighbour on its own layer. The build runs it before it
# compiles anything, so a wrong-way include fails the build.
#
#   scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Lowest first; folders on one line stand beside each other. The libraries
# in CMakeLists.txt link in this order.
layers=(
    "platform"
    "state"
    "formula"
    "figures frame"
    "lessons/common"
    "lessons/theorem lessons/applications1 lessons/applications2 lessons/survey"
    "programs"
    "tools"
)
declare -A layer
for i in "${!layers[@]}"; do
    for folder in ${layers[$i]}; do layer[$folder]=$i; done
done

# The folder a file of the tree belongs to, into `folder`: src/lessons/<group>/...,
# src/<folder>/..., or tools/ ("" for none).
folder_of() {
    local rest
    case "$1" in
        src/lessons/*/*) rest="${1#src/lessons/}"; folder="lessons/${rest%%/*}" ;;
        src/*/*) rest="${1#src/}"; folder="${rest%%/*}" ;;
        tools/*) folder=tools ;;
        *) folder="" ;;
    esac
}

faults=0
fault() {
    echo "$1" >&2
    faults=$((faults + 1))
}

while IFS= read -r hit; do
    file="${hit%%:*}"
    rest="${hit#*:}"
    line="${rest%%:*}"
    [[ "${rest#*:}" =~ \"([^\"]*)\" ]]
    included="${BASH_REMATCH[1]}"
    folder_of "$file"
    from="$folder"
    if [[ -z "$from" || -z "${layer[$from]+x}" ]]; then
        fault "$file: its folder stands on no layer (add it to scripts/check-layers.sh)"
        continue
    fi
    # Beside the including file, or under src/.
    if [[ -e "${file%/*}/$included" ]]; then
        target="${file%/*}/$included"
    elif [[ -e "src/$included" ]]; then
        target="src/$included"
    else
        fault "$file:$line: includes \"$included\", which is no file of the tree"
        continue
    fi
    folder_of "$target"
    to="$folder"
    [[ "$to" == "$from" ]] && continue
    if [[ -z "$to" || -z "${layer[$to]+x}" ]]; then
        fault "$file:$line: includes \"$included\", whose folder stands on no layer"
    elif ((layer[$to] > layer[$from])); then
        fault "$file:$line: includes \"$included\": $from may not use $to, a layer above it"
    elif ((layer[$to] == layer[$from])); then
        fault "$file:$line: includes \"$included\": $from may not use $to, beside it on its layer"
    fi
done < <(grep -rnE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src tools)

if ((faults > 0)); then
    echo "$faults include(s) against the layers; the layers, lowest first:" >&2
    for i in "${!layers[@]}"; do echo "  $((i + 1)). ${layers[$i]}" >&2; done
    exit 1
fi
