#!/usr/bin/env bash
# The help pages hold together: every link and picture they use exists, every
# anchor a link names is there, every page is reachable from the contents, and
# the topic anchors the desktop program opens exist.
# Usage: help_pages_test.sh HELP_DIR
set -uo pipefail
dir=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$dir/index.html" ] || { echo "FAIL: no $dir/index.html"; exit 1; }

# The pages and anchors that the program's help commands open by topic number.
for topic in quick-start.html#topic4 exact-phrases.html#topic26 boolean-search.html#topic28 \
    boolean-syntax.html#topic32 examples.html#topic33; do
    grep -q "id=\"${topic#*#}\"" "$dir/${topic%#*}" 2>/dev/null || fail "topic $topic is missing"
done

links=0
for page in "$dir"/*.html; do
    name=$(basename "$page")
    grep -q '<title>[^<]' "$page" || fail "$name has no title"
    while read -r link; do
        case $link in http://* | https://* | mailto:*) continue ;; esac
        links=$((links + 1))
        file=${link%%#*} fragment=
        [[ $link == *#* ]] && fragment=${link#*#}
        target=$page
        [ -n "$file" ] && target=$(dirname "$page")/$file
        if [ ! -e "$target" ]; then
            fail "$name links to $link, which does not exist"
        elif [ -n "$fragment" ] && ! grep -q "id=\"$fragment\"" "$target"; then
            fail "$name links to $link, which has no such anchor"
        fi
    done < <(grep -oE '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="(.*)"$/\2/')
    [ "$name" = index.html ] || grep -q "href=\"$name" "$dir/index.html" || fail "index.html does not link to $name"
done

[ "$links" -ge 20 ] || fail "only $links local links found"
[ "$failures" -eq 0 ] && echo "help pages: $links local links checked"
exit $((failures > 0))
