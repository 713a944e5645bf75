#!/bin/sh
# Walk speed in "By file name" mode beside find and fd on the same large tree.
# Usage: bench/walk_bench.sh [QUILLFIND_CLI] [TREE] [COPIES] [RUNS]
set -eu
. "$(dirname "$0")/bench_lib.sh"

CLI=${1:-build/quillfind-cli}
TREE=${2:-/tmp/quillfind-walk-bench}
COPIES=${3:-4}
RUNS=${4:-5}
PATTERN='*.hpp'

if ! command -v fdfind >/dev/null 2>&1; then
    echo "installing fd-find ..." >&2
    apt-get install -y fd-find >/dev/null 2>&1 || echo "fd-find not available; its column stays empty" >&2
fi

build_text_tree "$TREE" "$COPIES"
FILES=$(find "$TREE" -type f | wc -l)
FOLDERS=$(find "$TREE" -type d | wc -l)
MATCHES=$(find "$TREE" -name "$PATTERN" | wc -l)
echo "tree: $TREE  files: $FILES  folders: $FOLDERS  matching '$PATTERN': $MATCHES"

HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT

# Warm the cache once with every tool.
find "$TREE" -name "$PATTERN" >/dev/null 2>&1
"$CLI" --home "$HOME_DIR" --no-progress --by-name -f "$PATTERN" --max-lines 10000 "$TREE" >/dev/null 2>&1 || true

T_QF=$(best_of "$CLI" --home "$HOME_DIR" --no-progress --by-name -f "$PATTERN" --max-lines 10000 "$TREE")
# The program follows links to folders, so the peers are told to as well.
T_FIND=$(best_of find -L "$TREE" -name "$PATTERN")
if command -v fdfind >/dev/null 2>&1; then
    T_FD=$(best_of fdfind -j1 -uu -L -g "$PATTERN" "$TREE")
else
    T_FD=""
fi

printf 'quillfind-cli  %8.3f s\n' "$T_QF"
printf 'find -L        %8.3f s\n' "$T_FIND"
[ -n "$T_FD" ] && printf 'fdfind -j1 -L  %8.3f s\n' "$T_FD"
printf 'ratio quillfind/find  %6.2f (target <= 1.50)\n' "$(echo "$T_QF / $T_FIND" | bc -l)"
[ -n "$T_FD" ] && printf 'ratio quillfind/fd    %6.2f\n' "$(echo "$T_QF / $T_FD" | bc -l)"
exit 0
