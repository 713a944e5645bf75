#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, then uses what was installed:
# quillfind-cli --version and a search, the desktop program offscreen until it
# has found its help pages, and the desktop entry, AppStream data, icons,
# manual pages and completion checked by their validators.
# Usage: install_test.sh BUILD_DIR VERSION SOURCE_DIR
set -uo pipefail
build=$1 version=$2 source=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root prefix=/usr
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; echo "FAIL: cmake --install"; exit 1; }
usr=$root$prefix bin=$root$prefix/bin
help=$usr/share/doc/quillfind/help

# Nothing may land outside the prefix.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name "${prefix#/}")
[ -z "$outside" ] || fail "installed outside $prefix: $outside"

# The command line: its version, then a search over a small folder with the
# application home taken from the environment.
got=$("$bin/quillfind-cli" --version)
[ "$got" = "quillfind-cli $version" ] || fail "--version printed '$got', expected 'quillfind-cli $version'"
mkdir -p "$tmp/corpus/sub"
printf 'first line\nthe needle is here\n' >"$tmp/corpus/sub/hit.txt"
printf 'nothing to see\n' >"$tmp/corpus/miss.txt"
out=$(cd "$tmp" && QUILLFIND_HOME=$tmp/home "$bin/quillfind-cli" -q needle --format tsv --no-progress corpus)
status=$?
[ "$status" -eq 0 ] || fail "the search ended with status $status"
grep -q "hit.txt" <<<"$out" || fail "the search did not find hit.txt: $out"
grep -q "miss.txt" <<<"$out" && fail "the search reported miss.txt"
[ -d "$tmp/home/Temp" ] || fail "the search did not use QUILLFIND_HOME ($tmp/home)"

# The desktop program, offscreen: it starts, finds the installed help pages,
# and is still running (waiting at its first question) when it is stopped.
if [ -x "$bin/quillfind" ]; then
    QT_QPA_PLATFORM=offscreen QT_FORCE_STDERR_LOGGING=1 QT_LOGGING_RULES="quillfind.help.info=true" \
        QUILLFIND_HOME=$tmp/desk timeout 4 "$bin/quillfind" >"$tmp/desk.log" 2>&1
    status=$?
    [ "$status" -eq 124 ] || fail "quillfind ended by itself with status $status: $(head -c 400 "$tmp/desk.log")"
    grep -qF "help pages in $help" "$tmp/desk.log" ||
        fail "quillfind did not find its help in $help: $(head -c 400 "$tmp/desk.log")"
    [ -d "$tmp/desk" ] || fail "quillfind did not create its application home"

    desktop=$(ls "$usr"/share/applications/*.desktop 2>/dev/null)
    [ -n "$desktop" ] && desktop-file-validate "$desktop" || fail "desktop entry missing or invalid: $desktop"
    metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml 2>/dev/null)
    [ -n "$metainfo" ] && appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 ||
        fail "metainfo missing or invalid: $metainfo $(cat "$tmp/appstream.log")"
    [ "$(basename "$desktop")" = "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")" ] ||
        fail "the metainfo does not launch the installed desktop entry"
    [ -f "$usr/share/man/man1/quillfind.1.gz" ] || fail "no manual page quillfind(1)"
fi

# Icons: the scalable one and the two sizes rendered from it.
[ -f "$usr/share/icons/hicolor/scalable/apps/quillfind.svg" ] || fail "no scalable icon"
for size in 48 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/quillfind.png
    file "$png" 2>/dev/null | grep -q "PNG image data, $size x $size" || fail "no $size px icon: $(file "$png")"
done

[ -f "$usr/share/man/man1/quillfind-cli.1.gz" ] || fail "no manual page quillfind-cli(1)"
[ -f "$usr/share/bash-completion/completions/quillfind-cli" ] || fail "no bash completion"
"$source/tests/install/help_pages_test.sh" "$help" >"$tmp/help.log" || fail "installed help pages: $(cat "$tmp/help.log")"

[ "$failures" -eq 0 ] && echo "installed into $root$prefix: $(cd "$root" && find . -type f | wc -l) files"
exit $((failures > 0))
