#!/usr/bin/env bash
# A regular expression term (REGEXTERMS, -e) beside rg -j1 and grep -E on a
# tree of real text: a pattern with a required literal, so every tool can
# look for the literal first. Prints the best wall time of RUNS runs and
# quillfind's time over each peer's.
# Usage: bench/regex_compare.sh [QUILLFIND_CLI] [TREE] [RUNS] [PATTERN]
#   TREE  default: a copy of /usr/include and /usr/share/doc in a temp folder
set -euo pipefail

CLI=$(realpath "${1:-build/quillfind-cli}")
TREE=${2:-}
RUNS=${3:-5}
PATTERN=${4:-EINVAL[A-Z_]*}

WORK=$(mktemp -d "${TMPDIR:-/tmp}/quillfind-regex.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
if [ -z "$TREE" ]; then
    TREE=$WORK/tree
    mkdir -p "$TREE"
    cp -r /usr/include "$TREE/include" 2>/dev/null || true
    cp -r /usr/share/doc "$TREE/doc" 2>/dev/null || true
fi
mkdir -p "$WORK/home"

best() {
    local best="" start end t
    "$@" >"$WORK/out" 2>/dev/null || true
    for _ in $(seq "$RUNS"); do
        start=$(date +%s.%N)
        "$@" >"$WORK/out" 2>/dev/null || true
        end=$(date +%s.%N)
        t=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" -eq 1 ]; then best=$t; fi
    done
    echo "$best"
}

QF=("$CLI" --home "$WORK/home" --no-progress --format tsv --set SEARCHENDC=0 --set SEARCHENDB=0
    --set MATCHFILTY=1 --set EXCFILETPS=1 --set EXCFILEMAP=pdf --set EXCFILEMAP=doc --max-lines 10000)
T_QF=$(best "${QF[@]}" -e -q "$PATTERN" "$TREE")
T_RG=$(best rg -j1 -uu -i -e "$PATTERN" "$TREE")
T_GREP=$(best grep -rIiE -e "$PATTERN" "$TREE")
echo "tree: $TREE  files: $(find "$TREE" -type f | wc -l)  bytes: $(du -sb "$TREE" | cut -f1)  pattern: $PATTERN"
echo "load: $(uptime)"
printf 'regex  quillfind-cli -e %8.3f s\n' "$T_QF"
printf 'regex  rg -j1 -i       %8.3f s   ratio %.2f\n' "$T_RG" "$(echo "$T_QF / $T_RG" | bc -l)"
printf 'regex  grep -rIiE      %8.3f s   ratio %.2f\n' "$T_GREP" "$(echo "$T_QF / $T_GREP" | bc -l)"
