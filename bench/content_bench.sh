#!/bin/sh
# Content search speed beside grep and a parallel-free ripgrep on one tree of
# real text. The term is rare, so the time is the reading and matching of
# every line, not the printing of results.
# Usage: bench/content_bench.sh [QUILLFIND_CLI] [TREE] [COPIES] [RUNS] [TERM]
set -eu
. "$(dirname "$0")/bench_lib.sh"

CLI=${1:-build/quillfind-cli}
TREE=${2:-/tmp/quillfind-content-bench}
COPIES=${3:-2}
RUNS=${4:-5}
TERM_TEXT=${5:-zyxwvut_rare}

if ! command -v rg >/dev/null 2>&1; then
    echo "installing ripgrep ..." >&2
    apt-get install -y ripgrep >/dev/null 2>&1 || echo "ripgrep not available; its column stays empty" >&2
fi

if [ ! -d "$TREE" ]; then
    build_text_tree "$TREE" "$COPIES"
    # One hit per copy, deep in a large file, so every tool must read it all.
    i=1
    while [ "$i" -le "$COPIES" ]; do
        printf 'the %s marker line\n' "$TERM_TEXT" >> "$TREE/copy$i/include/stdio.h" 2>/dev/null || true
        i=$((i + 1))
    done
fi
FILES=$(find "$TREE" -type f | wc -l)
BYTES=$(du -sb "$TREE" | cut -f1)
echo "tree: $TREE  files: $FILES  bytes: $BYTES  term: $TERM_TEXT"

HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT

# Every tool reads every file (quillfind's default type rules let all files
# through; binary types are kept out, as grep -I and ripgrep do).
QF="$CLI --home $HOME_DIR --no-progress -q $TERM_TEXT --set SEARCHENDC=0 --set SEARCHENDB=0 $TREE"
# The same search with Word and PDF documents left out by the type rule: the
# other tools read no documents, so this is the like-for-like reading speed.
QF_TEXT="$QF --set MATCHFILTY=1 --set EXCFILETPS=1 --set EXCFILEMAP=pdf --set EXCFILEMAP=doc"
$QF >/dev/null 2>&1 || true
grep -RIF "$TERM_TEXT" "$TREE" >/dev/null 2>&1 || true

T_QF=$(best_of $QF)
T_QF_TEXT=$(best_of $QF_TEXT)
# The program follows links to files and folders, so the peers are told to as well.
T_GREP=$(best_of grep -RIiF "$TERM_TEXT" "$TREE")
if command -v rg >/dev/null 2>&1; then
    T_RG=$(best_of rg -j1 -L -uu -i -F "$TERM_TEXT" "$TREE")
else
    T_RG=""
fi
FOUND=$($QF 2>/dev/null | tail -n +2 | wc -l)
echo "quillfind found $FOUND line(s)"
printf 'quillfind-cli      %8.3f s   (Word and PDF documents converted and searched too)\n' "$T_QF"
printf 'quillfind-cli      %8.3f s   (documents left out by the type rule)\n' "$T_QF_TEXT"
printf 'grep -RIiF         %8.3f s\n' "$T_GREP"
[ -n "$T_RG" ] && printf 'rg -j1 -L -uu -i -F %7.3f s\n' "$T_RG"
printf 'ratio quillfind/grep  %6.2f  (without documents %.2f)\n' "$(echo "$T_QF / $T_GREP" | bc -l)" \
    "$(echo "$T_QF_TEXT / $T_GREP" | bc -l)"
[ -n "$T_RG" ] && printf 'ratio quillfind/rg    %6.2f  (without documents %.2f)\n' "$(echo "$T_QF / $T_RG" | bc -l)" \
    "$(echo "$T_QF_TEXT / $T_RG" | bc -l)"
exit 0
