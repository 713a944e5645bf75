#!/usr/bin/env bash
# Checks a built Debian package the way a distribution would: lintian on the
# package, and the desktop entry and AppStream data it installs through their
# validators. Prints the package's dependencies and ends non-zero on any error.
set -euo pipefail
deb=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "== $(basename "$deb")"
dpkg-deb -f "$deb" Depends
lintian --fail-on error "$deb" 2> >(grep -v "root privileges" >&2)
dpkg-deb -x "$deb" "$tmp"
for desktop in "$tmp"/usr/share/applications/*.desktop; do
    desktop-file-validate "$desktop"
done
for metainfo in "$tmp"/usr/share/metainfo/*.metainfo.xml; do
    appstreamcli validate --no-net "$metainfo"
done
echo "package checks passed"
