#!/usr/bin/env bash
# Installs the Debian packages Quillfind needs to build, test, package and run.
# Does nothing when everything is already present.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  libgtest-dev libgmock-dev
  zlib1g-dev libminizip-dev libexpat1-dev libicu-dev libpcre2-dev
  qt6-base-dev libgl-dev
  libcli11-dev
  antiword poppler-utils zip
  util-linux
  clang libclang-rt-14-dev
  librsvg2-bin man-db groff-base file
  dpkg-dev lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
