#!/usr/bin/env bash
# The bash completion of quillfind-cli completes the program's own options and
# the values of the options that take a word from a fixed set.
# Usage: completion_test.sh COMPLETION_SCRIPT QUILLFIND_CLI
set -uo pipefail
script=$1 cli=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# shellcheck source=/dev/null
source "$script"
complete -p quillfind-cli >/dev/null || fail "the script registers no completion for quillfind-cli"

# Completes the last word of a command line and prints the candidates, sorted.
candidates() {
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _quillfind_cli
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' '
}

expect() {
    local want=$1
    shift
    local got
    got=$(candidates "$@")
    [ "$got" = "$want" ] || fail "completing '$*': expected '$want', got '$got'"
}

expect "--version" --vers
expect "--line-boolean --lines-per-file" --line
expect "csv json table tsv" --format ''
expect "content,name" --in content,na
expect "logic,lines,stats" --sections logic,lines,s
expect "" -q ne

# Folders complete where a folder is expected.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/corpus" && touch "$tmp/corpus.txt"
expect "$tmp/corpus" "$tmp/cor"
expect "$tmp/corpus" --zip-dir "$tmp/cor"

[ "$failures" -eq 0 ] && echo "bash completion: all cases complete"
exit $((failures > 0))
