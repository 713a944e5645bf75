#!/bin/sh
# Whether the order of the terms decides the run time. One large file of
# licence text, where the first term occurs nowhere and the second one
# ("fo") in many lines, but never as a whole word: both orders must read the
# file at about the same speed.
# Usage: bench/term_order_bench.sh [QUILLFIND_CLI] [MIB] [RUNS]
set -eu
. "$(dirname "$0")/bench_lib.sh"

CLI=${1:-build/quillfind-cli}
MIB=${2:-300}
RUNS=${3:-3}

DIR=$(mktemp -d /tmp/quillfind-order-bench.XXXXXX)
HOME_DIR=$(mktemp -d)
trap 'rm -rf "$DIR" "$HOME_DIR"' EXIT

SOURCE=/usr/share/common-licenses/GPL-3
[ -r "$SOURCE" ] || SOURCE=$(find /usr/share/doc -name 'copyright' -size +8k | head -n 1)
cp "$SOURCE" "$DIR/part"
# Doubling reaches the size in a few steps.
while [ "$(stat -c %s "$DIR/part")" -lt $((MIB * 1024 * 1024 / 2)) ]; do
    cat "$DIR/part" "$DIR/part" > "$DIR/next"
    mv "$DIR/next" "$DIR/part"
done
cat "$DIR/part" "$DIR/part" | head -c $((MIB * 1024 * 1024)) > "$DIR/text.txt"
rm "$DIR/part"
echo "file: $(stat -c %s "$DIR/text.txt") bytes, $(wc -l < "$DIR/text.txt") lines"

QF="$CLI --home $HOME_DIR --no-progress --set SEARCHENDC=0 --set SEARCHENDB=0 -w"
T_ABSENT_FIRST=$(best_of $QF -q "qzxneedle fo" "$DIR")
T_ABSENT_LAST=$(best_of $QF -q "fo qzxneedle" "$DIR")
printf 'terms "qzxneedle fo"   %8.3f s\n' "$T_ABSENT_FIRST"
printf 'terms "fo qzxneedle"   %8.3f s\n' "$T_ABSENT_LAST"
printf 'ratio                  %8.2f\n' "$(echo "$T_ABSENT_FIRST / $T_ABSENT_LAST" | bc -l)"
