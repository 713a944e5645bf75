#!/bin/sh
# Searching inside ZIP archives: Quillfind's unzip-and-search beside
# extracting every archive with unzip and searching with grep -r, and beside
# ugrep -z, which reads archives in memory.
# Usage: bench/zip_bench.sh [ZIP_BENCH] [TREE] [ARCHIVES] [RUNS] [TERM]
set -eu

BENCH=${1:-build/bench/zip_bench}
TREE=${2:-/tmp/quillfind-zip-bench}
ARCHIVES=${3:-300}
RUNS=${4:-3}
TERM=${5:-hereby}

for tool in unzip zip ugrep; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "installing $tool ..." >&2
        apt-get install -y "$tool" >/dev/null 2>&1 || echo "$tool not available" >&2
    fi
done

# Every tenth archive also holds the previous one, so nested archives are met.
if [ ! -d "$TREE" ]; then
    echo "building $ARCHIVES archives from /usr/share/doc in $TREE ..." >&2
    mkdir -p "$TREE"
    n=0
    for pkg in /usr/share/doc/*/; do
        [ "$n" -ge "$ARCHIVES" ] && break
        files=$(find "$pkg" -type f ! -name '*.gz' 2>/dev/null | head -200)
        [ -z "$files" ] && continue
        n=$((n + 1))
        out="$TREE/doc$n.zip"
        echo "$files" | zip -q -@ "$out" 2>/dev/null || continue
        if [ $((n % 10)) -eq 0 ] && [ -f "$TREE/doc$((n - 1)).zip" ]; then
            (cd "$TREE" && zip -q "doc$n.zip" "doc$((n - 1)).zip")
        fi
    done
fi
COUNT=$(find "$TREE" -name '*.zip' | wc -l)
BYTES=$(du -sb "$TREE" | cut -f1)
echo "tree: $TREE  archives: $COUNT  bytes: $BYTES  term: '$TERM'"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }
# The smaller of two decimal numbers.
smaller() { if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc)" -eq 1 ]; then echo "$2"; else echo "$1"; fi; }

# unzip every archive into its own folder, then the archives found inside, until none is left.
unzip_all() {
    out="$WORK/unzipped"
    rm -rf "$out"
    mkdir -p "$out"
    i=0
    for z in "$TREE"/*.zip; do
        i=$((i + 1))
        unzip -qq -o "$z" -d "$out/$i" 2>/dev/null || true
    done
    level=0
    while [ "$level" -lt 8 ]; do
        found=$(find "$out" -name '*.zip' ! -path '*.done/*' | head -1)
        [ -z "$found" ] && break
        find "$out" -name '*.zip' | while read -r z; do
            unzip -qq -o "$z" -d "$z.done" 2>/dev/null || true
            rm -f "$z"
        done
        level=$((level + 1))
    done
    grep -r -i -F "$TERM" "$out" | wc -l
}

best_q=""; best_u=""; best_g=""
r=0
while [ "$r" -lt "$RUNS" ]; do
    t0=$(now); q_out=$("$BENCH" "$TREE" "$TERM" "$WORK/home"); t1=$(now)
    best_q=$(smaller "$best_q" "$(elapsed "$t0" "$t1")")
    t0=$(now); u_lines=$(unzip_all); t1=$(now)
    best_u=$(smaller "$best_u" "$(elapsed "$t0" "$t1")")
    if command -v ugrep >/dev/null 2>&1; then
        t0=$(now); g_lines=$(ugrep -z -r -i -F "$TERM" "$TREE" | wc -l); t1=$(now)
        best_g=$(smaller "$best_g" "$(elapsed "$t0" "$t1")")
    fi
    r=$((r + 1))
done

set -- $q_out
echo "quillfind (unzip + search):  ${best_q}s  result lines: $2  unzipped: $3  failed: $4"
echo "unzip + grep -r:            ${best_u}s  matching lines: $u_lines"
[ -n "$best_g" ] && echo "ugrep -z:                   ${best_g}s  matching lines: $g_lines"
echo "ratio unzip+grep / quillfind: $(echo "scale=2; $best_u / $best_q" | bc)"
[ -n "$best_g" ] && echo "ratio ugrep -z / quillfind:   $(echo "scale=2; $best_g / $best_q" | bc)"
exit 0
