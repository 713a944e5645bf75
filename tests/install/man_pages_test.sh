#!/usr/bin/env bash
# The manual pages format without warnings, name every long option that
# quillfind-cli --help lists and every settings key, and keep the sections a
# reader looks for.
# Usage: man_pages_test.sh QUILLFIND_CLI MAN_DIR OPTION_TABLE_HEADER
set -uo pipefail
cli=$1 mandir=$2 table=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The page's text with roff's escaped hyphens and font changes undone.
plain() { sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$1"; }

for page in "$mandir"/quillfind-cli.1 "$mandir"/quillfind.1; do
    [ -f "$page" ] || { fail "missing $page"; continue; }
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): man --warnings reports: $warnings"
    text=$(plain "$page")
    for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" ENVIRONMENT FILES EXAMPLES "SEE ALSO"; do
        grep -q "^\.SH \"\?$section\"\?$" <<<"$text" || fail "$(basename "$page"): no section $section"
    done
    for variable in QUILLFIND_HOME XDG_DATA_HOME EDITOR; do
        grep -qw "$variable" <<<"$text" || fail "$(basename "$page"): $variable is not described"
    done
done

# Every long option of --help, so that a new option cannot go undocumented.
options=$("$cli" --help | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
count=$(wc -l <<<"$options")
[ "$count" -ge 40 ] || fail "only $count long options read from $cli --help"
cli_page=$(plain "$mandir/quillfind-cli.1")
for option in $options; do
    grep -qE -- "(^|[^a-z0-9-])$option([^a-z0-9-]|\$)" <<<"$cli_page" ||
        fail "quillfind-cli.1 does not describe $option"
done

# Every settings key of the option table (the saved copy of ARESLINENU is
# not a key of its own).
keys=$(sed -nE 's/^ *X\(([A-Z_]+),.*/\1/p' "$table" | grep -v '_SAVED$')
[ "$(wc -l <<<"$keys")" -ge 200 ] || fail "too few keys read from $table"
gui_page=$(plain "$mandir/quillfind.1")
for key in $keys; do
    grep -qw "$key" <<<"$gui_page" || fail "quillfind.1 does not describe the settings key $key"
done

[ "$failures" -eq 0 ] && echo "manual pages: $count options and $(wc -l <<<"$keys") keys described"
exit $((failures > 0))
