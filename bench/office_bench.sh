#!/bin/sh
# Office, OpenDocument and RTF documents: the time to read each into text
# (office_bench), and a whole content search of the tree with the documents
# read (CONVOFFICE=1) beside the same search reading their raw bytes (=0).
# Usage: bench/office_bench.sh [BUILD] [TREE] [COUNT] [RUNS]
set -eu

BUILD=${1:-build}
TREE=${2:-/tmp/quillfind-office-bench}
COUNT=${3:-400}
RUNS=${4:-3}
HERE=$(dirname "$0")
. "$HERE/bench_lib.sh"

[ -d "$TREE" ] || "$HERE/make_office_corpus.sh" "$TREE" "$COUNT"
DOCS=$(find "$TREE" -type f | wc -l)
echo "tree: $TREE  documents: $DOCS  bytes: $(du -sb "$TREE" | cut -f1)"

echo "reading each document into text (best of $RUNS):"
"$BUILD/bench/office_bench" "$TREE" "$RUNS"

HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT
CLI="$BUILD/quillfind-cli"
on=$(best_of "$CLI" --home "$HOME_DIR" --no-progress -q quillneedle "$TREE")
off=$(best_of "$CLI" --home "$HOME_DIR" --no-progress --set CONVOFFICE=0 -q quillneedle "$TREE")
hits=$("$CLI" --home "$HOME_DIR" --no-progress --format tsv -q quillneedle "$TREE" | tail -n +2 | wc -l)
echo "search with documents read:   ${on} s  ($hits result lines)"
echo "search reading raw bytes:     ${off} s"
echo "per document in the search:   $(echo "scale=3; 1000 * $on / $DOCS" | bc -l) ms"
